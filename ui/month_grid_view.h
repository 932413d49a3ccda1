#pragma once
// The month grid "Kalnika" on screen: a table of 32 rows by 17 columns whose row 0
// holds the column headings and stays in sight as a fixed strip while the day rows
// scroll, and the adaptor through which the month-table model writes it.
#include <QFrame>
#include <QTableView>
#include <QTableWidget>
#include <array>
#include <optional>
#include <string>

#include "almanac/month_text.h"
#include "ui/display_text.h"

namespace kalnika::ui {

// Point size of the grid's cells: the grid's 8.25 pt, a little larger, because the
// letters of a Unicode Devanagari font are smaller at one size than those of
// "Xdvng" (their headline stands lower in the em).
inline constexpr double kGridPointSize = 9.0;

// The table widget "Kalnika". Row 0 is an ordinary row of the table (its items hold
// the headings); the view above it shows that row as a fixed strip, bold on the
// colour of the window's buttons, while the day rows scroll beneath.
class MonthTableWidget : public QTableWidget {
  Q_OBJECT
 public:
  explicit MonthTableWidget(QWidget* parent = nullptr);

 signals:
  // The viewport or the scroll bars changed: the heading strip follows.
  void geometryChanged();
  // A day row (1..31) was double-clicked, or Enter pressed on it: its day view.
  void dayActivated(int row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void updateGeometries() override;
};

// The month grid as the window shows it: the heading strip above the table, in one
// frame. It takes the extra room of a growing window and keeps its place while the
// table is hidden.
class MonthGridView : public QFrame {
  Q_OBJECT
 public:
  explicit MonthGridView(QWidget* parent = nullptr);

  MonthTableWidget* Table() const { return table_; }
  QTableView* Headings() const { return headingStrip_; }

  // Height of the heading strip (row 0) in pixels.
  void SetHeadingHeight(int pixels);
  // Heights of the day rows in pixels: `designed` where the room allows, less when
  // the grid is lower than 31 such rows, down to `least` (a line of the font and a
  // little room for the marks above it), so that a month fits without scrolling
  // wherever the screen can hold it.
  void SetRowHeights(int least, int designed);
  // Width a column needs to show its texts, in pixels; every column takes at least
  // this, and a wider grid shares the room beyond among them in proportion.
  void SetNaturalWidth(int col, int pixels);

  // The whole grid without scrolling: every column at its natural width and all
  // 32 rows at their designed height.
  QSize sizeHint() const override;

 private:
  void FollowTable();
  void FitRows();
  void FitColumns();

  MonthTableWidget* table_;
  QTableView* headingStrip_;  // a second view of the same items showing only row 0
  QWidget* stripCorner_;      // beside the strip, above the table's vertical scroll bar
  int headingHeight_ = 0;
  int leastRow_ = 1, designedRow_ = 1;
  std::array<int, kTableColumns> naturalWidths_{};
};

// The month table on screen: shows a whole table of stored texts in one call and
// keeps the stored bytes of every cell (the print-outs draw from them too).
class MonthGrid {
 public:
  MonthGrid(MonthGridView* view, DisplayOptions options);

  // Shows a table, with the values of the month computed (none after a refused
  // input: the grid is hidden then and keeps its place). The values set the notes of
  // a day apart (DisplayCell).
  void Show(const kalnika::MonthTable& table, bool visible, const MonthValues* month = nullptr);

  // The bytes of a cell (row 0..31, column 0..16; empty outside).
  const std::string& Stored(int row, int col) const;
  bool Visible() const { return visible_; }

  // Shows every cell again in another display form and font.
  void SetDisplay(const DisplayOptions& options);
  const DisplayOptions& Display() const { return options_; }

 private:
  void ShowCell(int row, int col);
  void ApplyFonts();
  // Columns as wide as designed, widened to their widest text; rows as high as
  // designed, raised to the font's line height.
  void FitColumns();
  void FitRows();
  int Px(int twips) const;

  MonthGridView* view_;
  MonthTableWidget* table_;
  DisplayOptions options_;
  bool visible_ = true;
  kalnika::MonthTable cells_;
  std::optional<MonthValues> month_;
  const std::string outside_;  // the text of a cell outside the grid
};

}  // namespace kalnika::ui
