#include "ui/month_grid_view.h"

#include "almanac/name_tables.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/twips.h"

namespace kalnika::ui {

namespace {

// Room left and right of a cell's text, in pixels (the grid's own cell padding).
constexpr int kCellPadding = 10;
// Room above and below a line of text in a row, in pixels: Devanagari vowel signs
// reach to the font's ascent and descent, which a row of the bare line height clips.
constexpr int kRowPadding = 4;
// The least room: a reph or an i-sign reaches a pixel above the font's ascent, so a
// row of the bare line height clips them; below this a month scrolls instead.
constexpr int kLeastRowPadding = 2;

// Columns whose cells hold numbers or clock times and are centred.
bool Centred(int col) {
  switch (static_cast<Column>(col)) {
    case Column::Day: case Column::Year: case Column::Shaka: case Column::TithiEnd: case Column::Sunrise:
    case Column::Sunset:
      return true;
    default:
      return false;
  }
}

bool InGrid(int row, int col) { return row >= 0 && row < kTableRows && col >= 0 && col < kTableColumns; }

// The notes cell's tooltip: the day's notes one per line, a festival with the rule
// that chose its day after a dash; empty for a day without notes.
QString NotesTip(const kalnika::MonthTable& table, int row, const DisplayOptions& options) {
  QStringList lines;
  if (row < 0 || row >= kTableRows) return {};
  for (const DayNote& note : table.notes[static_cast<std::size_t>(row)]) {
    QString line = DisplayString(note.text, options);
    if (!note.rule.empty()) line += QStringLiteral(" \u2013 ") + DisplayString(note.rule, options);
    lines << line;
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

MonthTableWidget::MonthTableWidget(QWidget* parent) : QTableWidget(kTableRows, kTableColumns, parent) {
  // One stop in the window's tab order: Tab leaves the table, the arrow keys move
  // inside it.
  setTabKeyNavigation(false);
  setObjectName(QStringLiteral("Kalnika"));
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setMinimumSectionSize(1);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setFrameShape(QFrame::NoFrame);
  setRowHidden(0, true);  // shown by the heading strip
  connect(this, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
    if (row > 0) emit dayActivated(row);
  });
}

void MonthTableWidget::keyPressEvent(QKeyEvent* event) {
  // Enter on a day row opens its day view.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && event->modifiers() == Qt::NoModifier && currentRow() > 0) {
    emit dayActivated(currentRow());
    return;
  }
  // Ctrl+Tab and Ctrl+Shift+Tab leave the table as Tab and Shift+Tab do.
  const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
  if (tab && (event->modifiers() & Qt::ControlModifier)) {
    const bool back = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
    QWidget::focusNextPrevChild(!back);
    return;
  }
  QTableWidget::keyPressEvent(event);
}

void MonthTableWidget::resizeEvent(QResizeEvent* event) {
  QTableWidget::resizeEvent(event);
  emit geometryChanged();
}

void MonthTableWidget::updateGeometries() {
  QTableWidget::updateGeometries();
  emit geometryChanged();
}

MonthGridView::MonthGridView(QWidget* parent)
    : QFrame(parent), table_(new MonthTableWidget), headingStrip_(new QTableView), stripCorner_(new QWidget) {
  setObjectName(QStringLiteral("KalnikaFrame"));
  setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);  // the frame itself stands outside the contents
  layout->setSpacing(0);
  auto* strip = new QHBoxLayout;
  strip->setContentsMargins(0, 0, 0, 0);
  strip->setSpacing(0);
  strip->addWidget(headingStrip_, 1);
  strip->addWidget(stripCorner_);
  stripCorner_->setFixedWidth(0);
  layout->addLayout(strip);
  layout->addWidget(table_, 1);
  // Hidden while filled and after a refused input, the grid keeps its place.
  QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  policy.setRetainSizeWhenHidden(true);
  setSizePolicy(policy);

