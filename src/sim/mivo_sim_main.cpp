// mivo-sim: the simulated controller on a pseudo-terminal. Prints the device path and serves
// until SIGINT, SIGTERM or SIGHUP; lines typed on its standard input set its inputs.
#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <cstdio>

#include "common/stop_signals.h"
#include "common/version.h"
#include "sim/sim_console.h"
#include "sim/sim_controller.h"
#include "sim/sim_pty.h"

namespace {

// A family name as --silent-family and --refuse-family take it.
bool ParseFamily(const QString& text, mivo::SimFamily* out) {
    const auto f = mivo::SimFamilyNamed(text.toStdString());
    if (!f || *f == mivo::SimFamily::Core) return false;
    *out = *f;
    return true;
}

bool ParseCount(const QString& text, int* out) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < 0) return false;
    *out = v;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("mivo-sim");
    QCoreApplication::setApplicationVersion(mivo::kVersion);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Simulated MIVO controller on a pseudo-terminal. Prints the device path, then serves "
        "until interrupted.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption pace("pace", "Send replies at the line rate (19200 baud).");
    const QCommandLineOption silent("silent", "Answer no command at all.");
    const QCommandLineOption refuse("refuse", "Refuse the K-th command with NG and LINE.",
                                    "K:LINE");
    const QCommandLineOption garbage("garbage", "Answer every command with a line of noise.");
    const QCommandLineOption noiseBefore("noise-before",
                                         "Send a line of noise before every reply.");
    const QCommandLineOption noise(
        "noise", "The line of noise --garbage and --noise-before send (Latin-1).", "TEXT");
    const QCommandLineOption emptyLines("empty-lines",
                                        "Answer every command with an empty line (CR LF).");
    const QCommandLineOption equal("equal-bytes",
                                   "After each reply, once quiet, send a run of equal bytes.");
    const QCommandLineOption longLine("long-line", "Send a 1500-byte line before every reply.");
    const QCommandLineOption hangup("hangup-after",
                                    "Answer K commands, then close the line on the next.", "K");
    const QCommandLineOption silentAfter(
        "silent-after", "Answer K commands, then none: the line is cut but stays open.", "K");
    const QCommandLineOption silentFamily(
        "silent-family", "Answer no command of FAMILY (steps, motion, records, parameters, io).",
        "FAMILY");
    const QCommandLineOption refuseFamily(
        "refuse-family", "Refuse every command of FAMILY with NG and LINE.", "FAMILY:LINE");
    const QCommandLineOption versionText(
        "version-text", "Answer \"@?Ver 0\" with TEXT (1.03 is an old controller).", "TEXT");
    const QCommandLineOption posError(
        "pos-error", "Answer the K-th position query with ERR and 32:Position read error first.",
        "K");
    const QCommandLineOption input(
        "input", "Input N (0 to 15) starts at S (0 or 1); repeatable. Typing DI N S sets it later.",
        "N=S");
    parser.addOptions({pace, silent, refuse, garbage, noiseBefore, noise, emptyLines, equal,
                       longLine, hangup, silentAfter, silentFamily, refuseFamily, versionText,
                       posError, input});
    parser.process(app);

    mivo::SimController controller;
    mivo::SimFaults& f = controller.faults;
    if (parser.isSet(silent)) f.silent.which = mivo::SimPick::kEvery;
    if (parser.isSet(garbage)) f.garbage.which = mivo::SimPick::kEvery;
    if (parser.isSet(noiseBefore)) f.noiseBefore.which = mivo::SimPick::kEvery;
    if (parser.isSet(emptyLines)) f.emptyLine.which = mivo::SimPick::kEvery;
    if (parser.isSet(longLine)) f.longLine.which = mivo::SimPick::kEvery;
    f.equalBytesWhenIdle = parser.isSet(equal);
    if (parser.isSet(noise)) {
        const QByteArray text = parser.value(noise).toLatin1();
        if (text.isEmpty() || text.contains('\r') || text.contains('\n')) {
            std::fprintf(stderr, "mivo-sim: --noise wants one line\n");
            return 2;
        }
        f.noise = text.toStdString();
    }
    if (parser.isSet(refuse)) {
        const QString v = parser.value(refuse);
        const int colon = v.indexOf(':');
        int k = 0;
        if (colon < 0 || !ParseCount(v.left(colon), &k) || k == 0) {
            std::fprintf(stderr, "mivo-sim: --refuse wants K:LINE with K from 1\n");
            return 2;
        }
        f.refuse.which = k;
        f.refuseLine = v.mid(colon + 1).toStdString();
    }
    if (parser.isSet(silentFamily) && !parser.isSet(silent)) {
        mivo::SimFamily family{};
        if (!ParseFamily(parser.value(silentFamily), &family)) {
            std::fprintf(stderr,
                         "mivo-sim: --silent-family wants steps, motion, records, parameters "
                         "or io\n");
            return 2;
        }
        f.silent = {mivo::SimPick::kEvery, family};
    }
    if (parser.isSet(refuseFamily)) {
        const QString v = parser.value(refuseFamily);
        const int colon = v.indexOf(':');
        mivo::SimFamily family{};
        if (colon < 0 || !ParseFamily(v.left(colon), &family)) {
            std::fprintf(stderr,
                         "mivo-sim: --refuse-family wants FAMILY:LINE with FAMILY one of "
                         "steps, motion, records, parameters, io\n");
            return 2;
        }
        if (parser.isSet(refuse)) {
            std::fprintf(stderr, "mivo-sim: --refuse and --refuse-family exclude each other\n");
            return 2;
        }
        f.refuse = {mivo::SimPick::kEvery, family};
        f.refuseLine = v.mid(colon + 1).toStdString();
    }
    if (parser.isSet(hangup) && !ParseCount(parser.value(hangup), &f.hangupAfter)) {
        std::fprintf(stderr, "mivo-sim: --hangup-after wants a count\n");
        return 2;
    }
    if (parser.isSet(silentAfter) && !ParseCount(parser.value(silentAfter), &f.silentAfter)) {
        std::fprintf(stderr, "mivo-sim: --silent-after wants a count\n");
        return 2;
    }

    if (parser.isSet(posError) && (!ParseCount(parser.value(posError), &f.positionError.which) ||
                                   f.positionError.which == 0)) {
        std::fprintf(stderr, "mivo-sim: --pos-error wants K from 1\n");
        return 2;
    }
    for (const QString& v : parser.values(input)) {
        const auto set = mivo::SimIo::ParseOption(v.toStdString());
        if (!set) {
            std::fprintf(stderr, "mivo-sim: --input wants N=S with N 0 to 15 and S 0 or 1\n");
            return 2;
        }
        controller.io.setInput(set->n, set->on);
    }

    if (parser.isSet(versionText)) {
        const std::string text = parser.value(versionText).toStdString();
        if (text.find_first_of("\r\n") != std::string::npos) {
            std::fprintf(stderr, "mivo-sim: --version-text wants one line\n");
            return 2;
        }
        controller.records.versions[0] = text;
    }

    mivo::SimPty pty(controller);
    pty.setPaced(parser.isSet(pace));
    if (!pty.open()) {
        std::fprintf(stderr, "mivo-sim: %s\n", qPrintable(pty.errorString()));
        return 1;
    }

    const int stop = mivo::StopSignalDescriptor();
    if (stop < 0) return 1;
    QSocketNotifier quitNotifier(stop, QSocketNotifier::Read);
    QObject::connect(&quitNotifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);

    mivo::SimConsole console(controller.io, STDIN_FILENO);

    std::printf("%s\n", qPrintable(pty.devicePath()));
    std::fflush(stdout);
    return app.exec();
}
