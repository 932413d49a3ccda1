#pragma once
// The month grid and the message box as the almanac uses them: a grid of text
// cells addressed by a current row and column, written cell by cell, never read
// back; and a modal notice with an OK button. The window supplies real ones; the
// command-line tool and the tests use the in-memory grid.
#include <array>
#include <string>

namespace kalnika {

inline constexpr int kGridRows = 32;     // row 0 headings, rows 1..31 the days
inline constexpr int kGridColumns = 17;  // column map in month_table.h

class Grid {
 public:
  virtual ~Grid() = default;
  virtual void SetRow(int row) = 0;     // 0..31: the next SetText addresses this row
  virtual void SetCol(int col) = 0;     // 0..16: the next SetText addresses this column
  virtual void SetText(const std::string& text) = 0;  // replaces the current cell's text
  virtual void SetColWidth(int col, int twips) = 0;
  virtual void SetRowHeight(int row, int twips) = 0;
  virtual void SetVisible(bool visible) = 0;  // hidden: keeps its cells, not redrawn
};

// A modal message with an OK button and the caption "Kalnika"; returns on OK.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void Show(const std::string& text) = 0;
};

// Grid held in memory: 32 x 17 cells of Xdvng or plain text.
class MemoryGrid : public Grid {
 public:
  void SetRow(int row) override;
  void SetCol(int col) override;
  void SetText(const std::string& text) override;
  void SetColWidth(int col, int twips) override;
  void SetRowHeight(int row, int twips) override;
  void SetVisible(bool visible) override;

  const std::string& Cell(int row, int col) const;
  int ColWidth(int col) const;
  int RowHeight(int row) const;
  bool Visible() const { return visible_; }

 private:
  std::array<std::array<std::string, kGridColumns>, kGridRows> cells_{};
  std::array<int, kGridColumns> widths_{};
  std::array<int, kGridRows> heights_{};
  int row_ = 0, col_ = 0;
  bool visible_ = true;
};

// Message box that keeps the last message (for the command-line tool and tests).
class RecordingMessageBox : public MessageBox {
 public:
  void Show(const std::string& text) override {
    last = text;
    ++count;
  }
  std::string last;
  int count = 0;
};

}  // namespace kalnika
