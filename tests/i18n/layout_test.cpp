// In every language every window shows its texts whole: no label, button or group title has less
// room than its text needs, and nothing reaches past the edge of its window.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QToolButton>

#include "i18n/translations.h"
#include "shell/shell_fixture.h"

namespace mivo::test {
namespace {

class Layouts : public ShellFixture {
  protected:
    void TearDown() override { InstallTranslations("en"); }
};

// The width `w`'s text needs, when it shows a text on one line; 0 for anything else.
int Needed(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->wordWrap() || label->text().isEmpty() ? 0 : label->sizeHint().width();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        const auto* tool = qobject_cast<const QToolButton*>(w);
        if (button->text().isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
            return 0;
        return button->sizeHint().width();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(w))
        return group->title().isEmpty()
                   ? 0
                   : group->fontMetrics().horizontalAdvance(QString(group->title()).remove('&')) +
                         16;
    return 0;
}

// Each window's texts cut short, or controls past its edge, as "window: class name 'text'".
std::vector<std::string> CutShort() {
    std::vector<std::string> cut;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowType() != Qt::Window && window->windowType() != Qt::Dialog) continue;
        window->show();
        QApplication::processEvents();
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window)) continue;
            // A tool bar's "more" button: some of its buttons are out of sight.
            if (w->objectName() == "qt_toolbar_ext_button") {
                cut.push_back(window->objectName().toStdString() + ": a tool bar too narrow");
                continue;
            }
            const int needed = Needed(w);
            // Within what scrolls, or else within the window.
            QWidget* room = window;
            for (QWidget* up = w->parentWidget(); up && up != window; up = up->parentWidget())
                if (auto* area = qobject_cast<QScrollArea*>(up);
                    area && area->widget() && area->widget()->isAncestorOf(w)) {
                    room = area->widget();
                    break;
                }
            const int right = room == w ? 0 : w->mapTo(room, QPoint(w->width(), 0)).x();
            if (needed > w->width() || right > room->width() + 1) {
                QString text = w->property("text").toString();
                if (auto* g = qobject_cast<QGroupBox*>(w)) text = g->title();
                cut.push_back(window->objectName().toStdString() + ": " +
                              w->metaObject()->className() + " " + w->objectName().toStdString() +
                              " '" + text.toStdString() + "' needs " + std::to_string(needed) +
                              ", has " + std::to_string(w->width()));
            }
        }
        window->hide();
    }
    return cut;
}

TEST_F(Layouts, EveryWindowShowsItsTextsWholeInEveryLanguage) {
    for (const char* language : {"en", "de", "ja"}) {
        SCOPED_TRACE(language);
        InstallTranslations(language);
        set.reset();
        set = createScreens(screens, &prompter);
        EXPECT_EQ(CutShort(), std::vector<std::string>{});
    }
}

}  // namespace
}  // namespace mivo::test
