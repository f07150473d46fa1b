#include "app/remembered.h"

#include <QDockWidget>
#include <QFile>
#include <QStandardPaths>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "app/create_screens.h"
#include "app/settings_file.h"
#include "common/readable_text.h"
#include "files/file_io.h"
#include "link/controller_link.h"
#include "shell/communication_log.h"
#include "shell/editor_frame.h"
#include "shell/port_dialog.h"
#include "shell/settings_dialog.h"
#include "shell/start_screen.h"
#include "shell/window_style.h"
#include "steps/step_editor.h"

namespace mivo {

namespace {

// The windows whose places are remembered, by object name.
std::vector<QWidget*> Windows(const CreatedScreens& s) {
    std::vector<QWidget*> windows{s.tselect, s.tmmain,  s.tparameter, s.tpalet,
                                  s.toffset, s.tdirect, s.commlog,    s.runTrace};
    windows.erase(std::remove(windows.begin(), windows.end(), nullptr), windows.end());
    return windows;
}

std::string Text(const QString& s) { return s.toStdString(); }
QString Text(const std::string& s) { return QString::fromStdString(s); }

QStringList Texts(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& t : texts) list << Text(t);
    return list;
}

// The step editor's path preview dock, remembered among the windows by its name: its place in
// the window and its size.
constexpr const char* kPathDock = "PathDock";
StepEditor* StepEditorOf(const CreatedScreens& s) { return qobject_cast<StepEditor*>(s.tmmain); }

void Say(const std::string& line) { std::fprintf(stderr, "mivo-editor: %s\n", line.c_str()); }

// A path as a message quotes it.
std::string Quoted(const std::string& path) { return EscapeControlBytes(path); }

// Where a damaged settings file is kept: FILE.damaged, or FILE.damaged-2, -3 ... when earlier
// ones are kept there already, so that none is lost.
std::string AsideName(const std::string& file) {
    std::string aside = file + ".damaged";
    std::error_code error;
    for (int n = 2; std::filesystem::symlink_status(aside, error).type() !=
                        std::filesystem::file_type::not_found &&
                    n < 1000;
         ++n)
        aside = file + ".damaged-" + std::to_string(n);
    return aside;
}

void RestoreCom(const RememberedSettings& settings, CreatedScreens& screens) {
    if (!settings.comPort || !screens.tcom || !screens.tbuff) return;
    const int port = *settings.comPort;
    const QString device = Text(settings.comDevice);
    if (port == 0) {
        // A device remembered by an older version is remembered by its stable name from now on.
        screens.tcom->setReportedDevice(screens.tbuff->ports().stableName(device));
        return;
    }
    screens.tcom->setItemIndex(port - 1);
    if (!device.isEmpty()) screens.tbuff->setDeviceForPort(port, device);
}

}  // namespace

QString SettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/mivo/mivo-editor.conf";
}

bool RestoreSettings(const QString& path, CreatedScreens& screens, bool com) {
    const std::string file = QFile::encodeName(path).toStdString();
    RememberedSettings settings;
    std::string reason;
    switch (ReadRemembered(file, settings, reason)) {
        case SettingsRead::Absent:
            return false;
        case SettingsRead::NoFile:
            Say("the settings file " + Quoted(file) + " cannot be read: " + reason);
            return false;
        case SettingsRead::Damaged: {
            // Kept for the user to look at; the end of the run writes a sound file in its place.
            const std::string aside = AsideName(file);
            std::error_code error;
            std::filesystem::rename(file, aside, error);
            Say("the settings file " + Quoted(file) + " cannot be read (" + reason + "); " +
                (error ? "it cannot be kept aside either (" + error.message() + ")"
                       : "it is kept as " + Quoted(aside)) +
                ", and the settings start anew");
            return false;
        }
        case SettingsRead::Read:
            break;
    }
    if (com) RestoreCom(settings, screens);
    for (EditorFrame* editor : Editors(screens)) {
        const auto found = settings.editors.find(editor->kindName());
        if (found == settings.editors.end()) continue;
        editor->setLastFolder(Text(found->second.folder));
        editor->setRecentFiles(Texts(found->second.recent));
    }
    for (QWidget* w : Windows(screens)) {
        const auto found = settings.windows.find(Text(w->objectName()));
        if (found == settings.windows.end()) continue;
        const WindowPlace& p = found->second;
        PlaceWindow(w, QRect(p.x, p.y, p.width, p.height));
    }
    if (const auto dock = settings.windows.find(kPathDock);
        dock != settings.windows.end() && StepEditorOf(screens))
        StepEditorOf(screens)->setPathDockWidth(dock->second.width);
    if (StepEditorOf(screens)) StepEditorOf(screens)->setCalibrations(settings.calibrations);
    if (screens.settings) {
        screens.settings->setPlant({settings.afterRun, settings.broker});
        screens.settings->setLanguage(settings.language);
    }
    return true;
}

bool SaveSettings(const QString& path, const CreatedScreens& screens, bool com) {
    const std::string file = QFile::encodeName(path).toStdString();
    // What the file holds now: the COM choice when not ours to write, and the places of the
    // windows not shown in this run.
    RememberedSettings settings;
    std::string reason;
    ReadRemembered(file, settings, reason);
    settings.editors.clear();
    if (com && screens.tcom && screens.tbuff) {
        const PortChoice choice = screens.tcom->portChoice();
        settings.comPort = choice.number;
        settings.comDevice =
            Text(choice.number == 0 ? choice.device : screens.tbuff->deviceForPort(choice.number));
    }
    for (const EditorFrame* editor : Editors(screens)) {
        RememberedSettings::Editor& e = settings.editors[editor->kindName()];
        e.folder = Text(editor->lastFolder());
        for (const QString& f : editor->recentFiles()) e.recent.push_back(Text(f));
    }
    for (const QWidget* w : Windows(screens)) {
        if (!w->windowHandle()) continue;
        const QRect r = PlaceOf(w);
        settings.windows[Text(w->objectName())] = {r.x(), r.y(), r.width(), r.height()};
    }
    // The dock as it was in this run, when it was shown.
    const StepEditor* steps = StepEditorOf(screens);
    if (steps) settings.calibrations = steps->calibrations();
    if (screens.settings) {
        settings.afterRun = screens.settings->plant().afterRun;
        settings.broker = screens.settings->plant().broker;
        settings.language = screens.settings->language();
    }
    if (const auto* dock = steps ? steps->findChild<QDockWidget*>(kPathDock) : nullptr;
        dock && steps->pathDockWidth() > 0)
        settings.windows[kPathDock] = {dock->x(), dock->y(), steps->pathDockWidth(),
                                       std::max(dock->height(), 1)};
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), error);
    if (error)
        reason = error.message();
    else if (WriteWholeFile(file, SettingsText(settings), reason))
        return true;
    Say("the settings cannot be written to " + Quoted(file) + ": " + reason);
    return false;
}

}  // namespace mivo
