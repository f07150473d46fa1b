// The listing through QPrinter into a PDF, read back with pdftotext: from the step editor's
// "Print" and from `mivo print`.
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <set>

#include "cli/cli_rig.h"
#include "print/listing.h"
#include "print/print_dialog.h"
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
    PrintDialog& print() { return *static_cast<PrintDialog*>(screens.tprint); }
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

// A PDF file chosen in the system's dialog is written as data files are saved: a read-only one
// is refused and kept.
TEST_F(PrintDialogTest, PrintsStepsToPdf) {
    setRow(0, {"MOVE", "000", "1.00", "2.00", "3.00", "4.00", "", "start"});
    setRow(2, {"END"});
    WriteBytes(dir / "ro.pdf", "old");
    std::filesystem::permissions(dir / "ro.pdf", std::filesystem::perms(0444));
    printSteps("2", dir / "ro.pdf");
    ASSERT_FALSE(prompter.messages.empty());
    EXPECT_EQ(prompter.texts().back(), "Cannot write " + dir / "ro.pdf" + ": it is read-only");
    EXPECT_EQ(ReadBytes(dir / "ro.pdf"), "old");
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

// OUT is written as data files are saved (links, FIFOs and devices are that writer's own test's):
// a read-only file, for root too, is refused with the reason and left as it was, the user's own
// files beside OUT are never touched, and a name is taken byte for byte. A range out of order, a
// file of no known kind or no OUT is refused before anything is written.
TEST(MivoPrint, WritesThePdfAsDataFilesAreSaved) {
    namespace fs = std::filesystem;
    TempDir dir;
    WriteBytes(dir / "pick.stp", StepFile({"MOVE,000,1.00,2.00,3.00,4.00,,start"}));
    WriteBytes(dir / "ro.pdf", "old");
    fs::permissions(dir / "ro.pdf", fs::perms(0444));
    WriteBytes(dir / "out.pdf.part", "mine");
    const std::string opened = "Open: Completed\n";
    const std::string completed = opened + "Print: Printing information transfer is completed.\n";
    struct Case {
        QStringList args;  // after "print"
        int status;
        std::string out;
    };
    // clang-format off
    const Case cases[] = {
        {{"pick.stp", "--pdf", "ro.pdf"}, 1, opened + "Print: Cannot write ro.pdf: it is read-only\n"},
        {{"pick.stp", "--range", "0-3", "--pdf", "out.pdf"}, 0, completed},
        {{"pick.stp", "--range", "5-3", "--pdf", "no.pdf"}, 2, "Print: Specify printing range\n"},
        {{"pick.csv", "--pdf", "no.pdf"}, 2, ""},
        {{"pick.stp", "--pdf", ""}, 2, ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const MivoRun r = RunMivo(QStringList{"print"} + c.args, dir.path());
        EXPECT_EQ(r.exitCode, c.status) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
    QProcess odd;  // a name that is no UTF-8, through the shell
    odd.setWorkingDirectory(QString::fromStdString(dir.path().string()));
    odd.start("/bin/sh", {"-c", "exec \"$0\" print pick.stp --pdf \"$(printf 'n\\377.pdf')\"",
                          MIVO_CLI_PROGRAM});
    ASSERT_TRUE(odd.waitForFinished(60000));
    EXPECT_EQ(odd.exitCode(), 0) << odd.readAllStandardError().toStdString();

    EXPECT_EQ(ReadBytes(dir / "ro.pdf"), "old");
    EXPECT_EQ(fs::status(dir / "ro.pdf").permissions(), fs::perms(0444));
    EXPECT_EQ(ReadBytes(dir / "out.pdf.part"), "mine");
    EXPECT_TRUE(HasLine(PdfText(dir / "out.pdf"), "Step No.0", "MOVE,000,1.00"));
    EXPECT_EQ(ReadBytes(dir / "n\377.pdf").substr(0, 5), "%PDF-");
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"pick.stp", "ro.pdf", "out.pdf.part", "out.pdf",
                                            "n\377.pdf"}));
}

}  // namespace
}  // namespace mivo::test
