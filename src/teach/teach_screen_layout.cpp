// The teaching screen's controls: the heading, the jog group, the position fields, ORG, the STOP
// and MSTOP panels, the "Circle,Pallet position" group, OK and Cancel; the default layout and
// the opener's preset of it.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "codepage/cp1252.h"
#include "direct/direct_commands.h"
#include "direct/direct_panel.h"
#include "direct/direct_session.h"
#include "direct/jog.h"
#include "direct/jog_button.h"
#include "direct/stop_key.h"
#include "shell/window_style.h"
#include "teach/opener_moves.h"
#include "teach/teach_commands.h"
#include "teach/teach_screen.h"
#include "teach/teach_transfer.h"

namespace mivo {

namespace {

// The field of each jog button's axis (X1, X2 ... R2): the button shows with it.
constexpr TeachField kJogFields[] = {TeachX, TeachX, TeachY, TeachY,
                                     TeachZ, TeachZ, TeachR, TeachR};

struct Position {
    const char* name;
    const char* caption;
};
// Captions shown through TeachScreen::tr.
// clang-format off
constexpr Position kPositions[kTeachFieldCount] = {
    {"Xposi", QT_TRANSLATE_NOOP("mivo::TeachScreen", "X Position")},
    {"Yposi", QT_TRANSLATE_NOOP("mivo::TeachScreen", "Y Position")},
    {"Zposi", QT_TRANSLATE_NOOP("mivo::TeachScreen", "Z Position")},
    {"Rposi", QT_TRANSLATE_NOOP("mivo::TeachScreen", "R Position")},
    {"X2posi", QT_TRANSLATE_NOOP("mivo::TeachScreen", "X2 Position")},
    {"Y2posi", QT_TRANSLATE_NOOP("mivo::TeachScreen", "Y2 Position")},
    {"X3posi", QT_TRANSLATE_NOOP("mivo::TeachScreen", "X3 Position")},
    {"Y3posi", QT_TRANSLATE_NOOP("mivo::TeachScreen", "Y3 Position")}};
// clang-format on

}  // namespace

void TeachScreen::build() {
    heading_ = new QLabel;
    heading_->setObjectName("Label1");
    QFont big = heading_->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    heading_->setFont(big);
    heading_->setAlignment(Qt::AlignCenter);

    log_ = new QPlainTextEdit(this);
    log_->setObjectName("Memo1");
    log_->setReadOnly(true);
    log_->setMaximumBlockCount(2000);
    log_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(buildTeach());
    layout->addWidget(buildPositions());
    layout->addWidget(buildButtons());
}

QWidget* TeachScreen::buildTeach() {
    // The teaching screen's jogging is the direct screen's in the teaching style; mode 1 moves
    // once per click with the same press.
    const auto press = [this](JogAxis axis) {
        run([this, axis] { return JogPress(*session_, axis, TeachJogStyle()); });
    };
    jogs_ = new JogControls("GroupBox1", press, press,
                            [this] { run([this] { return JogRelease(*session_); }); });
    return jogs_;
}

QWidget* TeachScreen::buildPositions() {
    auto* group = new QGroupBox(tr("Position"));
    group->setObjectName("GroupBox2");
    auto* grid = new QGridLayout(group);
    for (int f = 0; f < kTeachFieldCount; ++f) {
        auto* label = new QLabel(tr(kPositions[f].caption));
        auto* edit = new QLineEdit;
        edit->setObjectName(kPositions[f].name);
        edit->setReadOnly(true);
        labels_[static_cast<std::size_t>(f)] = label;
        fields_[static_cast<std::size_t>(f)] = edit;
        if (f == 0) focus_.setResting(edit);
        // X, Y, Z, R in the first two rows; the second and third points below.
        const int row = f < 4 ? 0 : 2 + (f - 4) / 2 * 2;
        const int column = f < 4 ? f : (f - 4) % 2;
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row + 1, column);
    }
    return group;
}

