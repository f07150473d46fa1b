#include "direct/stop_key.h"

#include <QCoreApplication>
#include <QShortcut>

#include "direct/direct_panel.h"

namespace mivo {

QShortcut* BindStopKey(QWidget* window, DirectPanel* stop) {
    auto* key = new QShortcut(kStopKey, window);
    key->setObjectName("StopKey");
    // Anywhere in the window, also while a field has the focus.
    key->setContext(Qt::WindowShortcut);
    // A held key is one press: one "@STOP" for it.
    key->setAutoRepeat(false);
    key->setWhatsThis(QCoreApplication::translate("mivo", "STOP (stop command)"));
    stop->setText(stop->text() + '\n' + kStopKey.toString(QKeySequence::NativeText));
    // The caption's key is not part of the name a screen reader says.
    stop->setAccessibleName("STOP");
    // The click itself: synchronous, and nothing while the panel is disabled.
    QObject::connect(key, &QShortcut::activated, stop, [stop] { stop->click(); });
    return key;
}

}  // namespace mivo
