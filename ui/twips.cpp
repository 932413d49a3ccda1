#include "ui/twips.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kalnika::ui {

int TwipsToPixels(int twips, double dpi) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

TwipsPanel::TwipsPanel(QPoint originTwips, QSize designTwips, QWidget* parent)
    : QWidget(parent), origin_(originTwips), design_(designTwips) {
  needed_ = QSize(Px(design_.width()), Px(design_.height()));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

int TwipsPanel::Px(int twips) const { return TwipsToPixels(twips, logicalDpiY()); }

void TwipsPanel::Place(QWidget* child, TwipsRect rect) {
  child->setParent(this);
  placed_.push_back({child, rect});
  Relayout();
}

void TwipsPanel::AddLine(QPoint fromTwips, QPoint toTwips) {
  lines_.push_back({fromTwips, toTwips});
  update();
}

void TwipsPanel::Relayout() {
  needed_ = QSize(Px(design_.width()), Px(design_.height()));
  for (const Placed& p : placed_) {
    const QSize least = p.widget->minimumSizeHint();
    const int w = std::max(Px(p.rect.width), least.width());
    const int h = std::max(Px(p.rect.height), least.height());
    const QRect r(Px(p.rect.left - origin_.x()), Px(p.rect.top - origin_.y()), w, h);
    p.widget->setGeometry(r);
    // Keep a margin of 4 px below and right of the lowest and rightmost control.
    needed_ = needed_.expandedTo(QSize(r.right() + 5, r.bottom() + 5));
  }
  setFixedSize(needed_);
  updateGeometry();
  update();
}

QSize TwipsPanel::sizeHint() const { return needed_; }
QSize TwipsPanel::minimumSizeHint() const { return needed_; }

void TwipsPanel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::Mid), 1));
  for (const Line& line : lines_)
    painter.drawLine(QPoint(Px(line.from.x() - origin_.x()), Px(line.from.y() - origin_.y())),
                     QPoint(Px(line.to.x() - origin_.x()), Px(line.to.y() - origin_.y())));
}

}  // namespace kalnika::ui
