#include "shell/transfer_dialogs.h"

#include <QHeaderView>
#include <QMessageBox>

#include "common/said_text.h"
#include "i18n/translations.h"
#include "parameters/init_dialog.h"
#include "shell/cancel_dialog.h"
#include "shell/error_dialog.h"
#include "shell/message_prompter.h"
#include "shell/progress_dialog.h"
#include "shell_fixture.h"
#include "support/modal_channel.h"

namespace mivo::test {
namespace {

using ShellDialogs = ShellFixture;

// `act` on the message box about to show, once it does.
void OnNextBox(const std::function<void(QMessageBox*)>& act) {
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        act(box);
    });
}

// Cancel, or "Stop transfer", raises CancelRequested and enables the editor running it again; only
// during a motion is "@MSTOP" sent. Only a data exchange gives up on a silent controller.
TEST_F(ShellDialogs, CancelAndStopTransferRaiseCancelAndReenableTheEditor) {
    struct Case {
        const char* name;
        bool dataExchange;
        bool stopTransfer;              // pressed on the progress dialog, else on the cancel dialog
        std::vector<std::string> sent;  // by the press, then by a request after it
    };
    // clang-format off
    const Case cases[] = {
        {"Cancel during a data exchange", true, false, {"@?NO"}},
        {"Cancel during a motion", false, false, {"@MSTOP", "@?NO"}},
        {"Stop transfer", true, true, {"@?NO"}},
    };
    // clang-format on
    useSimulatorAs(1);
    pressStart();
    TransferView& view = *screens.transfer;
    // The step editor runs the operation: the dialogs give it back its controls.
    screens.transfer->setOwner(screens.tmmain);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        view.setCancelRequested(false);
        view.setDataExchange(c.dataExchange);
        EXPECT_EQ(link().replyTimeout(), c.dataExchange ? ControllerLink::kReplyTimeoutMs : 0);
        screens.tmmain->setEnabled(false);
        view.showCancel();
        if (c.stopTransfer) view.showProgress(250);
        QDialog* dialog = c.stopTransfer ? static_cast<QDialog*>(screens.tcall) : screens.tcancel;
        const std::size_t before = sim.received().size();
        click(dialog->findChild<QPushButton*>("Button1"));
        EXPECT_TRUE(view.cancelRequested());
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_TRUE(screens.tmmain->isEnabled());
        // Cancel ends the data exchange; after "Stop transfer" the cancel dialog is the caller's.
        EXPECT_EQ(screens.tcancel->dataExchange(), c.stopTransfer);
        EXPECT_EQ(screens.tcancel->isVisible(), c.stopTransfer);
        link().mainChannel().drain();
        EXPECT_EQ(ModalChannel(link().mainChannel()).request("@?NO"), "0");
        EXPECT_EQ(std::vector(sim.received().begin() + before, sim.received().end()), c.sent);
        view.hideCancel();
    }
    // A cancel request ends with the channel it was made on.
    link().goOffline();
    EXPECT_FALSE(view.cancelRequested());
}

// The controller's error line, shown readably over the screen whose operation reports it, holds
// that screen until OK, which gives it back (unless teaching: the teaching screen does). It
// comes in front of the transfer dialogs; the notice after it ("Error No. 1") belongs to it, so
// that the window manager keeps both above them, and stands beside it.
TEST_F(ShellDialogs, ControllerErrorInFrontOfTheTransferDialogsAndItsOk) {
    MessagePrompter messages(*screens.transfer, screens.terr);
    screens.tselect->hide();
    for (QWidget* owner : {static_cast<QWidget*>(screens.tmmain), screens.tparameter,
                           screens.tpalet, screens.toffset, screens.tdirect}) {
        for (const bool teaching : {false, true}) {
            SCOPED_TRACE(owner->objectName().toStdString() + (teaching ? ", teaching" : ""));
            owner->show();
            screens.tteach->setVisible(teaching);
            owner->setEnabled(false);
            screens.transfer->setOwner(owner);
            // Bytes in Windows-1252; a control byte is shown readably.
            messages.showControllerError("31 \x80 over\x1B");
            ASSERT_TRUE(screens.terr->isVisible());
            EXPECT_EQ(screens.terr->errorText(), QString("31 ") + QChar(0x20AC) + " over\\x1B");
            click(screens.terr->findChild<QPushButton*>("OK"));
            EXPECT_FALSE(screens.terr->isVisible());
            EXPECT_TRUE(screens.terr->errorText().isEmpty());
            EXPECT_EQ(owner->isEnabled(), !teaching);
            owner->setEnabled(true);
            owner->hide();
        }
    }
    screens.tteach->hide();
    screens.tmmain->show();
    screens.transfer->setOwner(screens.tmmain);
    // An empty line shows nothing.
    messages.showControllerError("");
    EXPECT_FALSE(screens.terr->isVisible());

    screens.transfer->showCancel();
    screens.transfer->showProgress(10);
    screens.tcall->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screens.tcall));
    // As a transfer reports a refused step: the error line, at once the notice.
    messages.showControllerError("44");
    QWidget* noticeParent = nullptr;
    OnNextBox([&](QMessageBox* box) {
        noticeParent = box->parentWidget();
        // Not over the error line.
        EXPECT_FALSE(box->frameGeometry().intersects(screens.terr->frameGeometry()));
        box->accept();
    });
    messages.notify("Error No. 1", "Sending error");
    EXPECT_EQ(noticeParent, screens.terr);
    EXPECT_EQ(screens.terr->errorText(), "44");
    EXPECT_TRUE(screens.terr->isVisible());
}

