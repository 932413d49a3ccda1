#include "almanac/grid.h"

namespace kalnika {

namespace {
bool ValidRow(int r) { return r >= 0 && r < kGridRows; }
bool ValidCol(int c) { return c >= 0 && c < kGridColumns; }
}  // namespace

// Out-of-range addresses are ignored: the grid has exactly these cells, and a
// wrong address must not write outside them.
void MemoryGrid::SetRow(int row) {
  if (ValidRow(row)) row_ = row;
}
void MemoryGrid::SetCol(int col) {
  if (ValidCol(col)) col_ = col;
}
void MemoryGrid::SetText(const std::string& text) { cells_[row_][col_] = text; }
void MemoryGrid::SetColWidth(int col, int twips) {
  if (ValidCol(col)) widths_[col] = twips;
}
void MemoryGrid::SetRowHeight(int row, int twips) {
  if (ValidRow(row)) heights_[row] = twips;
}
void MemoryGrid::SetVisible(bool visible) { visible_ = visible; }

const std::string& MemoryGrid::Cell(int row, int col) const {
  static const std::string empty;
  if (!ValidRow(row) || !ValidCol(col)) return empty;
  return cells_[row][col];
}
int MemoryGrid::ColWidth(int col) const { return ValidCol(col) ? widths_[col] : 0; }
int MemoryGrid::RowHeight(int row) const { return ValidRow(row) ? heights_[row] : 0; }

}  // namespace kalnika
