#include "ui/wall_calendar_view.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <cmath>
#include <QPainter>
#include <QSettings>
#include <QToolTip>

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
}

void WallCalendarView::Show(const std::optional<MonthSheet>& sheet) {
  wall_.reset();
  if (sheet) wall_ = MakeWallCalendar(*sheet);
  page_.reset();
  updateGeometry();  // a month of six weeks needs more room than one of five
  update();
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
  if (const std::optional<WallPageTexts>& page = Page()) PaintWallPage(painter, PageArea(), *page, options_, WallMedium::Screen);
}

bool WallCalendarView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = ToolTipAt(help->pos());
    if (tip.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
  }
  return QWidget::event(event);
}

}  // namespace kalnika::ui
