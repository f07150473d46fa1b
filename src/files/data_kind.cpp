#include "files/data_kind.h"

#include <algorithm>
#include <cctype>

#include "common/said_text.h"

namespace mivo {

namespace {

FileKind StepFiles() {
    FileKind k;
    k.saveFilters = {{UI_TEXT("Message", "MIVO step file (*.stp)"), ".stp"},
                     {UI_TEXT("Message", "CSV file (*.csv)"), ".csv"},
                     {UI_TEXT("Message", "All (*.*)"), ""}};
    k.openFilters = {{UI_TEXT("Message", "MIVO step file (*.stp)"), ".stp"},
                     {UI_TEXT("Message", "ZEB data file (*.crd)"), ".crd"},
                     {UI_TEXT("Message", "CSV file (*.csv)"), ".csv"},
                     {UI_TEXT("Message", "all (*.*)"), ""}};
    // With the dot: a name such as "backupstp" would otherwise be written as it stands, with no
    // extension, and neither the ".stp" filter nor an open by that name would find it as a step
    // file.
    k.saveNameTest = SaveNameTest::ExtensionWithDot;
    k.overwriteCaption = UI_TEXT("Message", "Program save");
    k.overwriteQuestion = UI_TEXT("Message", "File of the same name exists.  Overwrite?");
    k.overwriteQuestionAll = k.overwriteQuestion;
    k.saveQuestion = UI_TEXT("Message", "Data will be saved.  OK?");
    k.unsavedQuestion = UI_TEXT("Message", "Is step data saved?");
    k.questionCaption = UI_TEXT("Message", "Step contents");
    k.openCompleted = {UI_TEXT("Message", "Completed"), UI_TEXT("Message", "Completed"),
                       UI_TEXT("Message", "Completed"), UI_TEXT("Message", "Completed")};
    return k;
}

FileKind ParameterFiles() {
    FileKind k;
    // The dialogs' filter texts as the editor has always shown them.
    k.saveFilters = {{UI_TEXT("Message", "MIVO parameter file(*.prm)"), ".prm"},
                     {UI_TEXT("Message", "CSV file(*.csv)"), ".csv"},
                     {UI_TEXT("Message", "All(*.*)"), ""}};
    k.openFilters = {{UI_TEXT("Message", "MIVO parameter file(*.prm)"), ".prm"},
                     {UI_TEXT("Message", "ZEB data file(*.crd)"), ".crd"},
                     {UI_TEXT("Message", "CSV file(*.csv)"), ".csv"},
                     {UI_TEXT("Message", "All(*.*)"), ""}};
    // "Aprm" is written as it stands and "A.PRM" becomes "A.PRM.prm": files of the old editor
    // are named by this test.
    k.saveNameTest = SaveNameTest::LastThreeLetters;
    k.overwriteCaption = UI_TEXT("Message", "save");
    k.overwriteQuestion = UI_TEXT("Message", "File of the same name exists. Overwrite?");
    k.overwriteQuestionAll = UI_TEXT("Message", "File of the same name exists.  Overwrite?");
    k.saveQuestion = UI_TEXT("Message", "Is data saved?");
    k.unsavedQuestion = UI_TEXT("Message", "Is data saved?");
    k.questionCaption = UI_TEXT("Message", "Parameter contents");
    k.openCompleted = {UI_TEXT("Message", "Complete"), UI_TEXT("Message", "Completed. Check data."),
                       UI_TEXT("Message", "Complete"), UI_TEXT("Message", "Complete")};
    return k;
}

// Overwrite questions and texts as for parameter files.
FileKind PalletFiles(const char* saveLabel) {
    FileKind k = ParameterFiles();
    k.saveFilters = {{saveLabel, ".plt"},
                     {UI_TEXT("Message", "CSV file(*.csv)"), ".csv"},
                     {UI_TEXT("Message", "All(*.*)"), ""}};
    k.openFilters = {{UI_TEXT("Message", "MIVO pallet file(*.plt)"), ".plt"},
                     {UI_TEXT("Message", "ZEB data file(*.crd)"), ".crd"},
                     {UI_TEXT("Message", "CSV file(*.csv)"), ".csv"},
                     {UI_TEXT("Message", "All(*.*)"), ""}};
    k.saveQuestion = UI_TEXT("Message", "Data will be saved.  OK?");
    k.questionCaption = UI_TEXT("Message", "Pallet contents");
    k.openCompleted = {UI_TEXT("Message", "Complete"), UI_TEXT("Message", "Complete"),
                       UI_TEXT("Message", "Complete"), UI_TEXT("Message", "Complete")};
    return k;
}

FileKind OffsetFiles() {
    FileKind k = ParameterFiles();
    k.saveFilters = {{UI_TEXT("Message", "MIVO offset file(*.off)"), ".off"},
                     {UI_TEXT("Message", "CSV file(*.csv)"), ".csv"},
                     {UI_TEXT("Message", "All(*.*)"), ""}};
    k.openFilters = k.saveFilters;
    k.saveQuestion = UI_TEXT("Message", "Data will be saved. OK?");
    k.questionCaption = UI_TEXT("Message", "Offset contents");
    k.openCompleted = {UI_TEXT("Message", "Complete"), UI_TEXT("Message", "Complete"),
                       UI_TEXT("Message", "Complete")};
    return k;
}

// clang-format off
const std::vector<std::string> kPalletLabels = {
    "        Pallet No. : ", "                X1 : ", "                Y1 : ",
    "                 Z : ", "                X2 : ", "                Y2 : ",
    "                X3 : ", "                Y3 : ", "  X section number : ",
    "  Y section number : "};
const std::vector<std::string> kOffsetLabels = {
    "           Pgm No. : ", "                 X : ", "                 Y : ",
    "                 Z : ", "                 R : "};
// clang-format on

const std::array<DataKindDescription, 4>& Descriptions() {
    static const std::array<DataKindDescription, 4> kinds{{
        {DataKind::Step,
         "step",
         UI_TEXT("Message", "a step file"),
         ".stp",
         StepFiles(),
         StepFiles(),
         UI_TEXT("Message", "Is step data saved?"),
         UI_TEXT("Message", "Step contents"),
         ListingLayout{.title = "MIVO Step data                Date:  ",
                       .presetFirst = "0",
                       .presetLast = "999",
                       .rangeEditable = true,
                       .lastItem = 999,
                       .numbered = "Step No.",
                       .paged = true},
         {UI_TEXT("Message", "GO move?"), UI_TEXT("Message", "GO move")}},
        {DataKind::Parameter,
         "parameter",
         UI_TEXT("Message", "a parameter file"),
         ".prm",
         ParameterFiles(),
         ParameterFiles(),
         UI_TEXT("Message", "Is parameter data saved?"),
         UI_TEXT("Message", "parameter contents"),
         ListingLayout{.title = "MIVO Parameter data           Date:  ",
                       .presetFirst = "0",
                       .presetLast = "43",
                       .rangeEditable = true,
                       .lastItem = 43,
                       .numbered = "PRM No.",
                       .unprinted = {3, 5},
                       .stoppable = false},
         {UI_TEXT("Message", "ZI move?"), UI_TEXT("Message", "ZI move")}},
        {DataKind::Pallet,
         "pallet",
         UI_TEXT("Message", "a pallet file"),
         ".plt",
         PalletFiles(UI_TEXT("Message", "MIVO pallet file(*.plt)")),
         PalletFiles(UI_TEXT("Message", "MIVO palet file(*.plt)")),
         UI_TEXT("Message", "Is pallet data saved?"),
         UI_TEXT("Message", "pallet contents"),
         ListingLayout{.title = "MIVO Pallet data              Date:  ",
                       .presetFirst = "0",
                       .presetLast = "1",
                       .labels = kPalletLabels},
         {UI_TEXT("Message", "GO move?"), UI_TEXT("Message", "GO move")}},
        {DataKind::Offset,
         "offset",
         UI_TEXT("Message", "an offset file"),
         ".off",
         OffsetFiles(),
         OffsetFiles(),
         UI_TEXT("Message", "Is offset data saved?"),
         UI_TEXT("Message", "offset contents"),
         ListingLayout{.title = "MIVO Offset data              Date:  ",
                       .presetFirst = "0",
                       .presetLast = "1",
                       .labels = kOffsetLabels},
         {UI_TEXT("Message",
                  "The offset teaching value will be written to the program number set by the "
                  "rotary switch. Perform offset teaching?"),
          UI_TEXT("Message", "Offset move")}},
    }};
    return kinds;
}

}  // namespace

const DataKindDescription& Describe(DataKind kind) {
    return Descriptions()[static_cast<std::size_t>(kind)];
}

std::optional<DataKind> KindOfWord(const std::string& word) {
    for (const DataKindDescription& d : Descriptions())
        if (d.word == word) return d.kind;
    return std::nullopt;
}

std::string LowerExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

std::optional<DataKind> KindOfFileName(const std::string& path) {
    const std::string ext = LowerExtension(path);
    for (const DataKindDescription& d : Descriptions())
        if (d.extension == ext) return d.kind;
    return std::nullopt;
}

}  // namespace mivo
