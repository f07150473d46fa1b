// mivo-editor: the editor and operating terminal. Creates the screens, shows the start screen
// and runs until the start screen is closed.
#include <QApplication>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/options.h"
#include "app/screen_set.h"
#include "link/tbuff.h"
#include "shell/tselect.h"
#include "sim/sim_controller.h"
#include "sim/sim_pty.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    mivo::EditorOptions options;
    std::string error;
    if (!mivo::ParseEditorOptions(args, options, error)) {
        std::fprintf(stderr, "mivo-editor: %s\n%s", error.c_str(), mivo::EditorUsage().c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(mivo::EditorUsage().c_str(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("MIVO Editor-e");
    QApplication::setApplicationDisplayName("MIVO Editor-e");
    // Screens only hide; the program ends when the start screen is closed.
    QApplication::setQuitOnLastWindowClosed(false);

    // The simulated controller lives longer than the link that opens its device.
    std::unique_ptr<mivo::SimController> controller;
    std::unique_ptr<mivo::SimPty> pty;
    if (options.simulator) {
        controller = std::make_unique<mivo::SimController>();
        pty = std::make_unique<mivo::SimPty>(*controller);
        if (!pty->open()) {
            std::fprintf(stderr, "mivo-editor: the simulated controller cannot start: %s\n",
                         qPrintable(pty->errorString()));
            return 1;
        }
        options.devices[1] = pty->devicePath().toStdString();
    }

    mivo::Screens screens;
    const std::unique_ptr<mivo::ScreenSet> set = mivo::createScreens(screens);
    for (const auto& [port, device] : options.devices)
        screens.tbuff->setDeviceForPort(port, QString::fromStdString(device));
    QObject::connect(screens.tselect, &mivo::Tselect::programEnded, &app, &QApplication::quit);
    screens.tselect->show();
    return app.exec();
}
