#include "direct/direct_line_switch.h"

#include "link/tbuff.h"

namespace mivo {

DirectLineSwitch::DirectLineSwitch(TBuff& link, QWidget* parent)
    : QPushButton(parent), link_(link) {
    setObjectName("linemonitor");
    setToolTip("Line switch");
    setFocusPolicy(Qt::NoFocus);
    showState(link_.isDirectOnline());
    connect(&link_, &TBuff::directOnlineChanged, this, &DirectLineSwitch::showState);
    connect(this, &QPushButton::clicked, this, &DirectLineSwitch::toggle);
}

void DirectLineSwitch::showState(bool online) {
    setText(online ? "Online" : "Offline");
    QPalette p = palette();
    p.setColor(QPalette::ButtonText,
               online ? QColor(0xFF, 0, 0) : palette().color(QPalette::WindowText));
    setPalette(p);
}

void DirectLineSwitch::toggle() {
    if (link_.isDirectOnline())
        link_.goDirectOffline();
    else
        link_.goDirectOnline();
    showState(link_.isDirectOnline());
}

}  // namespace mivo