// A window's own prompter puts its boxes over that window as soon as it shows, before the window
// manager has made it active; a running operation's dialogs still come first.
TEST_F(ShellDialogs, BoxesBelongToTheWindowThatAsks) {
    struct Case {
        const char* name;
        QWidget* asker;
        bool operation;  // the progress dialog shows
        QWidget* parent;
    };
    const Case cases[] = {
        {"the teaching screen just shown", screens.tteach, false, screens.tteach},
        {"the print dialog", screens.tprint, false, screens.tprint},
        {"the teaching screen during a transfer", screens.tteach, true, screens.tcall},
    };
    MessagePrompter shared(*screens.transfer, screens.terr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MessagePrompter messages(shared, c.asker);
        c.asker->show();
        if (c.operation) screens.transfer->showProgress(10);
        QWidget* parent = nullptr;
        OnNextBox([&](QMessageBox* box) {
            parent = box->parentWidget();
            box->accept();
        });
        messages.notify("Error No. 1", "Sending error");
        EXPECT_EQ(parent, c.parent);
        screens.transfer->hideProgress();
        c.asker->hide();
    }
}

// Captions read whole at a 12-point font too: a message box's over a short text ("Error No. 3")
// and the initialisation dialog's beside the window manager's buttons, the column titles.
TEST_F(ShellDialogs, CaptionsReadWholeAtTwelvePoints) {
    const QFont font = QApplication::font();
    QApplication::setFont(QFont(font.family(), 12));
    const QFontMetrics bold(QFont(font.family(), 12, QFont::Bold));
    CreatedScreens s;
    const auto set = createScreens(s, &prompter);
    OnNextBox([&](QMessageBox* box) {
        EXPECT_GE(box->width(), bold.horizontalAdvance("Sending error") + 100);
        box->close();
    });
    MessagePrompter(*s.transfer, s.terr).notify("Error No. 3", "Sending error");
    s.tinit->openFor(s.tselect, "", false);
    EXPECT_GE(s.tinit->width(), bold.horizontalAdvance("MIVO Editor [init]") + 100);
    QHeaderView* header = s.tparameter->findChild<QTableView*>("PRMGRID")->horizontalHeader();
    for (int c = 0; c < header->count(); ++c)
        EXPECT_GE(header->sectionSize(c), header->sectionSizeHint(c)) << c;
    QApplication::setFont(font);
}

// A box's detail, put together from pieces, reads in the language installed as its text does.
TEST_F(ShellDialogs, ABoxsDetailShowsInTheLanguageInstalled) {
    InstallTranslations("de");
    OnNextBox([](QMessageBox* box) {
        EXPECT_EQ(box->text(), "Datei kann nicht geöffnet werden");
        EXPECT_EQ(box->detailedText(), "a.prm: Zeile 3: X");
        box->close();
    });
    MessagePrompter(*screens.transfer, screens.terr)
        .notifyDetail("File cannot be open", "Open",
                      Filled("%1: %2", {"a.prm", Filled("line %1: %2", {"3", "X"})}));
    InstallTranslations("en");
}

// The closing question's box: Escape (or closing it) is Cancel, never a No that gives up work.
TEST_F(ShellDialogs, ThreeWayQuestionBoxAnswers) {
    using A = Prompter::Answer;
    struct Case {
        const char* what;
        std::function<void(QMessageBox*)> act;
        A answer;
    };
    const Case cases[] = {
        {"Escape", [](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Escape); }, A::Cancel},
        {"closed", [](QMessageBox* b) { b->close(); }, A::Cancel},
        {"No", [](QMessageBox* b) { b->button(QMessageBox::No)->click(); }, A::No},
        {"Yes", [](QMessageBox* b) { b->button(QMessageBox::Yes)->click(); }, A::Yes},
    };
    MessagePrompter messages(*screens.transfer, screens.terr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OnNextBox([&](QMessageBox* box) {
            EXPECT_NE(box->button(QMessageBox::Cancel), nullptr);
            c.act(box);
        });
        EXPECT_EQ(messages.askYesNoCancel("Is step data saved?", "Step contents"), c.answer);
    }
}

}  // namespace
}  // namespace mivo::test
