#include "cli/print_command.h"

#include <QGuiApplication>
#include <iostream>

#include "cli/console_port.h"
#include "cli/console_prompter.h"
#include "cli/convert_command.h"
#include "cli/kind_document.h"
#include "cli/person_words.h"
#include "common/convert.h"
#include "common/readable_text.h"
#include "common/said_text.h"
#include "files/file_io.h"
#include "print/listing_painter.h"

namespace mivo {

namespace {

int Usage(const std::string& problem) {
    UsageError(problem);
    std::cerr << "usage: " << kPrintUsage << '\n';
    return kExitUsage;
}

}  // namespace

int RunPrintCommand(const ParsedArgs& args, const std::string& file) {
    if (!args.has("--pdf")) return Usage(UI_TEXT("Message", "--pdf OUT.pdf is needed"));
    if (args.has("--pallet")) return Usage(UI_TEXT("Message", "--pallet is for convert"));
    const std::string out = args.value("--pdf");
    if (out.empty()) return Usage(UI_TEXT("Message", "--pdf wants a file name"));
    const std::optional<DataKind> kind =
        args.has("--kind") ? KindOfWord(args.value("--kind")) : KindOfFileName(file);
    if (!kind)
        return Usage(
            args.has("--kind")
                ? std::string(UI_TEXT("Message", "--kind wants step, parameter, pallet or offset"))
                : Filled(UI_TEXT("Message",
                                 "cannot tell what %1 holds: name it .stp, .prm, .plt or "
                                 ".off, or give --kind"),
                         {file}));
    if (const auto named = KindOfFileName(file); named && named != kind)
        return Usage(Filled(UI_TEXT("Message", "%1 is not of the kind --kind names"), {file}));
    const DataKind listing = *kind;
    PrintRange range = PresetRange(listing);
    if (args.has("--range")) {
        if (!RangeEditable(listing))
            return Usage(UI_TEXT("Message", "--range is for steps and parameters"));
        const std::string r = args.value("--range");
        const std::size_t dash = r.find('-', 1);
        if (dash == std::string::npos) return Usage(UI_TEXT("Message", "--range wants A-B"));
        range = {r.substr(0, dash), r.substr(dash + 1)};
    }
    ConsolePrompter prompter(std::cin, std::cout, std::cerr, true);
    try {
        if (!RangeAccepted(listing, range.first, range.last)) {
            prompter.notify(kPrintRangeText, kPrintCaption);
            return kExitUsage;
        }
    } catch (const ConversionError& e) {
        prompter.notify(e.what(), kPrintCaption);
        return kExitUsage;
    }
    const int first = StrToInt(range.first);
    const std::unique_ptr<KindDocument> document = MakeDocument(listing);
    if (document->open(file, prompter) != OpenOutcome::Completed) return kExitFailed;
    const std::vector<std::string> values = document->listingValues(first, StrToInt(range.last));

    // OUT is written by the data files' save rules; what they refuse is refused before drawing.
    std::string reason;
    const auto cannotWrite = [&] {
        prompter.notify(CannotWrite(out, reason), kPrintCaption);
        return kExitFailed;
    };
    if (std::string target; !SaveTarget(out, target, reason)) return cannotWrite();

    // Fonts need the GUI library; no window is shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "mivo";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    // The pages of the print dialog's PDF with no printer chosen, drawn in memory.
    PdfPages pdf(PdfPageLayout());
    const QFont font = PrintingFont(QGuiApplication::font().pointSizeF());
    const std::string header = HeaderLine(listing, PrintDate(), PrintTime());
    const Drawn drawn =
        DrawListing(pdf.device(), font,
                    BuildListing(listing, values, first, header, LineHeight(pdf.device(), font)));
    if (drawn != Drawn::Whole) {
        std::cerr << "mivo: " << ForPerson(UI_TEXT("Message", "the PDF could not be drawn"))
                  << '\n';
        return kExitFailed;
    }
    if (!WriteWholeFile(out, pdf.bytes(), reason)) return cannotWrite();
    prompter.notify(kPrintCompleted, kPrintCaption);
    return kExitCompleted;
}

}  // namespace mivo
