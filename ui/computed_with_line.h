#pragma once
// The line right of the window's menus: the method and the clock the month shown
// was computed with ("Classic method · Clock: UTC +05:30"). It takes room the menu
// bar has anyway; where the window is narrow it is cut short, its tooltip whole.
#include <QLabel>
#include <optional>

#include "forms/frm_kalnika.h"

class QMenuBar;

namespace kalnika::ui {

// How the clocks of a month were set, in the interface language (SheetClock):
// "Europe/London (automatic): UTC +00:00, from 29 March +01:00".
QString ClockLine(const MonthSheet& sheet);

class ComputedWithLine : public QLabel {
 public:
  explicit ComputedWithLine(QMenuBar* bar);
  // The month shown, or none (nothing is written then).
  void Show(const std::optional<MonthSheet>& shown);
  // Cuts the line to the room right of the menus; on every resize of the window.
  void Fit();

 private:
  QMenuBar* bar_;
};

}  // namespace kalnika::ui