QWidget* TeachScreen::buildButtons() {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* panels = new QHBoxLayout;
    org_ = NamedButton("ORG", "ORG", this);
    org_->setToolTip(tr("Return to origin"));
    connect(org_, &QPushButton::clicked, this,
            [this] { run([this] { return TeachReturnToOrigin(*session_); }); });
    stop_ = new DirectPanel("STOP", "STOP", tr("Stop command"), DirectPanel::kStop, true);
    mstop_ = new DirectPanel("MSTOP", "MSTOP", tr("Motor free"), DirectPanel::kMotorStop, true);
    lineUsable_ = new DirectPanel("CancelButton", tr("Cancel"), tr("Communication cancel"),
                                  DirectPanel::kCancel, true);
    lineUsable_->hide();
    connect(stop_, &QPushButton::clicked, this,
            [this] { run([this] { return StopPanel(*session_); }); });
    BindStopKey(this, stop_);
    connect(mstop_, &QPushButton::clicked, this, [this] {
        run([this] {
            transfer_->motorStop = true;
            const Outcome o = MotorStopPanel(*session_);
            transfer_->motorStop = false;
            return o;
        });
    });
    panels->addWidget(org_);
    for (DirectPanel* p : {stop_, mstop_}) {
        p->setMinimumHeight(36);
        QFont f = p->font();
        f.setBold(true);
        p->setFont(f);
        panels->addWidget(p);
    }
    panels->addWidget(lineUsable_);
    layout->addLayout(panels);
    layout->addWidget(stopMark_ = new StopStateMark(box));

    pointGroup_ = new QGroupBox(tr("Circle,Pallet position"));
    pointGroup_->setObjectName("GroupBox3");
    auto* points = new QHBoxLayout(pointGroup_);
    goMove_ = NamedButton(tr("GO move"), "Button3", this);
    connect(goMove_, &QPushButton::clicked, this, [this] {
        run([this] { return TeachGoMove(*session_, GoMoveCommand(opener_, number_, point())); });
    });
    points->addWidget(goMove_);
    for (int p = 0; p < 3; ++p) {
        auto* r = new QRadioButton(tr("Pos %1").arg(p + 1));
        r->setObjectName(QString("Pos%1").arg(p + 1));
        r->setChecked(p == 0);
        points_[static_cast<std::size_t>(p)] = r;
        points->addWidget(r);
    }
    layout->addWidget(pointGroup_);

    auto* buttons = new QHBoxLayout;
    ok_ = NamedButton(tr("OK"), "Button1", this);
    cancel_ = NamedButton(tr("Cancel"), "Button2", this);
    connect(ok_, &QPushButton::clicked, this, &TeachScreen::okClicked);
    connect(cancel_, &QPushButton::clicked, this, &TeachScreen::cancelClicked);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    return box;
}

void TeachScreen::restoreLayout() {
    for (JogButton* b : jogs_->buttons()) b->show();
    for (int f = 0; f < kTeachFieldCount; ++f) {
        const bool firstPoint = f < 4;
        labels_[static_cast<std::size_t>(f)]->setVisible(firstPoint);
        fields_[static_cast<std::size_t>(f)]->setVisible(firstPoint);
    }
    pointGroup_->hide();
    points_[0]->setChecked(true);
    // Each opening starts with one fixed move per press, never with the fast mode left on.
    jogs_->chooseMode(1);
}

void TeachScreen::preset(const TeachPositions& positions) {
    restoreLayout();
    for (int f = 0; f < kTeachFieldCount; ++f) {
        const bool shown = positions.shown & TeachBit(static_cast<TeachField>(f));
        const auto i = static_cast<std::size_t>(f);
        fields_[i]->setText(Cp1252::decode(positions.texts[i]));
        fields_[i]->setVisible(shown);
        labels_[i]->setVisible(shown);
    }
    // ZI teaching: only the axes shown are jogged.
    for (std::size_t i = 0; i < jogs_->buttons().size(); ++i)
        jogs_->buttons()[i]->setVisible(positions.shown & TeachBit(kJogFields[i]));
    const bool otherPoints = positions.shown & kTeachOtherPoints;
    pointGroup_->setVisible(otherPoints && !GoMoveCommand(opener_, number_, 1).empty());
    // The window fits the fields shown now: a window grows with its layout but never shrinks
    // by itself, which would leave the room of an earlier circle's points blank. The groups
    // forget the sizes they had (hidden, the window hears of no change), so that its layout
    // sees the fields as they are.
    for (QWidget* w : findChildren<QWidget*>()) w->updateGeometry();
    layout()->activate();
    resize(sizeHint());
}

}  // namespace mivo
