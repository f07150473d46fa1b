#pragma once
// What a kind of data file (steps, parameters, pallets, offsets) says about itself: the filters
// of its dialogs and the texts and name rules of its save and open procedures. The procedures
// in data_files.h are written once for all kinds.
#include <string>
#include <vector>

namespace mivo {

// One entry of a file dialog's filter list.
struct FileFilter {
    std::string label;      // as the dialog shows it: "MIVO step file (*.stp)"
    std::string extension;  // ".stp"; "" for the filter that takes any name as given
};

// How save decides that a typed name already carries the chosen filter's extension.
enum class SaveNameTest {
    // The name ends in the extension with its dot ("prog.stp"), compared case-sensitively.
    ExtensionWithDot,
    // The name's last three characters equal the extension's letters ("prm"), case-sensitively.
    LastThreeLetters,
};

struct FileKind {
    std::vector<FileFilter> saveFilters;  // in dialog order; filter indexes count from 1
    std::vector<FileFilter> openFilters;
    SaveNameTest saveNameTest = SaveNameTest::ExtensionWithDot;

    // Overwrite question of the save procedure: its caption, its text for a filter with an
    // extension and for the one without (the blanks after the full stop are the kind's own).
    std::string overwriteCaption;
    std::string overwriteQuestion;
    std::string overwriteQuestionAll;

    // The editor's questions before saving ("Data will be saved.  OK?") and, when the data
    // were changed, before opening or starting anew ("Is step data saved?"); one caption.
    std::string saveQuestion;
    std::string unsavedQuestion;
    std::string questionCaption;

    // The completion notice of an open, by open filter (1-based); caption "Open".
    std::vector<std::string> openCompleted;
};

}  // namespace mivo
