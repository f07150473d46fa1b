#include "files/data_kind.h"

#include <algorithm>
#include <cctype>

namespace mivo {

namespace {

FileKind StepFiles() {
    FileKind k;
    k.saveFilters = {
        {"MIVO step file (*.stp)", ".stp"}, {"CSV file (*.csv)", ".csv"}, {"All (*.*)", ""}};
    k.openFilters = {{"MIVO step file (*.stp)", ".stp"},
                     {"ZEB data file (*.crd)", ".crd"},
                     {"CSV file (*.csv)", ".csv"},
                     {"all (*.*)", ""}};
    // With the dot: a name such as "backupstp" would otherwise be written as it stands, with no
    // extension, and neither the ".stp" filter nor an open by that name would find it as a step
    // file.
    k.saveNameTest = SaveNameTest::ExtensionWithDot;
    k.overwriteCaption = "Program save";
    k.overwriteQuestion = "File of the same name exists.  Overwrite?";
    k.overwriteQuestionAll = k.overwriteQuestion;
    k.saveQuestion = "Data will be saved.  OK?";
    k.unsavedQuestion = "Is step data saved?";
    k.questionCaption = "Step contents";
    k.openCompleted = {"Completed", "Completed", "Completed", "Completed"};
    return k;
}

FileKind ParameterFiles() {
    FileKind k;
    // The dialogs' filter texts as the editor has always shown them.
    k.saveFilters = {
        {"MIVO parameter file(*.prm)", ".prm"}, {"CSV file(*.csv)", ".csv"}, {"All(*.*)", ""}};
    k.openFilters = {{"MIVO parameter file(*.prm)", ".prm"},
                     {"ZEB data file(*.crd)", ".crd"},
                     {"CSV file(*.csv)", ".csv"},
                     {"All(*.*)", ""}};
    // "Aprm" is written as it stands and "A.PRM" becomes "A.PRM.prm": files of the old editor
    // are named by this test.
    k.saveNameTest = SaveNameTest::LastThreeLetters;
    k.overwriteCaption = "save";
    k.overwriteQuestion = "File of the same name exists. Overwrite?";
    k.overwriteQuestionAll = "File of the same name exists.  Overwrite?";
    k.saveQuestion = "Is data saved?";
    k.unsavedQuestion = "Is data saved?";
    k.questionCaption = "Parameter contents";
    k.openCompleted = {"Complete", "Completed. Check data.", "Complete", "Complete"};
    return k;
}

// Overwrite questions and texts as for parameter files.
FileKind PalletFiles(const char* saveLabel) {
    FileKind k = ParameterFiles();
    k.saveFilters = {{saveLabel, ".plt"}, {"CSV file(*.csv)", ".csv"}, {"All(*.*)", ""}};
    k.openFilters = {{"MIVO pallet file(*.plt)", ".plt"},
                     {"ZEB data file(*.crd)", ".crd"},
                     {"CSV file(*.csv)", ".csv"},
                     {"All(*.*)", ""}};
    k.saveQuestion = "Data will be saved.  OK?";
    k.questionCaption = "Pallet contents";
    k.openCompleted = {"Complete", "Complete", "Complete", "Complete"};
    return k;
}

FileKind OffsetFiles() {
    FileKind k = ParameterFiles();
    k.saveFilters = {
        {"MIVO offset file(*.off)", ".off"}, {"CSV file(*.csv)", ".csv"}, {"All(*.*)", ""}};
    k.openFilters = k.saveFilters;
    k.saveQuestion = "Data will be saved. OK?";
    k.questionCaption = "Offset contents";
    k.openCompleted = {"Complete", "Complete", "Complete"};
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
         "a step file",
         ".stp",
         StepFiles(),
         StepFiles(),
         "Is step data saved?",
         "Step contents",
         ListingLayout{.title = "MIVO Step data                Date:  ",
                       .presetFirst = "0",
                       .presetLast = "999",
                       .rangeEditable = true,
                       .lastItem = 999,
                       .numbered = "Step No.",
                       .paged = true},
         {"GO move?", "GO move"}},
        {DataKind::Parameter,
         "parameter",
         "a parameter file",
         ".prm",
         ParameterFiles(),
         ParameterFiles(),
         "Is parameter data saved?",
         "parameter contents",
         ListingLayout{.title = "MIVO Parameter data           Date:  ",
                       .presetFirst = "0",
                       .presetLast = "43",
                       .rangeEditable = true,
                       .lastItem = 43,
                       .numbered = "PRM No.",
                       .unprinted = {3, 5},
                       .stoppable = false},
         {"ZI move?", "ZI move"}},
        {DataKind::Pallet,
         "pallet",
         "a pallet file",
         ".plt",
         PalletFiles("MIVO pallet file(*.plt)"),
         PalletFiles("MIVO palet file(*.plt)"),
         "Is pallet data saved?",
         "pallet contents",
         ListingLayout{.title = "MIVO Pallet data              Date:  ",
                       .presetFirst = "0",
                       .presetLast = "1",
                       .labels = kPalletLabels},
         {"GO move?", "GO move"}},
        {DataKind::Offset,
         "offset",
         "an offset file",
         ".off",
         OffsetFiles(),
         OffsetFiles(),
         "Is offset data saved?",
         "offset contents",
         ListingLayout{.title = "MIVO Offset data              Date:  ",
                       .presetFirst = "0",
                       .presetLast = "1",
                       .labels = kOffsetLabels},
         {"The offset teaching value will be written to the program number set by the rotary "
          "switch. Perform offset teaching?",
          "Offset move"}},
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
