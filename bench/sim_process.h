#pragma once
// mivo-sim as a child process for the benchmarks: started with `arguments`, it prints the
// pseudo-terminal device it serves as its first line.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <cstdio>

namespace mivo::bench {

// The device, or "" (with a message) when the simulator did not start.
inline QString StartSimulator(QProcess& sim, const QStringList& arguments) {
    sim.setProgram(MIVO_SIM_PROGRAM);
    sim.setArguments(arguments);
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start();
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        std::fprintf(stderr, "cannot start %s\n", MIVO_SIM_PROGRAM);
        return {};
    }
    return QString::fromLocal8Bit(sim.readLine()).trimmed();
}

inline void StopSimulator(QProcess& sim) {
    sim.terminate();
    sim.waitForFinished(3000);
}

}  // namespace mivo::bench
