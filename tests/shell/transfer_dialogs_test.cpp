#include "shell/transfer_dialogs.h"

#include <QComboBox>
#include <QMessageBox>
#include <QProgressBar>

#include "parameters/tinit.h"
#include "shell/message_prompter.h"
#include "shell/tcall.h"
#include "shell/tcancel.h"
#include "shell/terr.h"
#include "shell_fixture.h"

namespace mivo::test {
namespace {

class ShellDialogs : public ShellFixture {
  protected:
    // On line with the step editor shown and disabled under a dialog, as a transfer leaves it.
    void startTransfer(bool dataExchange) {
        useSimulatorAs(1);
        pressStart();
        ASSERT_TRUE(link().isOnline());
        TransferView& view = *screens.transfer;
        view.setCancelRequested(false);
        view.setCancelTexts(dataExchange ? "Transferring" : "Operating",
                            dataExchange ? "Cancel" : "Stop operation");
        view.setDataExchange(dataExchange);
        screens.tmmain->setEnabled(false);
        view.showCancel();
        ASSERT_TRUE(screens.tcancel->isVisible());
    }
    bool sent(const std::string& command) const {
        const auto& r = sim.received();
        return std::find(r.begin(), r.end(), command) != r.end();
    }
};

TEST_F(ShellDialogs, CancelDuringADataExchangeSendsNothing) {
    startTransfer(true);
    const std::size_t before = sim.received().size();
    click(screens.tcancel->findChild<QPushButton*>("Button1"));
    QTest::qWait(50);  // anything sent would have arrived by now
    EXPECT_EQ(sim.received().size(), before);
    EXPECT_TRUE(screens.transfer->cancelRequested());
    EXPECT_FALSE(screens.tcancel->dataExchange());
    EXPECT_FALSE(screens.tcancel->isVisible());
    EXPECT_TRUE(screens.tmmain->isEnabled());
    EXPECT_TRUE(link().isOnline());
}

TEST_F(ShellDialogs, CancelDuringAMotionSendsMstopAndWaitsForItsReply) {
    startTransfer(false);
    EXPECT_EQ(screens.tcancel->labelText(), "Operating");
    EXPECT_EQ(screens.tcancel->buttonText(), "Stop operation");
    click(screens.tcancel->findChild<QPushButton*>("Button1"));
    // The click returns only after the reply: the command has been received and answered.
    EXPECT_TRUE(sent("@MSTOP"));
    EXPECT_EQ(screens.tcancel->labelText(), "MSTOP send");
    EXPECT_EQ(screens.tcancel->buttonText(), "Cancel");
    EXPECT_TRUE(screens.transfer->cancelRequested());
    EXPECT_FALSE(screens.tcancel->isVisible());
    EXPECT_TRUE(screens.tmmain->isEnabled());
}

TEST_F(ShellDialogs, OnlyDataExchangesGiveUpOnASilentController) {
    startTransfer(true);
    EXPECT_EQ(link().replyTimeout(), TBuff::kReplyTimeoutMs);
    screens.transfer->setDataExchange(false);
    EXPECT_EQ(link().replyTimeout(), 0);
}

TEST_F(ShellDialogs, StopTransferRaisesCancelAndReenablesTheEditor) {
    startTransfer(true);
    screens.transfer->showProgress(250);
    screens.transfer->setProgress(40);
    EXPECT_EQ(screens.tcall->findChild<QProgressBar*>("Bar")->maximum(), 250);
    EXPECT_EQ(screens.tcall->findChild<QProgressBar*>("Bar")->value(), 40);
    click(screens.tcall->findChild<QPushButton*>("Button1"));
    EXPECT_TRUE(screens.transfer->cancelRequested());
    EXPECT_FALSE(screens.tcall->isVisible());
    EXPECT_TRUE(screens.tmmain->isEnabled());
    // The cancel dialog is the caller's to hide.
    EXPECT_TRUE(screens.tcancel->isVisible());
}

TEST_F(ShellDialogs, ErrorDialogOkReenablesTheScreensUnlessTeaching) {
    for (const bool teaching : {false, true}) {
        SCOPED_TRACE(teaching);
        screens.tselect->hide();
        screens.tmmain->show();
        screens.tteach->setVisible(teaching);
        for (QWidget* w : {static_cast<QWidget*>(screens.tmmain), screens.tparameter,
                           screens.tpalet, screens.tdirect, static_cast<QWidget*>(screens.tselect)})
            w->setEnabled(false);
        // Through the screens' prompter: bytes in Windows-1252.
        MessagePrompter messages(screens);
        messages.showControllerError("31 \x80 over\x1B");
        ASSERT_TRUE(screens.terr->isVisible());
        EXPECT_EQ(screens.terr->errorText(), QString("31 ") + QChar(0x20AC) + " over\\x1B");
        click(screens.terr->findChild<QPushButton*>("OK"));
        EXPECT_FALSE(screens.terr->isVisible());
        EXPECT_TRUE(screens.terr->errorText().isEmpty());
        for (QWidget* w : {static_cast<QWidget*>(screens.tmmain), screens.tparameter,
                           screens.tpalet, screens.tdirect, static_cast<QWidget*>(screens.tselect)})
            EXPECT_EQ(w->isEnabled(), !teaching) << w->objectName().toStdString();
    }
    // An empty line shows nothing.
    MessagePrompter(screens).showControllerError("");
    EXPECT_FALSE(screens.terr->isVisible());
}

// The controller's error line comes to the front, above the transfer dialogs of the operation
// that goes on under it: the notice that follows it ("Error No. 1") belongs to it, so that the
// window manager keeps both above the transfer dialogs, and stands beside it.
TEST_F(ShellDialogs, ControllerErrorComesInFrontOfTheTransferDialogs) {
    startTransfer(true);
    screens.transfer->showProgress(10);
    screens.tcall->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screens.tcall));
    MessagePrompter messages(screens);
    // As a transfer reports a refused step: the error line, at once the notice.
    messages.showControllerError("44");
    QWidget* noticeParent = nullptr;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            noticeParent = box->parentWidget();
            // Not over the error line.
            EXPECT_FALSE(box->frameGeometry().intersects(screens.terr->frameGeometry()));
            box->accept();
        }
    });
    messages.notify("Error No. 1", "Sending error");
    EXPECT_EQ(noticeParent, screens.terr);
    EXPECT_EQ(screens.terr->errorText(), "44");
    EXPECT_TRUE(screens.terr->isVisible());
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
    MessagePrompter messages(screens);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                EXPECT_NE(box->button(QMessageBox::Cancel), nullptr);
                c.act(box);
            }
        });
        EXPECT_EQ(messages.askYesNoCancel("Is step data saved?", "Step contents"), c.answer);
    }
}

