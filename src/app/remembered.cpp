#include "app/remembered.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdio>

#include "link/tbuff.h"
#include "shell/communication_log.h"
#include "shell/editor_frame.h"
#include "shell/screens.h"
#include "shell/tcom.h"
#include "shell/tselect.h"
#include "shell/window_style.h"

namespace mivo {

namespace {

constexpr int kPorts = 8;

// The windows whose places are remembered, by object name.
std::vector<QWidget*> Windows(const Screens& s) {
    std::vector<QWidget*> windows{s.tselect, s.tmmain,  s.tparameter, s.tpalet,
                                  s.toffset, s.tdirect, s.commlog};
    windows.erase(std::remove(windows.begin(), windows.end(), nullptr), windows.end());
    return windows;
}

QString WindowKey(const QWidget* w) { return "windows/" + w->objectName(); }

// Every value is of its kind and in its range; the file was read.
bool Sound(QSettings& settings, const Screens& screens) {
    if (settings.status() != QSettings::NoError) return false;
    bool ok = true;
    if (settings.contains("com/port")) {
        const int port = settings.value("com/port").toInt(&ok);
        if (!ok || port < 0 || port > kPorts) return false;
        if (port == 0 && settings.value("com/device").toString().isEmpty()) return false;
    }
    for (const QWidget* w : Windows(screens)) {
        const QVariant v = settings.value(WindowKey(w));
        if (v.isValid() && (v.typeId() != QMetaType::QRect || !v.toRect().isValid())) return false;
    }
    return true;
}

QList<QRect> ScreenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) areas << screen->availableGeometry();
    return areas;
}

void RestoreCom(QSettings& settings, Screens& screens) {
    if (!settings.contains("com/port") || !screens.tcom || !screens.tbuff) return;
    const int port = settings.value("com/port").toInt();
    const QString device = settings.value("com/device").toString();
    if (port == 0) {
        screens.tcom->setReportedDevice(device);
        return;
    }
    screens.tcom->setItemIndex(port - 1);
    if (!device.isEmpty()) screens.tbuff->setDeviceForPort(port, device);
}

void RestoreWindow(QWidget* w, QRect r) {
    const bool fixed = w->minimumSize() == w->maximumSize();
    r.setSize(fixed ? w->size() : r.size().expandedTo(w->minimumSize()));
    w->setGeometry(KeptOnScreen(r, ScreenAreas()));
    MarkPlaced(w);
}

}  // namespace

QRect KeptOnScreen(QRect window, const QList<QRect>& areas) {
    if (areas.isEmpty()) return window;
    QRect area = areas.front();
    qint64 most = 0;
    for (const QRect& a : areas) {
        const QRect common = a.intersected(window);
        const qint64 size = qint64(common.width()) * common.height();
        if (size > most) {
            most = size;
            area = a;
        }
    }
    window.setSize(window.size().boundedTo(area.size()));
    window.moveLeft(std::clamp(window.left(), area.left(), area.right() + 1 - window.width()));
    window.moveTop(std::clamp(window.top(), area.top(), area.bottom() + 1 - window.height()));
    return window;
}

bool RestoreSettings(QSettings& settings, Screens& screens, bool com) {
    if (!Sound(settings, screens)) {
        std::fprintf(stderr, "mivo-editor: the settings file %s is damaged; it is ignored\n",
                     QFile::encodeName(settings.fileName()).constData());
        return false;
    }
    if (com) RestoreCom(settings, screens);
    for (EditorFrame* editor : Editors(screens)) {
        settings.beginGroup(editor->kindName());
        editor->setLastFolder(settings.value("folder").toString());
        editor->setRecentFiles(settings.value("recent").toStringList());
        settings.endGroup();
    }
    for (QWidget* w : Windows(screens))
        if (settings.contains(WindowKey(w)))
            RestoreWindow(w, settings.value(WindowKey(w)).toRect());
    return true;
}

void SaveSettings(QSettings& settings, const Screens& screens, bool com) {
    if (settings.status() != QSettings::NoError || !Sound(settings, screens)) settings.clear();
    if (com && screens.tcom && screens.tbuff) {
        const TBuff::PortChoice choice = screens.tcom->portChoice();
        settings.setValue("com/port", choice.number);
        settings.setValue("com/device", choice.number == 0
                                            ? choice.device
                                            : screens.tbuff->deviceForPort(choice.number));
    }
    for (const EditorFrame* editor : Editors(screens)) {
        settings.beginGroup(editor->kindName());
        settings.remove("");
        if (!editor->lastFolder().isEmpty()) settings.setValue("folder", editor->lastFolder());
        if (!editor->recentFiles().isEmpty()) settings.setValue("recent", editor->recentFiles());
        settings.endGroup();
    }
    // A window not shown in this run keeps the place it had.
    for (const QWidget* w : Windows(screens))
        if (w->windowHandle()) settings.setValue(WindowKey(w), w->geometry());
    settings.sync();
}

}  // namespace mivo
