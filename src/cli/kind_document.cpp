#include "cli/kind_document.h"

#include "cli/convert_command.h"
#include "offsets/offset_data.h"
#include "pallets/pallet_data.h"
#include "parameters/parameter_files.h"
#include "steps/step_files.h"

namespace mivo {

namespace {

// A kind's open, save and listing values over its data.
template <typename Data, typename Open, typename Save, typename Values>
class Document final : public DocumentOf<Data> {
  public:
    Document(DataKind kind, Open open, Save save, Values values)
        : files_(Describe(kind).files), open_(open), save_(save), values_(values) {}

    OpenOutcome open(const std::string& path, Prompter& prompter) override {
        return open_(this->data, path, OpenFilterForPath(files_, path), prompter);
    }
    bool save(const std::string& path, Prompter& prompter) const override {
        return save_(this->data, path, SaveFilterForPath(files_, path), prompter);
    }
    std::vector<std::string> listingValues(int first, int last) const override {
        return values_(this->data, first, last);
    }

  private:
    const FileKind& files_;
    Open open_;
    Save save_;
    Values values_;
};

template <typename Data, typename Open, typename Save, typename Values>
std::unique_ptr<KindDocument> Make(DataKind kind, Open open, Save save, Values values) {
    return std::make_unique<Document<Data, Open, Save, Values>>(kind, open, save, values);
}

}  // namespace

std::unique_ptr<KindDocument> MakeDocument(DataKind kind) {
    switch (kind) {
        case DataKind::Step:
            return Make<StepTable>(kind, OpenStepFile, SaveStepFile, StepListingValues);
        case DataKind::Parameter:
            return Make<ParameterTable>(kind, OpenParameterFile, SaveParameterFile,
                                        ParameterListingValues);
        case DataKind::Pallet:
            return Make<PalletData>(
                kind, OpenPalletFile,
                [](const PalletData& d, const std::string& name, int filter, Prompter& p) {
                    return SavePalletFile(d, name, filter, p);
                },
                [](const PalletData& d, int, int) { return PalletListingValues(d); });
        case DataKind::Offset:
            return Make<OffsetData>(
                kind, OpenOffsetFile, SaveOffsetFile,
                [](const OffsetData& d, int, int) { return OffsetListingValues(d); });
    }
    return nullptr;
}

}  // namespace mivo
