#include "shell/line_switch.h"

#include "link/tbuff.h"

namespace mivo {

LineSwitch::LineSwitch(TBuff& link, QWidget* parent) : QPushButton(parent), link_(link) {
    setObjectName("linemonitor");
    setToolTip("Line switch");
    setFocusPolicy(Qt::NoFocus);
    show(link_.isOnline());
    connect(&link_, &TBuff::onlineChanged, this, &LineSwitch::show);
    connect(this, &QPushButton::clicked, this, &LineSwitch::toggle);
}

bool LineSwitch::isOnlineShown() const { return text() == "Online"; }

void LineSwitch::show(bool online) {
    setText(online ? "Online" : "Offline");
    QPalette p = palette();
    p.setColor(QPalette::ButtonText, online ? QColor(0xFF, 0, 0) : palette().color(QPalette::WindowText));
    setPalette(p);
    QFont f = font();
    f.setBold(online);
    setFont(f);
}

void LineSwitch::toggle() {
    if (link_.isOnline())
        link_.requestOffline();
    else
        link_.goOnline();
    // The link's signal already set the caption; make sure it tells the truth either way.
    show(link_.isOnline());
}

}  // namespace mivo
