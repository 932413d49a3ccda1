#include "ui/wall_calendar_view.h"

#include <QHelpEvent>
#include <QPainter>
#include <QSettings>
#include <QToolTip>

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
  update();
}

void WallCalendarView::SetDisplay(const DisplayOptions& options) {
  options_ = options;
  page_.reset();
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

// Small enough that the window lays out as for the table alone.
QSize WallCalendarView::minimumSizeHint() const { return {280, 180}; }

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
      // The day's notes are the place file's texts: shown as they are, never as rich text.
      QToolTip::showText(help->globalPos(), PlainToolTip(tip), this);
    }
    return true;
  }
  return QWidget::event(event);
}

}  // namespace kalnika::ui
