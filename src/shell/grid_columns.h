#pragma once
// The editors' grids read their values whole at any font: a column is as wide as its title and
// its widest text at the grid's current font, and never narrower than written.
#include <vector>

class QTableView;

namespace mivo {

// Fits the columns of `grid` that are sized one by one (not stretched; a stretched last column,
// the comment, takes what is left) to the widest of: the width written for it (`writtenWidths`,
// at the default font), its title and its texts. All of them again when the model is reset or
// the font changes (the application's too); a changed cell widens its column where it needs more.
// Each text is measured once at a font, and the rows a TextGridModel says only moved are not read,
// so an edit that moves many rows stays quick.
void FitColumnsToText(QTableView* grid, const std::vector<int>& writtenWidths);

}  // namespace mivo
