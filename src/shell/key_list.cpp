#include "shell/key_list.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QShortcut>
#include <QVariant>
#include <QWidget>

namespace mivo {

namespace {

const char* const kToldKeys = "mivoToldKeys";

QString Tr(const char* text) { return QCoreApplication::translate("mivo", text); }

QString Written(const QList<QKeySequence>& keys) {
    QStringList out;
    for (const QKeySequence& k : keys) out << k.toString(QKeySequence::NativeText);
    return out.join(", ");
}

QString Written(std::initializer_list<QKeyCombination> keys) {
    QStringList out;
    for (QKeyCombination k : keys) out << QKeySequence(k).toString(QKeySequence::NativeText);
    return out.join(", ");
}

QString WindowName(const QWidget* w) {
    QString title = w->windowTitle();
    title.remove("[*]");
    title = title.trimmed();
    return title.isEmpty() ? w->objectName() : title;
}

void AddMenu(const QString& window, const QString& path, const QMenu* menu,
             std::vector<KeyEntry>& out, QSet<const QAction*>& seen) {
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        seen.insert(a);
        const QString here = path + " > " + WithoutMnemonic(a->text());
        if (QMenu* sub = a->menu()) {
            AddMenu(window, here, sub, out, seen);
            continue;
        }
        if (!a->shortcuts().isEmpty()) out.push_back({window, here, Written(a->shortcuts())});
    }
}

// Where an action outside the menus is found: a grid's pop-up menu, else the window.
QString ActionPlace(const QAction* a) {
    for (const QObject* o : a->associatedObjects())
        if (qobject_cast<const QAbstractItemView*>(o)) return Tr("Grid pop-up menu") + " > ";
    return {};
}

}  // namespace

QString WithoutMnemonic(const QString& text) {
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') out += '&', ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

void TellKey(QWidget* widget, const QString& keys, const QString& what) {
    QStringList told = widget->property(kToldKeys).toStringList();
    told << keys << what;
    widget->setProperty(kToldKeys, told);
}

void TellGridKeys(QWidget* grid) {
    TellKey(grid,
            Written({Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home,
                     Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown}),
            Tr("Grid: move the current cell"));
    TellKey(grid, Written({Qt::Key_F2}), Tr("Grid: edit the current cell (typing does too)"));
    TellKey(grid, Written({Qt::Key_Return, Qt::Key_Escape}),
            Tr("Grid, while a cell is edited: keep the edit, give it up"));
    TellKey(grid, Written({Qt::Key_Delete}), Tr("Grid: empty the selected cells"));
}

std::vector<KeyEntry> KeysOf(const QList<QWidget*>& windows) {
    std::vector<KeyEntry> out;
    for (QWidget* w : windows) {
        const QString window = WindowName(w);
        QSet<const QAction*> seen;
        if (auto* main = qobject_cast<QMainWindow*>(w); main && main->menuWidget())
            for (QAction* a : main->menuBar()->actions())
                if (QMenu* menu = a->menu()) {
                    seen.insert(a);
                    AddMenu(window, WithoutMnemonic(a->text()), menu, out, seen);
                }
        for (QAction* a : w->findChildren<QAction*>()) {
            if (seen.contains(a) || a->shortcuts().isEmpty() || a->text().isEmpty()) continue;
            out.push_back(
                {window, ActionPlace(a) + WithoutMnemonic(a->text()), Written(a->shortcuts())});
        }
        for (QShortcut* s : w->findChildren<QShortcut*>())
            out.push_back({window, s->whatsThis().isEmpty() ? s->objectName() : s->whatsThis(),
                           s->key().toString(QKeySequence::NativeText)});
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (c->window() != w) continue;
            const QStringList told = c->property(kToldKeys).toStringList();
            for (int i = 0; i + 1 < told.size(); i += 2)
                out.push_back({window, told[i + 1], told[i]});
        }
    }
    return out;
}

QString KeysAsText(const std::vector<KeyEntry>& keys) {
    QString text = Tr("Window") + '\t' + Tr("Command") + '\t' + Tr("Keys") + '\n';
    for (const KeyEntry& k : keys) text += k.window + '\t' + k.command + '\t' + k.keys + '\n';
    return text;
}

}  // namespace mivo
