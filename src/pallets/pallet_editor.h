#pragma once
// PalletEditor: the pallet editor, on the shared editor frame. Shows one pallet: its number, the
// three corner points in the grid PALGRID and the two section numbers; keeps it in files
// (with the ZEB pallet import) and sends, receives and initialises it on the controller.
#include <string>

#include "pallets/pallet_data.h"
#include "print/listing.h"
#include "shell/memory_editor.h"

class QLineEdit;
class QTableView;

namespace mivo {

class CellGridModel;

class PalletEditor : public MemoryEditor<PalletData>, public PrintSource {
    Q_OBJECT
  public:
    // The listing's values, for the print dialog.
    std::vector<std::string> printValues(int, int) const override {
        return PalletListingValues(data_);
    }
    explicit PalletEditor(const EditorLinks& links, QWidget* parent = nullptr);
    ~PalletEditor() override;

  protected:
    void shown() override;

  private:
    void buildCommands();
    void buildCentre();
    // Compare with controller: the pallet whose number the screen shows, by the pallet's own
    // receive and send.
    MemoryCompareKind<PalletData> compareKind();
    // A field typed into (`which`: its PalletField, or kPalletNumberField): its text taken when
    // Windows-1252 holds it and the field may hold it.
    void fieldEdited(QLineEdit* edit, std::string& field, int which);
    bool cellEdited(int row, int column, const std::string& bytes);

    CellGridModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QLineEdit* number_ = nullptr;
    QLineEdit* xSections_ = nullptr;
    QLineEdit* ySections_ = nullptr;
    bool showing_ = false;  // the fields are being filled from the data
};

}  // namespace mivo
