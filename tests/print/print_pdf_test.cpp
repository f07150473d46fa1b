// The listing through QPrinter into a PDF, read back with pdftotext: from the step editor's
// "Print" and from `mivo print`.
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>

#include "cli/cli_rig.h"
#include "print/listing.h"
#include "print/tprint.h"
#include "steps/editor_fixture.h"
#include "support/temp_dir.h"

namespace mivo::test {
namespace {

std::string PdfText(const std::string& pdf) {
    QProcess p;
    p.start("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
    p.waitForFinished(30000);
    return p.readAllStandardOutput().toStdString();
}

// A line of `text` with `number`, then `data` (pdftotext keeps fewer blanks than were drawn).
bool HasLine(const std::string& text, const std::string& number, const std::string& data) {
    const std::size_t at = text.find(number + " ");
    return at != std::string::npos && text.find(data, at) < text.find('\n', at);
}

class PrintDialogTest : public EditorFixture {
  protected:
    Tprint& print() { return *static_cast<Tprint*>(screens.tprint); }
    QLineEdit* edit(const char* name) { return screens.tprint->findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) { return screens.tprint->findChild<QPushButton*>(name); }
    // The editor's "Print", the range, the PDF chosen in place of the system's dialog, "OK".
    void printSteps(const char* last, const std::string& pdf, std::function<void()> chosen = {}) {
        editor->action("Print")->trigger();
        ASSERT_TRUE(screens.tprint->isVisible());
        EXPECT_FALSE(editor->isEnabled());
        EXPECT_EQ(edit("Edit1")->text(), "0");
        EXPECT_EQ(edit("Edit2")->text(), "999");
        edit("Edit2")->setText(last);
        print().setPrinterChooser([pdf, chosen](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf));
            if (chosen) chosen();
            return true;
        });
        click(button("OK"));
    }
    TempDir dir;
};

TEST_F(PrintDialogTest, PrintsStepsToPdf) {
    setRow(0, {"MOVE", "000", "1.00", "2.00", "3.00", "4.00", "", "start"});
    setRow(2, {"END"});
    printSteps("2", dir / "steps.pdf");
    ASSERT_FALSE(prompter.messages.empty());
    EXPECT_EQ(prompter.texts().back(), kPrintCompleted);
    EXPECT_FALSE(screens.tprint->isVisible());
    EXPECT_TRUE(editor->isEnabled());
    const std::string text = PdfText(dir / "steps.pdf");
    EXPECT_TRUE(Contains(text, "MIVO Step data")) << text;
    EXPECT_TRUE(HasLine(text, "Step No.0", "MOVE,000,1.00,2.00,3.00,4.00,,start")) << text;
    EXPECT_TRUE(HasLine(text, "Step No.2", "END,,,,,,,")) << text;
}

TEST_F(PrintDialogTest, PrintStopEndsTheListingEarly) {
    // "Print stop" is pressed as soon as the listing pumps messages.
    printSteps("999", dir / "stopped.pdf",
               [this] { QTimer::singleShot(0, [this] { click(button("PrintStop")); }); });
    ASSERT_FALSE(prompter.messages.empty());
    EXPECT_EQ(prompter.texts().back(), kPrintInterrupted);
    EXPECT_TRUE(print().printingAllowed());
    const std::string text = PdfText(dir / "stopped.pdf");
    EXPECT_TRUE(Contains(text, "Step No.0")) << text;
    EXPECT_FALSE(Contains(text, "Step No.999")) << text;
}

TEST(MivoPrint, ListingAsPdf) {
    TempDir dir;
    WriteBytes(dir / "pick.stp", StepFile({"MOVE,000,1.00,2.00,3.00,4.00,,start"}));
    const MivoRun done =
        RunMivo({"print", "pick.stp", "--range", "0-3", "--pdf", "out.pdf"}, dir.path());
    EXPECT_EQ(done.exitCode, 0) << done.err;
    EXPECT_TRUE(Contains(done.out, "Print: Printing information transfer is completed."));
    EXPECT_TRUE(HasLine(PdfText(dir / "out.pdf"), "Step No.0", "MOVE,000,1.00")) << done.err;
    const MivoRun refused =
        RunMivo({"print", "pick.stp", "--range", "5-3", "--pdf", "no.pdf"}, dir.path());
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(Contains(refused.out, "Print: Specify printing range"));
    EXPECT_FALSE(std::filesystem::exists(dir / "no.pdf"));
    EXPECT_EQ(RunMivo({"print", "pick.csv", "--pdf", "no.pdf"}, dir.path()).exitCode, 2);
}

}  // namespace
}  // namespace mivo::test
