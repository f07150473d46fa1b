#pragma once
// Routes the link's messages ("Port cannot be open", "Communication error ...") to whoever shows
// them, as bytes in the local code page. Connected directly: the message is shown before the
// link goes on (the port is reopened only after the communication error was acknowledged).
#include <QObject>
#include <string>

#include "link/controller_link.h"

namespace mivo {

// `show(text, caption, detail)` with std::string arguments; `detail` is "" when there is none.
template <typename Show>
void RouteLinkMessages(ControllerLink& link, Show show) {
    QObject::connect(
        &link, &ControllerLink::message, &link,
        [show](const QString& text, const QString& caption, const QString& detail) {
            const auto bytes = [](const QString& s) { return s.toLocal8Bit().toStdString(); };
            show(bytes(text), bytes(caption), bytes(detail));
        },
        Qt::DirectConnection);
}

}  // namespace mivo
