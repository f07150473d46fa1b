// Fibers: a body suspended and resumed runs on where it stopped, from whichever stack resumes
// it, and a fiber that runs is not resumed again by one it resumed.
#include "common/fiber.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#define MIVO_TEST_ASAN 1
#endif
#ifdef MIVO_TEST_ASAN
#include <sanitizer/asan_interface.h>
#endif

namespace mivo {
namespace {

TEST(Fiber, SuspendsResumesAndFreesItself) {
    std::string trace;
    Fiber* a = nullptr;
    Fiber* b = nullptr;
    Fiber::start([&] {
        a = Fiber::current();
        trace += "a1 ";
        a->suspend();
        trace += "a2 ";
        // Resumes b, which tries to resume a (running: nothing happens) and suspends.
        b->resume();
        trace += "a3 ";
        a->suspend();
        trace += "a4 ";
    });
    EXPECT_EQ(Fiber::current(), nullptr);
    Fiber::start([&] {
        b = Fiber::current();
        trace += "b1 ";
        b->suspend();
        trace += "b2 ";
        a->resume();
        b->suspend();
        trace += "b3 ";
    });
    EXPECT_EQ(trace, "a1 b1 ");
    ASSERT_TRUE(a->suspended());
    a->resume();
    EXPECT_EQ(trace, "a1 b1 a2 b2 a3 ");
    b->resume();  // from the thread's stack now; it ends and frees itself
    EXPECT_EQ(trace, "a1 b1 a2 b2 a3 b3 ");
    a->resume();
    EXPECT_EQ(trace, "a1 b1 a2 b2 a3 b3 a4 ");
    EXPECT_EQ(Fiber::current(), nullptr);
}

// Deep enough to need far more than a small stack, as a modal question's event loop does.
int Depth(int n) {
    volatile char pad[512] = {};
    return n == 0 ? pad[0] : 1 + Depth(n - 1);
}

TEST(Fiber, HasRoomForDeepCalls) {
    int depth = 0;
    Fiber::start([&] { depth = Depth(1000); });
    EXPECT_EQ(depth, 1000);
}

// A stack given back leaves no poisoned frames behind: memory mapped later at the same place (a
// font cache, say) must read as any other.
TEST(Fiber, AnEndedFibersStackLeavesNoPoisonBehind) {
#ifndef MIVO_TEST_ASAN
    GTEST_SKIP() << "only the address sanitizer keeps a stack's poison";
#else
    std::uintptr_t where = 0;
    Fiber::start([&] {
        volatile char frame[64] = {};
        where = reinterpret_cast<std::uintptr_t>(&frame[0]);
        Depth(50);
    });
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    void* at = reinterpret_cast<void*>(where & ~(page - 1));
    void* mapped = mmap(at, page, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
    ASSERT_EQ(mapped, at) << "the stack's pages were not given back";
    EXPECT_EQ(__asan_region_is_poisoned(mapped, page), nullptr);
    munmap(mapped, page);
#endif
}

}  // namespace
}  // namespace mivo
