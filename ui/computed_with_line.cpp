#include "ui/computed_with_line.h"

#include <QCoreApplication>
#include <QDate>
#include <QMenuBar>
#include <algorithm>

#include "ui/display_text.h"
#include "ui/language.h"

namespace kalnika::ui {

namespace {
constexpr int kMargin = 8;  // pixels, right of the line and around the menus
}  // namespace

ComputedWithLine::ComputedWithLine(QMenuBar* bar) : bar_(bar) {
  setObjectName(QStringLiteral("lblComputedWith"));
  setContentsMargins(0, 0, kMargin, 0);
  bar_->setCornerWidget(this, Qt::TopRightCorner);
}

QString ClockLine(const MonthSheet& sheet) {
  QString text = !sheet.zoneName.empty()
                     ? QCoreApplication::translate("MainWindow", "%1 (automatic)").arg(PlainText(sheet.zoneName))
                 : sheet.daylightSaving ? QCoreApplication::translate("MainWindow", "by the daylight-saving box (ticked)")
                                        : QCoreApplication::translate("MainWindow", "by the daylight-saving box");
  text += QLatin1Char(':');
  const std::vector<OffsetFrom> offsets = SheetOffsets(sheet);
  for (std::size_t i = 0; i < offsets.size(); ++i) {
    const QString offset = QString::fromStdString(OffsetText(offsets[i].hours));
    if (i == 0) {
      text += QStringLiteral(" UTC ") + offset;
    } else {
      const QDate date(offsets[i].date.year, offsets[i].date.month, offsets[i].date.day);
      text += QCoreApplication::translate("MainWindow", ", from %1 %2")
                  .arg(QLocale().toString(date, QStringLiteral("d MMMM")), offset);
    }
  }
  return text;
}

void ComputedWithLine::Show(const std::optional<MonthSheet>& shown) {
  const QString method = shown && shown->values.method == Method::Precise
                             ? QCoreApplication::translate("MainWindow", "Precise method")
                             : QCoreApplication::translate("MainWindow", "Classic method");
  QString line = shown ? QCoreApplication::translate("MainWindow", "%1  ·  Clock: %2").arg(method, ClockLine(*shown))
                       : QString();
  // The classic method's reading of a quarter-hour zone is said, not hidden.
  if (shown)
    if (const std::optional<Message> note = ClassicZoneNote(*shown))
      line += QStringLiteral("  \u00B7  ") + TranslatedMessage(*note);
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
