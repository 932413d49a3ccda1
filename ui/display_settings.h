#pragma once
// The choices of the View menu, remembered between runs in the application's
// settings: how the texts are displayed (script and digits, drawing with the Xdvng
// font), and how a month is calculated (method, clock).
#include <QObject>
#include <functional>

#include "forms/frm_kalnika.h"
#include "ui/display_text.h"

class QAction;
class QMenu;

namespace kalnika::ui {

DisplayOptions LoadDisplayOptions();  // prepared (DisplayOptions::Prepared)
void StoreDisplayOptions(const DisplayOptions& options);

// How a month is calculated: the model's method and clock setting.
struct CalculationSettings {
  Method method = Method::Precise;
  ClockSetting clock = ClockSetting::Automatic;
  bool operator==(const CalculationSettings&) const = default;
};
CalculationSettings LoadCalculationSettings();
void StoreCalculationSettings(const CalculationSettings& settings);

// The View menu's display part: the script (Devanagari, Devanagari with Western
// digits, Latin, and the advanced Latin with ISO 15919 marks) and, while the font
// is installed, drawing the stored bytes with the Xdvng font. A choice calls
// `chosen`.
class DisplayMenu : public QObject {
 public:
  DisplayMenu(QMenu* view, const DisplayOptions& shown, std::function<void(const DisplayOptions&)> chosen);
  // Checks the actions of the options shown.
  void Show(const DisplayOptions& options);

 private:
  DisplayOptions Chosen() const;

  QAction* devanagariDigits_;
  QAction* westernDigits_;
  QAction* latin_;
  QAction* iso15919_;
  QAction* xdvngFont_;
  std::function<void(const DisplayOptions&)> chosen_;
  bool showing_ = false;  // while Show checks the actions, they choose nothing
};

// The View menu's calculation part: the method (Classic, Precise) and the clock
// (automatic from the place's time zone, or set by the daylight-saving box). A
// choice calls `chosen`.
class CalculationMenu : public QObject {
 public:
  CalculationMenu(QMenu* view, const CalculationSettings& shown,
                  std::function<void(const CalculationSettings&)> chosen);
  void Show(const CalculationSettings& settings);

 private:
  CalculationSettings Chosen() const;

  QAction* classic_;
  QAction* precise_;
  QAction* automaticClock_;
  QAction* manualClock_;
  std::function<void(const CalculationSettings&)> chosen_;
  bool showing_ = false;
};

// Which face of the month the window shows, remembered between runs: the month
// table or the wall calendar, chosen in the View menu (Ctrl+1, Ctrl+2).
enum class MonthView { Table, Wall };
MonthView LoadMonthView();
void StoreMonthView(MonthView view);

class MonthViewMenu : public QObject {
 public:
  MonthViewMenu(QMenu* view, MonthView shown, std::function<void(MonthView)> chosen);
  void Show(MonthView shown);

 private:
  QAction* table_;
  QAction* wall_;
};

}  // namespace kalnika::ui
