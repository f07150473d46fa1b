#include "shell/line_switch.h"

#include "link/controller_link.h"

namespace mivo {

LineSwitch::LineSwitch(ControllerLink& link, Side side, QWidget* parent)
    : QPushButton(parent), link_(link), side_(side) {
    setObjectName("linemonitor");
    setToolTip(tr("Line switch"));
    setFocusPolicy(Qt::NoFocus);
    showState(linkOnline());
    connect(&link_,
            side_ == Main ? &ControllerLink::onlineChanged : &ControllerLink::directOnlineChanged,
            this, &LineSwitch::showState);
    connect(this, &QPushButton::clicked, this, &LineSwitch::toggle);
}

bool LineSwitch::isOnlineShown() const { return onlineShown_; }

bool LineSwitch::linkOnline() const {
    return side_ == Main ? link_.isOnline() : link_.isDirectOnline();
}

void LineSwitch::showState(bool online) {
    onlineShown_ = online;
    setText(online ? tr("Online") : tr("Offline"));
    QPalette p = palette();
    p.setColor(QPalette::ButtonText,
               online ? QColor(0xFF, 0, 0) : palette().color(QPalette::WindowText));
    setPalette(p);
    QFont f = font();
    f.setBold(online);
    setFont(f);
}

void LineSwitch::toggle() {
    if (side_ == Main) {
        if (link_.isOnline())
            link_.requestOffline();
        else
            link_.goOnline();
    } else {
        if (link_.isDirectOnline())
            link_.goDirectOffline();
        else
            link_.goDirectOnline();
    }
    // The link's signal already set the caption; make sure it tells the truth either way.
    showState(linkOnline());
}

}  // namespace mivo
