#include "ui/wall_calendar_view.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>
#include <QPainter>
#include <QSettings>
#include <QToolTip>
#include <algorithm>

#include "ui/wall_page_style.h"

namespace kalnika::ui {

namespace {
// Room around the page, in pixels.
constexpr double kMargin = 6.0;
}  // namespace

WallCalendarView::WallCalendarView(DisplayOptions options, QWidget* parent) : QWidget(parent), options_(options) {
  setObjectName(QStringLiteral("wallCalendar"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAutoFillBackground(false);
  setFocusPolicy(Qt::StrongFocus);  // the arrow keys choose a day, Enter opens it
}

void WallCalendarView::Show(const std::optional<MonthSheet>& sheet) {
  wall_.reset();
  if (sheet) wall_ = MakeWallCalendar(*sheet);
  page_.reset();
  selected_ = std::min(selected_, DaysShown());
  updateGeometry();  // a month of six weeks needs more room than one of five
  update();
}

int WallCalendarView::DaysShown() const {
  int days = 0;
  if (wall_)
    for (const WallWeek& week : wall_->weeks)
      for (const auto& square : week)
        if (square) days = std::max(days, square->date.day);
  return days;
}

void WallCalendarView::SelectDay(int day) {
  selected_ = day >= 1 && day <= DaysShown() ? day : 0;
  update();
}

int WallCalendarView::DayAt(const QPointF& point) {
  const std::optional<WallPageTexts>& page = Page();
  if (!page || !wall_) return 0;
  const WallGeometry g = WallPageGeometry(PageArea(), *page, WallMedium::Screen);
  for (std::size_t r = 0; r < g.squares.size() && r < wall_->weeks.size(); ++r)
    for (std::size_t c = 0; c < g.squares[r].size(); ++c)
      if (g.squares[r][c].contains(point) && wall_->weeks[r][c]) return wall_->weeks[r][c]->date.day;
  return 0;
}

void WallCalendarView::mousePressEvent(QMouseEvent* event) {
  if (const int day = DayAt(event->position())) SelectDay(day);
  QWidget::mousePressEvent(event);
}

void WallCalendarView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (const int day = DayAt(event->position())) {
    SelectDay(day);
    emit dayActivated(day);
  }
}

void WallCalendarView::keyPressEvent(QKeyEvent* event) {
  const int days = DaysShown();
  int step = 0;
  switch (event->key()) {
    case Qt::Key_Left: step = -1; break;
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up: step = -7; break;
    case Qt::Key_Down: step = 7; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (selected_ > 0) emit dayActivated(selected_);
      return;
    default: QWidget::keyPressEvent(event); return;
  }
  if (days == 0) return;
  // The first arrow chooses the 1st; the others move within the month.
  SelectDay(selected_ == 0 ? 1 : std::clamp(selected_ + step, 1, days));
}

void WallCalendarView::SetDisplay(const DisplayOptions& options) {
  options_ = options;
  page_.reset();
  updateGeometry();
  update();
}

const std::optional<WallPageTexts>& WallCalendarView::Page() {
  if (!page_ && wall_) page_ = WallTexts(*wall_, options_);
  return page_;
}

QRectF WallCalendarView::PageArea() const { return QRectF(rect()).adjusted(kMargin, kMargin / 2, -kMargin, -kMargin); }

QString WallCalendarView::ToolTipAt(const QPointF& point) {
  const std::optional<WallPageTexts>& page = Page();
  if (!page) return {};
  const WallGeometry g = WallPageGeometry(PageArea(), *page, WallMedium::Screen);
  for (std::size_t r = 0; r < g.squares.size(); ++r)
    for (std::size_t c = 0; c < g.squares[r].size(); ++c)
      if (g.squares[r][c].contains(point) && page->weeks[r][c]) return page->weeks[r][c]->toolTip;
  return {};
}

QSize WallCalendarView::sizeHint() const { return {900, 560}; }

// Squares high enough for four lines of 8-point texts beside the date (a tithi and
// a festival, each on two lines where the square is narrow): a lower window scrolls
// the page rather than leave them out. A narrow one only needs a square wide enough for a
// tithi's name.
QSize WallCalendarView::minimumSizeHint() const {
  const double line = QFontMetricsF(TextFont(options_, wall_style::kScreenLeastPoints, false), this).height() * 0.95;
  const int weeks = wall_ && !wall_->weeks.empty() ? static_cast<int>(wall_->weeks.size()) : 5;
  const int square = static_cast<int>(std::ceil(line * 4 + 12));
  return {7 * 64, static_cast<int>(28 + 18 + kMargin * 1.5) + weeks * square};
}

void WallCalendarView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const std::optional<WallPageTexts>& page = Page();
  if (!page) return;
  PaintWallPage(painter, PageArea(), *page, options_, WallMedium::Screen);
  // The chosen day's square framed, firmer while the keys go to the calendar.
  const WallGeometry g = WallPageGeometry(PageArea(), *page, WallMedium::Screen);
  for (std::size_t r = 0; r < g.squares.size() && r < wall_->weeks.size(); ++r)
    for (std::size_t c = 0; c < g.squares[r].size(); ++c)
      if (wall_->weeks[r][c] && wall_->weeks[r][c]->date.day == selected_) {
        QPen pen(palette().color(QPalette::Highlight));
        pen.setWidthF(hasFocus() ? 2.5 : 1.5);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(g.squares[r][c].adjusted(1.5, 1.5, -1.5, -1.5));
      }
}

bool WallCalendarView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = ToolTipAt(help->pos());
    if (tip.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      // The day's notes are the place file's texts: shown as they are, never as rich text.
      QToolTip::showText(help->globalPos(), PlainToolTip(tip), this);
    }
    return true;
  }
  return QWidget::event(event);
}

}  // namespace kalnika::ui
