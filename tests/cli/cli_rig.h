#pragma once
// The built `mivo-sim` serving a pseudo-terminal, and the built `mivo` run to its end, as a user
// runs them.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <QTest>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace mivo::test {

struct MivoRun {
    int exitCode = -1;  // -1: it did not end, or ended by a signal
    std::string out, err;
};

// A --log file's lines without their leading time stamps ("2026-12-08T03:04:05.123 > @?NO" is
// "> @?NO"); a line without one fails the test.
inline std::string Unstamped(const std::string& log) {
    static const std::regex stamp(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3} (?=[<>] ))");
    std::istringstream in(log);
    std::string out;
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (std::regex_search(line, m, stamp, std::regex_constants::match_continuous))
            line.erase(0, static_cast<std::size_t>(m.length()));
        else
            ADD_FAILURE() << "a log line without its time stamp: " << line;
        out += line + '\n';
    }
    return out;
}

// Runs `mivo` with `args` in `workDir` (this process's when empty), `input` on its standard input,
// its standard output into `output` when given.
inline MivoRun RunMivo(const QStringList& args, const std::filesystem::path& workDir = {},
                       const std::string& input = {}, const QString& output = {}) {
    QProcess p;
    p.setWorkingDirectory(QString::fromStdString(workDir.string()));
    if (!output.isEmpty()) p.setStandardOutputFile(output);
    p.start(MIVO_CLI_PROGRAM, args);
    p.write(input.data(), static_cast<qint64>(input.size()));
    p.closeWriteChannel();
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) return {};
    return {p.exitCode(), p.readAllStandardOutput().toStdString(),
            p.readAllStandardError().toStdString()};
}

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Whether `mivo` in `p` printed its "@RUN" answered "OK" within 10 s.
inline bool RunAnswered(QProcess& p) {
    return QTest::qWaitFor([&] { return Contains(p.peek(1 << 16).toStdString(), "@RUN\nOK\n"); },
                           10000);
}

// `mivo-sim` with `options`, ended with the object; `device` is the pseudo-terminal it serves,
// empty when it did not start, which fails the test unless it `mayFail`.
struct SimProcess {
    explicit SimProcess(const QStringList& options = {}, bool mayFail = false) {
        process.start(MIVO_SIM_PROGRAM, options);
        if (process.waitForReadyRead(10000))
            device = QString::fromUtf8(process.readLine()).trimmed();
        if (device.isEmpty() && !mayFail) ADD_FAILURE() << "mivo-sim did not start";
    }
    ~SimProcess() {
        process.terminate();
        process.waitForFinished(5000);
    }
    // `mivo --port DEVICE args...`, as RunMivo.
    MivoRun mivo(const QStringList& args, const std::filesystem::path& workDir = {},
                 const std::string& input = {}, const QString& output = {}) const {
        return RunMivo(QStringList{"--port", device} + args, workDir, input, output);
    }
    // `mivo --port DEVICE --yes direct run` started in `p`, as RunAnswered.
    bool startRun(QProcess& p) const {
        p.start(MIVO_CLI_PROGRAM, {"--port", device, "--yes", "direct", "run"});
        return RunAnswered(p);
    }

    QProcess process;
    QString device;
};

// A step file's 1000 lines: `steps` first, the rest empty.
inline std::string StepFile(const std::vector<std::string>& steps) {
    std::string text;
    for (std::size_t s = 0; s < 1000; ++s)
        text += (s < steps.size() ? steps[s] : ",,,,,,,") + "\r\n";
    return text;
}

}  // namespace mivo::test
