#pragma once
// The four kinds of data the editor keeps (steps, parameters, a pallet, offsets), each described
// once: the word that names it, its files, its printed listing and its teaching. Screens, the
// listings and the command line ask the description instead of switching over the kinds.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "files/file_kind.h"

namespace mivo {

enum class DataKind { Step = 0, Parameter = 1, Pallet = 2, Offset = 3 };
inline constexpr std::array<DataKind, 4> kDataKinds{DataKind::Step, DataKind::Parameter,
                                                    DataKind::Pallet, DataKind::Offset};

// A kind's printed listing: the header, the range the print dialog presets, its lines.
struct ListingLayout {
    std::string title;  // the header before the date: "MIVO Step data                Date:  "
    std::string presetFirst;
    std::string presetLast;
    bool rangeEditable = false;
    int lastItem = -1;  // the highest number a range may reach; -1: no bound of its own
    // A line for each label, from k = 0 (a pallet, offsets); without labels, `numbered` and the
    // item's number, from k = 1 ("Step No.5").
    std::vector<std::string> labels = {};
    std::string numbered = {};
    std::vector<int> unprinted = {};  // items not printed that keep their line (parameters 3 and 5)
    bool paged = false;               // runs on over pages (steps); the others stay on one page
    bool stoppable = true;            // "Print stop" is looked at after each line
};

// What the teaching screen asks before it moves for the kind's editor: the step's point
// (steps), the ZI position (parameters), the pallet's first point, or the offsets' program.
struct TeachingMove {
    std::string question;  // "GO move?"
    std::string caption;   // "GO move"
};

struct DataKindDescription {
    DataKind kind;
    std::string word;       // "step": how the command line names the kind
    std::string fileName;   // "a step file": how a message names one of its files
    std::string extension;  // ".stp": its own files' extension, taken in any case
    FileKind files;         // its file dialogs and save and open texts
    FileKind closingFiles;  // the start screen's closing save (a pallet's filter reads "palet")
    // The start screen's closing question ("Is step data saved?", caption "Step contents").
    std::string closingQuestion;
    std::string closingCaption;
    ListingLayout listing;
    TeachingMove teaching;
};

const DataKindDescription& Describe(DataKind kind);

// The kind a word names ("step", "parameter", "pallet", "offset"), and the kind a file's
// extension tells in any case (".stp", ".prm", ".plt", ".off"); nullopt for any other.
std::optional<DataKind> KindOfWord(const std::string& word);
std::optional<DataKind> KindOfFileName(const std::string& path);

// The extension of `path` in lower case, with its dot; "" when the name has none.
std::string LowerExtension(const std::string& path);

}  // namespace mivo