TEST_F(ShellDialogs, InitDialogNoReenablesItsOpener) {
    struct Case {
        QString question;
        QWidget* opener;
    };
    const Case cases[] = {
        {"Select robot No. to be initialized.", screens.tparameter},
        {"Select robot No. to be initialized", screens.tdirect},
        {"Is PGM No.2 initialize executed?", screens.tmmain},
    };
    Tinit* init = screens.tinit;
    EXPECT_EQ(init->findChild<QComboBox*>("ComboBox1")->currentText(), "22:MIVO-PBL3");
    EXPECT_EQ(init->findChild<QComboBox*>("ComboBox1")->count(), 9);
    EXPECT_EQ(init->robotNumber(), 22);
    init->findChild<QComboBox*>("ComboBox1")->setCurrentText("31:MIVO-PC3");
    EXPECT_EQ(init->robotNumber(), 31);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.question.toStdString());
        for (QWidget* w :
             {static_cast<QWidget*>(screens.tmmain), screens.tparameter, screens.tdirect})
            w->setEnabled(false);
        bool yes = false;
        init->openFor(c.opener, c.question, c.question.startsWith("Select"), [&] { yes = true; });
        EXPECT_TRUE(init->isVisible());
        EXPECT_EQ(init->findChild<QComboBox*>("ComboBox1")->isVisibleTo(init),
                  c.question.startsWith("Select"));
        const std::size_t before = sim.received().size();
        click(init->findChild<QPushButton*>("No"));
        EXPECT_FALSE(init->isVisible());
        EXPECT_FALSE(yes);
        EXPECT_EQ(sim.received().size(), before);
        for (QWidget* w :
             {static_cast<QWidget*>(screens.tmmain), screens.tparameter, screens.tdirect})
            EXPECT_EQ(w->isEnabled(), w == c.opener) << w->objectName().toStdString();
    }
}

}  // namespace
}  // namespace mivo::test
