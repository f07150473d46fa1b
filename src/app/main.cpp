// mivo-editor: the MIVO series editor and operating terminal.
#include <QApplication>
#include <cstdio>
#include <memory>

#include "app/create_screens.h"
#include "app/options.h"
#include "link/tbuff.h"
#include "shell/tselect.h"
#include "sim/sim_controller.h"
#include "sim/sim_pty.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);  // takes Qt's own options (-platform ...) out of argv
    QApplication::setApplicationName("MIVO Editor-e");

    std::vector<std::string> args(argv + 1, argv + argc);
    const mivo::EditorOptionsResult parsed = mivo::ParseEditorOptions(args);
    if (!parsed.ok) {
        std::fprintf(stderr, "mivo-editor: %s\n%s", parsed.error.c_str(),
                     mivo::EditorUsage("mivo-editor").c_str());
        return 2;
    }
    if (parsed.options.help) {
        std::fputs(mivo::EditorUsage("mivo-editor").c_str(), stdout);
        return 0;
    }

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

    mivo::Screens screens;
    std::unique_ptr<mivo::ScreenSet> set = mivo::createScreens(screens);
    for (const auto& [port, device] : parsed.options.devices)
        screens.tbuff->setDeviceForPort(port, QString::fromLocal8Bit(device.c_str()));
    if (pty) screens.tbuff->setDeviceForPort(1, pty->devicePath());

    QObject::connect(screens.tselect, &mivo::Tselect::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    return app.exec();
}
