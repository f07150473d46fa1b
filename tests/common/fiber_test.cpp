// Fibers: a body suspended and resumed runs on where it stopped, from whichever stack resumes
// it, and a fiber that runs is not resumed again by one it resumed.
#include "common/fiber.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace mivo
