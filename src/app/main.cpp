// mivo-editor: the MIVO series editor and operating terminal.
#include <QApplication>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/create_screens.h"
#include "app/open_file.h"
#include "app/options.h"
#include "app/remembered.h"
#include "app/settings_file.h"
#include "app/stop_on_signal.h"
#include "common/readable_text.h"
#include "common/version.h"
#include "i18n/translations.h"
#include "link/controller_link.h"
#include "link/flight_recorder.h"
#include "link/stop_signal_watch.h"
#include "shell/communication_log.h"
#include "shell/start_screen.h"
#include "sim/sim_controller.h"
#include "sim/sim_pty.h"

namespace {

// --help and --version print their text; nothing else to do then.
bool Printed(const mivo::EditorOptions& options) {
    if (options.help) std::fputs(mivo::EditorUsage("mivo-editor").c_str(), stdout);
    if (options.version && !options.help)
        std::fputs(mivo::VersionLine("mivo-editor").c_str(), stdout);
    return options.help || options.version;
}

}  // namespace

int main(int argc, char** argv) {
    // --help and --version need no display.
    const mivo::EditorOptionsResult given =
        mivo::ParseEditorOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (given.ok && Printed(given.options)) return 0;

    QApplication app(argc, argv);  // takes Qt's own options (-platform ...) out of argv
    QApplication::setApplicationName("MIVO Editor-e");

    std::vector<std::string> args(argv + 1, argv + argc);
    const mivo::EditorOptionsResult parsed = mivo::ParseEditorOptions(args);
    if (!parsed.ok) {
        std::fprintf(stderr, "mivo-editor: %s\n%s", parsed.error.c_str(),
                     mivo::EditorUsage("mivo-editor").c_str());
        return 2;
    }
    if (Printed(parsed.options)) return 0;

    // The language: --lang, else the one chosen in the Settings, else the system's; the
    // translations are in before the first window is made.
    const QString settings = mivo::SettingsPath();
    std::string language = parsed.options.language;
    if (language.empty()) {
        mivo::RememberedSettings remembered;
        std::string unread;
        mivo::ReadRemembered(QFile::encodeName(settings).toStdString(), remembered, unread);
        language = remembered.language;
    }
    mivo::InstallTranslations(mivo::SpokenLanguage(QString::fromStdString(language)));

    // The simulated controller lives as long as the editor.
    std::unique_ptr<mivo::SimController> sim;
    std::unique_ptr<mivo::SimPty> pty;
    if (parsed.options.simulator) {
        sim = std::make_unique<mivo::SimController>();
        pty = std::make_unique<mivo::SimPty>(*sim);
        if (!pty->open()) {
            std::fprintf(stderr, "mivo-editor: the simulator cannot start: %s\n",
                         pty->errorString().toLocal8Bit().constData());
            return 1;
        }
    }

    // The flight recorder outlives the screens and the link that write to it. A failure to write
    // is said once, in the communication log and a notice, and stops nothing.
    mivo::CreatedScreens screens;
    const std::filesystem::path logFolder =
        mivo::FlightLogFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
    mivo::FlightRecorder recorder(
        logFolder, std::chrono::system_clock::now, [&screens](const std::string& text) {
            // Said on the recorder's own thread: the screens hear of it from the event loop.
            QMetaObject::invokeMethod(
                qApp,
                [&screens, message = QString::fromLocal8Bit(text.c_str())] {
                    if (screens.commlog) screens.commlog->recorderFailed(message);
                },
                Qt::QueuedConnection);
        });
    std::unique_ptr<mivo::ScreenSet> set = mivo::createScreens(screens);
    screens.tbuff->setRecorder(&recorder);
    screens.commlog->setLogFolder(QString::fromLocal8Bit(logFolder.c_str()));
    for (const auto& [port, device] : parsed.options.devices)
        screens.tbuff->setDeviceForPort(port, QString::fromLocal8Bit(device.c_str()));
    if (pty) screens.tbuff->setDeviceForPort(1, pty->devicePath());

    // Remembered between runs; devices given on the command line win and are not remembered.
    const bool rememberCom = parsed.options.devices.empty() && !pty;
    mivo::RestoreSettings(settings, screens, rememberCom);
    QObject::connect(screens.tselect, &mivo::StartScreen::programEnded, &app,
                     [&] { mivo::SaveSettings(settings, screens, rememberCom); });
    // Ended by a signal, the editor stops a motion it started, keeps its settings and goes,
    // whatever its windows show, a notice or a question among them (a quit that asked the
    // windows could be kept by one).
    bool endedBySignal = false;
    const auto stopWatch = mivo::StopOnSignal(screens, [&] {
        endedBySignal = true;
        mivo::SaveSettings(settings, screens, rememberCom);
        QCoreApplication::exit(0);
    });

    const QString file = QString::fromLocal8Bit(parsed.options.file.c_str());
    if (!file.isEmpty() && !mivo::OpenInEditor(screens, file)) {
        std::fprintf(stderr,
                     "mivo-editor: %s: not a step, parameter, pallet or offset file "
                     "(.stp, .prm, .plt, .off)\n",
                     mivo::EscapeControlBytes(parsed.options.file).c_str());
        return 2;
    }

    QObject::connect(screens.tselect, &mivo::StartScreen::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    if (endedBySignal) return 0;  // while the file's notice showed
    return app.exec();
}
