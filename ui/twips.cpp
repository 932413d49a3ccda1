#include "ui/twips.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace kalnika::ui {

namespace {
// A child in another font. A combo box keeps the least size it measured in its
// first font; a style change makes it measure again.
void SetFont(QWidget* widget, const QFont& font) {
  widget->setFont(font);
  if (qobject_cast<QComboBox*>(widget) != nullptr) {
    QEvent changed(QEvent::StyleChange);
    QCoreApplication::sendEvent(widget, &changed);
  }
}

// Edges are scaled, not sizes, so that rectangles apart stay apart.
QRect Scaled(const QRect& r, double scale) {
  const auto s = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };
  const int left = s(r.left()), top = s(r.top());
  return {left, top, s(r.left() + r.width()) - left, s(r.top() + r.height()) - top};
}
}  // namespace

int TwipsToPixels(int twips, double dpi) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

TwipsPanel::TwipsPanel(QPoint originTwips, QSize designTwips, QWidget* parent)
    : QWidget(parent), origin_(originTwips), design_(designTwips) {
  natural_ = QSize(Px(design_.width()), Px(design_.height()));
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  setFixedHeight(natural_.height());
}

int TwipsPanel::Px(int twips) const { return TwipsToPixels(twips, logicalDpiY()); }

void TwipsPanel::Place(QWidget* child, TwipsRect rect, bool grows) {
  child->setParent(this);
  placed_.push_back({child, rect, child->font(), {}, grows});
  Measure();
}

void TwipsPanel::SetDesignFont(QWidget* child, const QFont& font) {
  for (Placed& p : placed_)
    if (p.widget == child) p.font = font;
  Measure();
}

void TwipsPanel::AddLine(QPoint fromTwips, QPoint toTwips) {
  lines_.push_back({fromTwips, toTwips});
  update();
}

void TwipsPanel::Measure() {
  // As high as designed; as wide as its lines and controls reach (the design's
  // width is the whole window's, wider than the controls under the grid).
  natural_ = QSize(0, Px(design_.height()));
  for (const Line& line : lines_)
    natural_ = natural_.expandedTo(QSize(Px(std::max(line.from.x(), line.to.x()) - origin_.x()) + 5, 0));
  for (Placed& p : placed_) {
    SetFont(p.widget, p.font);
    const QSize least = p.grows ? p.widget->minimumSizeHint() : QSize(0, 0);
    const int w = std::max(Px(p.rect.width), least.width());
    const int h = std::max(Px(p.rect.height), least.height());
    p.natural = QRect(Px(p.rect.left - origin_.x()), Px(p.rect.top - origin_.y()), w, h);
    // Keep a margin of 4 px below and right of the lowest and rightmost control.
    natural_ = natural_.expandedTo(QSize(p.natural.right() + 5, p.natural.bottom() + 5));
  }
  setMinimumWidth(static_cast<int>(std::ceil(natural_.width() * LeastScale())));
  updateGeometry();
  Apply(scale_);
}

void TwipsPanel::Apply(double scale) {
  scale_ = scale;
  for (const Placed& p : placed_) {
    const QRect rect = Scaled(p.natural, scale);
    QFont font = p.font;
    if (scale < 1.0 && font.pointSizeF() > 0) {
      // The text scales with the design, but a control's frame and arrow keep
      // their width: the text gets smaller still until the control fits its width.
      // (In height a control is drawn as high as its place.)
      double points = font.pointSizeF() * scale;
      font.setPointSizeF(points);
      SetFont(p.widget, font);
      const double least = kLeastPoints;
      // A style's own least width (of a push button, say) is no reason to shrink:
      // the text shrinks only as far as that makes the control narrower.
      const int start = p.widget->minimumSizeHint().width();
      if (p.grows && start > rect.width()) {
        int best = start;
        double bestPoints = points;
        for (double trial = points * 0.94; trial > least; trial *= 0.94) {
          font.setPointSizeF(trial);
          SetFont(p.widget, font);
          const int needed = p.widget->minimumSizeHint().width();
          if (needed < best) {
            best = needed;
            bestPoints = trial;
          }
          if (needed <= rect.width()) break;
        }
        font.setPointSizeF(bestPoints);
        SetFont(p.widget, font);
      }
    } else {
      SetFont(p.widget, font);
    }
    p.widget->setGeometry(rect);
  }
  const int height = static_cast<int>(std::lround(natural_.height() * scale));
  if (height != this->height() || maximumHeight() != height) setFixedHeight(height);
  update();
}

void TwipsPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const double scale = std::clamp(static_cast<double>(width()) / natural_.width(), LeastScale(), 1.0);
  if (std::abs(scale - scale_) > 1e-9) Apply(scale);
}

QSize TwipsPanel::sizeHint() const { return natural_; }

QSize TwipsPanel::minimumSizeHint() const {
  return {static_cast<int>(std::ceil(natural_.width() * LeastScale())),
          static_cast<int>(std::ceil(natural_.height() * LeastScale()))};
}

double TwipsPanel::LeastScale() const {
  double least = 0;
  for (const Placed& p : placed_)
    if (p.font.pointSizeF() > 0) least = std::max(least, kLeastPoints / p.font.pointSizeF());
  return std::min(least, 1.0);
}

PanelScroller::PanelScroller(TwipsPanel* panel, QWidget* parent) : QScrollArea(parent), panel_(panel) {
  setObjectName(QStringLiteral("controlPanelScroller"));
  setFrameShape(QFrame::NoFrame);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // The panel as wide as the strip, or as its least width, which the strip then
  // scrolls (a strip that resized the panel by itself would keep it at its natural
  // width's minimum hint).
  setWidgetResizable(false);
  setWidget(panel);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  // The panel's height changes with its scale and its texts; the bar comes and goes.
  panel->installEventFilter(this);
  horizontalScrollBar()->installEventFilter(this);
}

int PanelScroller::Height() const {
  const QScrollBar* bar = horizontalScrollBar();
  return panel_->height() + (bar->isVisible() ? bar->sizeHint().height() : 0);
}

QSize PanelScroller::sizeHint() const { return {panel_->sizeHint().width(), Height()}; }

// Any width: narrower than the panel, the strip scrolls.
QSize PanelScroller::minimumSizeHint() const { return {0, Height()}; }

void PanelScroller::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  const int width = std::max(viewport()->width(), panel_->minimumWidth());
  if (panel_->width() != width) panel_->resize(width, panel_->height());
  if (height() != Height()) setFixedHeight(Height());
}

bool PanelScroller::eventFilter(QObject* watched, QEvent* event) {
  const bool changed = event->type() == QEvent::Resize || event->type() == QEvent::Show || event->type() == QEvent::Hide;
  if (changed && height() != Height()) setFixedHeight(Height());
  // A panel measured again (new texts) may need another least width.
  if (watched == panel_ && event->type() == QEvent::LayoutRequest) {
    const int width = std::max(viewport()->width(), panel_->minimumWidth());
    if (panel_->width() != width) panel_->resize(width, panel_->height());
  }
  return QScrollArea::eventFilter(watched, event);
}

void TwipsPanel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::Mid), 1));
  const auto at = [this](QPoint twips) {
    return QPoint(static_cast<int>(std::lround(Px(twips.x() - origin_.x()) * scale_)),
                  static_cast<int>(std::lround(Px(twips.y() - origin_.y()) * scale_)));
  };
  for (const Line& line : lines_) painter.drawLine(at(line.from), at(line.to));
}

}  // namespace kalnika::ui
