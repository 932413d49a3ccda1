#include "ui/computed_with_line.h"

#include <QMenuBar>
#include <algorithm>

#include "ui/display_text.h"

namespace kalnika::ui {

namespace {
constexpr int kMargin = 8;  // pixels, right of the line and around the menus
}  // namespace

ComputedWithLine::ComputedWithLine(QMenuBar* bar) : bar_(bar) {
  setObjectName(QStringLiteral("lblComputedWith"));
  setContentsMargins(0, 0, kMargin, 0);
  bar_->setCornerWidget(this, Qt::TopRightCorner);
}

void ComputedWithLine::Show(const std::optional<MonthSheet>& shown) {
  QString line = shown ? QStringLiteral("%1 method  \u00B7  Clock: %2")
                             .arg(QString::fromStdString(MethodTitle(shown->values.method)),
                                  PlainText(SheetClock(*shown)))
                       : QString();
  // The classic method's reading of a quarter-hour zone is said, not hidden.
  if (shown)
    if (const std::string note = ClassicZoneNote(*shown); !note.empty())
      line += QStringLiteral("  \u00B7  ") + PlainText(note);
  if (line == toolTip()) return;
  setToolTip(line);
  Fit();
}

void ComputedWithLine::Fit() {
  // The menu bar lays out its corner anew only when it is given one; the menus
  // keep their room (a corner too wide would push Help out of sight).
  clear();
  bar_->setCornerWidget(this, Qt::TopRightCorner);
  const QList<QAction*> menus = bar_->actions();
  const int menusEnd = menus.isEmpty() ? 0 : bar_->actionGeometry(menus.last()).right();
  const int room = bar_->width() - menusEnd - 4 * kMargin;
  setText(fontMetrics().elidedText(toolTip(), Qt::ElideRight, std::max(0, room)));
  bar_->setCornerWidget(this, Qt::TopRightCorner);
}

}  // namespace kalnika::ui
