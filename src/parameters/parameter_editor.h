#pragma once
// ParameterEditor: the parameter editor, on the shared editor frame. Shows the ParameterTable in
// the grid PRMGRID (only "Value" is typed into), keeps it in files, sends it to the controller and
// receives it back, and opens the initialisation dialog for a robot number.
#include <memory>
#include <string>
#include <string_view>

#include "parameters/parameter_table.h"
#include "parameters/parameter_target.h"
#include "print/listing.h"
#include "shell/memory_editor.h"

class QTableView;

namespace mivo {

class GridParameterModel;
class InitDialogAccess;

class ParameterEditor : public MemoryEditor<ParameterTable>,
                        public ParameterEditorAccess,
                        public PrintSource {
    Q_OBJECT
  public:
    // The listing's values, for the print dialog.
    std::vector<std::string> printValues(int first, int last) const override {
        return ParameterListingValues(data_, first, last);
    }
    explicit ParameterEditor(const EditorLinks& links, QWidget* parent = nullptr);
    // The initialisation dialog, made after the editor.
    void setInitDialog(InitDialogAccess* init) { init_ = init; }
    ~ParameterEditor() override;

    // The one parameter table of the editor; every write goes through the editor.
    const ParameterTable& table() const { return data_; }
    void writeFromController(const std::function<void(const ParameterTarget&)>& procedure,
                             const std::string& caption) override;
    std::string parameterValue(int number) const override { return data_.value(number); }
    // Parameters first..last were written from outside: the grid shows them.
    void valuesChanged(int first, int last);

    // ParameterModified, mirrored to the start screen's flags.
    bool parameterModified() const { return modified(); }
    void setParameterModified(bool on) { setModified(on); }

    // The service layout: the grid shows all 526 parameters (527 rows with the title row).
    void setServiceLayout(bool on);

    // The controller commands, each run with the editor disabled and the transfer dialogs as
    // its only control; one at a time.
    void sendParameters();
    void receiveParameters();
    // Sets ParameterModified and opens the initialisation dialog for a robot number; its Yes
    // initialises.
    void initializeParameters();

  protected:
    void shown() override;

  private:
    InitDialogAccess* init_ = nullptr;
    void buildCommands();
    void buildCentre();
    bool cellEdited(int number, const QString& text);
    // The table with the editor's callbacks, as the parameter procedures write it.
    ParameterTarget parameterTarget();
    void initializeConfirmed();
    // Compare with controller: the parameters Parameter receive reads, sent by Parameter send.
    MemoryCompareKind<ParameterTable> compareKind();

    GridParameterModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
};

}  // namespace mivo