  headingStrip_->setObjectName(QStringLiteral("KalnikaHeadings"));
  headingStrip_->setModel(table_->model());
  headingStrip_->setSelectionModel(table_->selectionModel());
  headingStrip_->horizontalHeader()->hide();
  headingStrip_->verticalHeader()->hide();
  headingStrip_->horizontalHeader()->setMinimumSectionSize(1);
  headingStrip_->verticalHeader()->setMinimumSectionSize(1);
  headingStrip_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  headingStrip_->setFrameShape(QFrame::NoFrame);
  headingStrip_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  headingStrip_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  headingStrip_->setFocusPolicy(Qt::NoFocus);
  headingStrip_->setWordWrap(false);
  headingStrip_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  for (int r = 1; r < kTableRows; ++r) headingStrip_->setRowHidden(r, true);

  connect(table_->horizontalHeader(), &QHeaderView::sectionResized, headingStrip_,
          [this](int col, int /*oldSize*/, int size) { headingStrip_->setColumnWidth(col, size); });
  connect(table_->horizontalScrollBar(), &QScrollBar::valueChanged, headingStrip_->horizontalScrollBar(),
          &QScrollBar::setValue);
  connect(table_, &MonthTableWidget::geometryChanged, this, &MonthGridView::FollowTable);
}

void MonthGridView::SetHeadingHeight(int pixels) {
  headingHeight_ = pixels;
  headingStrip_->setRowHeight(0, pixels);
  headingStrip_->setFixedHeight(pixels);
  stripCorner_->setFixedHeight(pixels);
  updateGeometry();
}

void MonthGridView::SetNaturalWidth(int col, int pixels) {
  if (col < 0 || col >= kTableColumns) return;
  naturalWidths_[static_cast<std::size_t>(col)] = pixels;
  FitColumns();
  updateGeometry();
}

void MonthGridView::FitColumns() {
  // Every column at least as wide as its texts; a grid wider than all of them
  // shares the room beyond among the columns in proportion to their widths, so
  // that a larger or maximised window widens the whole table, not one column.
  int natural = 0;
  for (int w : naturalWidths_) natural += w;
  if (natural <= 0) return;
  const int room = table_->viewport()->width();
  const double share = room > natural ? static_cast<double>(room) / natural : 1.0;
  int used = 0;
  for (int c = 0; c < kTableColumns; ++c) {
    const int own = naturalWidths_[static_cast<std::size_t>(c)];
    const int width = share > 1.0 && c + 1 == kTableColumns ? room - used : static_cast<int>(std::floor(own * share));
    used += width;
    if (table_->columnWidth(c) != width) table_->setColumnWidth(c, width);
    if (headingStrip_->columnWidth(c) != width) headingStrip_->setColumnWidth(c, width);
  }
}

void MonthGridView::SetRowHeights(int least, int designed) {
  leastRow_ = std::max(1, least);
  designedRow_ = std::max(leastRow_, designed);
  FitRows();
  updateGeometry();
}

void MonthGridView::FitRows() {
  // The room the day rows have, below the heading strip and above a horizontal
  // scroll bar.
  int room = table_->height() - 2 * table_->frameWidth();
  if (table_->horizontalScrollBar()->isVisible()) room -= table_->horizontalScrollBar()->height();
  // Rows as high as designed, lower down to a line when the room is short, higher
  // (up to half as much again) in a taller window, which the month then fills.
  const int height = std::clamp(room / (kTableRows - 1), leastRow_, designedRow_ * 3 / 2);
  if (table_->rowHeight(1) == height) return;
  for (int r = 1; r < kTableRows; ++r) table_->setRowHeight(r, height);
}

QSize MonthGridView::sizeHint() const {
  int width = 2 * frameWidth();
  for (int w : naturalWidths_) width += w;
  return {width, 2 * frameWidth() + headingHeight_ + (kTableRows - 1) * designedRow_};
}

void MonthGridView::FollowTable() {
  FitRows();
  FitColumns();
  // The strip's columns line up with the table's: as wide as its viewport (the
  // table's vertical scroll bar, when shown, stands beside the day rows only) and
  // scrolled as far.
  const int right = table_->width() - table_->viewport()->geometry().right() - 1;
  if (stripCorner_->width() != std::max(0, right)) stripCorner_->setFixedWidth(std::max(0, right));
  headingStrip_->horizontalScrollBar()->setValue(table_->horizontalScrollBar()->value());
}

MonthGrid::MonthGrid(MonthGridView* view, DisplayOptions options)
    : view_(view), table_(view->Table()), options_(options) {
  const QBrush headingBrush = table_->palette().brush(QPalette::Button);
  for (int r = 0; r < kTableRows; ++r) {
    for (int c = 0; c < kTableColumns; ++c) {
      auto* item = new QTableWidgetItem;
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      if (r == 0) {
        item->setTextAlignment(Qt::AlignCenter);
        item->setBackground(headingBrush);
      } else {
        item->setTextAlignment(Centred(c) ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
      }
      table_->setItem(r, c, item);
    }
  }
  ApplyFonts();
  FitRows();
  FitColumns();
}

int MonthGrid::Px(int twips) const { return TwipsToPixels(twips, table_->logicalDpiY()); }

void MonthGrid::Show(const kalnika::MonthTable& table, bool visible, const MonthValues* month) {
  visible_ = visible;
  view_->setUpdatesEnabled(false);
  cells_ = table;
  month_.reset();
  if (month != nullptr) month_ = *month;
  for (int r = 0; r < kTableRows; ++r)
    for (int c = 0; c < kTableColumns; ++c) ShowCell(r, c);
  FitColumns();
  // Updates on before the grid is hidden: a widget hidden while its updates are off
  // leaves its last picture on the screen.
  view_->setUpdatesEnabled(true);
  view_->setVisible(visible);
}

const std::string& MonthGrid::Stored(int row, int col) const {
  if (!InGrid(row, col)) return outside_;
  return cells_.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void MonthGrid::SetDisplay(const DisplayOptions& options) {
  options_ = options;
  ApplyFonts();
  for (int r = 0; r < kTableRows; ++r)
    for (int c = 0; c < kTableColumns; ++c) ShowCell(r, c);
  FitRows();
  FitColumns();
}

void MonthGrid::ShowCell(int row, int col) {
  QTableWidgetItem* item = table_->item(row, col);
  if (item == nullptr) return;
  item->setText(DisplayCellString(cells_, row, col, options_));
  if (static_cast<Column>(col) == Column::Notes) item->setToolTip(PlainToolTip(NotesTip(cells_, row, options_)));
}

void MonthGrid::ApplyFonts() {
  table_->setFont(TextFont(options_, kGridPointSize, false));
  const QFont heading = TextFont(options_, kGridPointSize, true);
  for (int c = 0; c < kTableColumns; ++c)
    if (QTableWidgetItem* item = table_->item(0, c)) item->setFont(heading);
}

void MonthGrid::FitColumns() {
  const QFontMetrics cellMetrics(TextFont(options_, kGridPointSize, false), table_);
  const QFontMetrics headingMetrics(TextFont(options_, kGridPointSize, true), table_);
  for (int c = 0; c < kTableColumns; ++c) {
    int widest = 0;
    for (int r = 0; r < kTableRows; ++r) {
      const QTableWidgetItem* item = table_->item(r, c);
      if (item == nullptr || item->text().isEmpty()) continue;
      const QFontMetrics& metrics = r == 0 ? headingMetrics : cellMetrics;
      widest = std::max(widest, metrics.horizontalAdvance(item->text()));
    }
    const int designed = Px(ColumnWidths[static_cast<std::size_t>(c)]);
    view_->SetNaturalWidth(c, std::max(designed, widest > 0 ? widest + kCellPadding : 0));
  }
}

void MonthGrid::FitRows() {
  const QFontMetrics cellMetrics(TextFont(options_, kGridPointSize, false), table_);
  const QFontMetrics headingMetrics(TextFont(options_, kGridPointSize, true), table_);
  view_->SetHeadingHeight(std::max(Px(kRowHeightTwips), headingMetrics.height() + kRowPadding));
  view_->SetRowHeights(cellMetrics.height() + kLeastRowPadding,
                       std::max(Px(kRowHeightTwips), cellMetrics.height() + kRowPadding));
}

}  // namespace kalnika::ui
