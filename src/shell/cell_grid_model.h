#pragma once
// A small editable grid of texts over an editor's data (PALGRID, OFFGRID): fixed row and column
// titles, every cell editable. The editor says how a cell is reached: its text, and the write
// of a typed text, which the editor checks and records (one undoable edit). A text Windows-1252
// cannot hold is refused here, with the message naming the character.
#include <QStringList>
#include <functional>
#include <string>

#include "shell/text_grid_model.h"

namespace mivo {

class Prompter;

class CellGridModel : public TextGridModel {
    Q_OBJECT
  public:
    struct Cells {
        std::function<std::string(int row, int column)> text;
        // False when refused (the editor has said why).
        std::function<bool(int row, int column, const std::string& bytes)> write;
    };
    CellGridModel(QStringList rowTitles, QStringList columnTitles, Cells cells, Prompter& prompter,
                  QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The data changed from outside: every cell is shown anew.
    void replaced();

  private:
    int rows() const override;
    int columns() const override;

    QStringList rowTitles_;
    QStringList columnTitles_;
    Cells cells_;
    Prompter& prompter_;
};

}  // namespace mivo
