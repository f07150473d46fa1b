// The built `mivo-sim`: inputs from its options and from lines typed on its standard input, the
// position read fault, asked over its pseudo-terminal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <QTest>
#include <algorithm>
#include <sstream>

#include "cli/cli_rig.h"

namespace mivo::test {
namespace {

using Lines = std::vector<std::string>;

// Sends `command` on `device` and reads `count` reply lines (without their CR LF).
Lines Ask(const QString& device, const std::string& command, std::size_t count) {
    const int fd = ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    const std::string bytes = command + "\r\n";
    const bool sent = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    std::string in;
    pollfd p{fd, POLLIN, 0};
    char c = 0;
    while (sent && static_cast<std::size_t>(std::count(in.begin(), in.end(), '\n')) < count &&
           ::poll(&p, 1, 5000) == 1 && ::read(fd, &c, 1) == 1)
        in += c;
    ::close(fd);
    Lines lines;
    std::istringstream text(in);
    for (std::string line; std::getline(text, line);)
        lines.push_back(line.substr(0, line.size() - 1));
    return lines;
}

TEST(MivoSim, InputsFromOptionsAndTypedLinesAndThePositionFault) {
    struct Case {
        const char* name;
        QStringList options;
        std::string typed;    // on standard input, seen through a line on stdout or stderr
        std::string command;  // none: it does not start
        Lines replies;
        std::string said = "";  // what the typed line made it say
    };
    // clang-format off
    const Case cases[] = {
        {"--input sets an input", {"--input", "5=1", "--input", "6=1"}, "", "@?DI 5", {"1", "OK"}},
        {"DI 5 1 typed sets it while it runs", {}, "DI 5 1\n", "@?DI 5", {"1", "OK"}, "DI 5 on\n"},
        {"a typed line beyond 15 is said and ignored", {"--input", "5=1"}, "DI 16 0\n", "@?DI 5", {"1", "OK"}, "mivo-sim: ignored: type DI N S, N 0 to 15, S 0 or 1 (DI 5 1)\n"},
        {"--pos-error 1", {"--pos-error", "1"}, "", "@?POS 1", {"ERR", "32:Position read error", "0.00", "OK"}},
        {"--input beyond 15: a usage error", {"--input", "16=1"}, "", "", {}, "mivo-sim: --input wants N=S with N 0 to 15 and S 0 or 1\n"},
        {"--pos-error 0: a usage error", {"--pos-error", "0"}, "", "", {}, "mivo-sim: --pos-error wants K from 1\n"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimProcess sim(c.options, true);
        sim.process.write(c.typed.data(), static_cast<qint64>(c.typed.size()));
        std::string said;
        const bool seen = QTest::qWaitFor(
            [&] {
                said += sim.process.readAllStandardOutput().toStdString() +
                        sim.process.readAllStandardError().toStdString();
                return said == c.said;
            },
            5000);
        EXPECT_TRUE(seen) << said;
        EXPECT_EQ(sim.device.isEmpty(), c.command.empty());
        if (c.command.empty()) {
            sim.process.waitForFinished(5000);  // when it has not ended yet
            EXPECT_EQ(sim.process.exitCode(), 2);
            continue;
        }
        EXPECT_EQ(Ask(sim.device, c.command, c.replies.size()), c.replies);
    }
}

}  // namespace
}  // namespace mivo::test
