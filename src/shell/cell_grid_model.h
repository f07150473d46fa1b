#pragma once
// A small editable grid of texts over an editor's data (PALGRID, OFFGRID): fixed row and column
// titles. The editor says how a cell is reached: its text, the write of a typed text, which the
// editor checks and records (one undoable edit), and which cells hold nothing to type (shown
// greyed, as the titles, and not editable). A text Windows-1252
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
        // False for a cell nothing is typed into; none: every cell is typed into.
        std::function<bool(int row, int column)> editable = {};
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
    bool editable(const QModelIndex& index) const;
    int rows() const override;
    int columns() const override;

    QStringList rowTitles_;
    QStringList columnTitles_;
    Cells cells_;
    Prompter& prompter_;
};

}  // namespace mivo
