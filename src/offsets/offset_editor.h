#pragma once
// OffsetEditor: the offset editor, on the shared editor frame. Shows the four offsets of one
// program in the grid OFFGRID, keeps them in files and sends, receives and initialises them on
// the controller.
#include <string>

#include "offsets/offset_data.h"
#include "print/listing.h"
#include "shell/memory_editor.h"

class QLineEdit;
class QTableView;

namespace mivo {

class CellGridModel;

class OffsetEditor : public MemoryEditor<OffsetData>, public PrintSource {
    Q_OBJECT
  public:
    // The listing's values, for the print dialog.
    std::vector<std::string> printValues(int, int) const override {
        return OffsetListingValues(data_);
    }
    explicit OffsetEditor(const EditorLinks& links, QWidget* parent = nullptr);
    ~OffsetEditor() override;

    // "Initial screen move": offers to save, clears the flag, goes back to the start screen and
    // off line.
    void initialScreenMove();

  protected:
    void shown() override;

  private:
    void buildCommands();
    void buildCentre();
    // Compare with controller: the offsets of the program the screen shows, by the offsets' own
    // receive and send.
    MemoryCompareKind<OffsetData> compareKind();
    bool cellEdited(int axis, const std::string& bytes);

    CellGridModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QLineEdit* program_ = nullptr;
    bool showing_ = false;  // the fields are being filled from the data
};

}  // namespace mivo
