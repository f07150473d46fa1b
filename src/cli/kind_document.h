#pragma once
// A kind's data held whole as the command line opens, saves and prints it (`mivo convert`,
// `mivo print`, the transfer commands): the kind's own open and save procedures, with the dialog
// filter a file's name stands for.
#include <memory>
#include <string>
#include <vector>

#include "common/prompter.h"
#include "files/data_files.h"
#include "files/data_kind.h"

namespace mivo {

class KindDocument {
  public:
    virtual ~KindDocument() = default;
    virtual OpenOutcome open(const std::string& path, Prompter& prompter) = 0;
    virtual bool save(const std::string& path, Prompter& prompter) const = 0;
    // The listing values (StepListingValues ...); a pallet and offsets ignore the range.
    virtual std::vector<std::string> listingValues(int first, int last) const = 0;
};

// The data of `kind` as its editor starts them (parameters: robot 22's values). The kind's data
// type, for the commands that hand it to a procedure: `DocumentData<PalletData>(document)`.
std::unique_ptr<KindDocument> MakeDocument(DataKind kind);

template <typename Data>
class DocumentOf : public KindDocument {
  public:
    Data data;
};
template <typename Data>
Data& DocumentData(KindDocument& document) {
    return dynamic_cast<DocumentOf<Data>&>(document).data;
}

}  // namespace mivo
