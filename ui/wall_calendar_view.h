#pragma once
// The wall calendar of the shown month on screen, beside the month table: the
// window shows one of the two (View menu), and both show the model's shown month.
#include <QWidget>
#include <optional>

#include "forms/frm_kalnika.h"
#include "ui/display_text.h"
#include "ui/wall_calendar_document.h"

namespace kalnika::ui {

class WallCalendarView : public QWidget {
  Q_OBJECT
 public:
  explicit WallCalendarView(DisplayOptions options, QWidget* parent = nullptr);

  // Shows the wall calendar of a computed month, or an empty page when none is
  // shown (after a refused input).
  void Show(const std::optional<MonthSheet>& sheet);
  // Shows the texts again in another display form and font.
  void SetDisplay(const DisplayOptions& options);

  // The page shown: its displayed texts, none when no month is shown.
  const std::optional<WallPageTexts>& Page();
  // The tooltip of the square at a point of the widget: the whole of the day's
  // texts, or the empty text outside the squares of dates.
  QString ToolTipAt(const QPointF& point);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  // The date chosen with the mouse or the arrow keys (1..31), or 0 for none; a
  // month shown anew keeps the day where it has it.
  int SelectedDay() const { return selected_; }
  void SelectDay(int day);
  // The day of the square at a point of the widget, or 0.
  int DayAt(const QPointF& point);

 signals:
  // A square was double-clicked, or Enter pressed on the chosen one: its day view.
  void dayActivated(int day);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QRectF PageArea() const;
  int DaysShown() const;
  int selected_ = 0;

  DisplayOptions options_;
  std::optional<WallCalendar> wall_;
  // The displayed texts, made when the page is first drawn after a change (the
  // window shows the model again after every click, the page only while chosen).
  std::optional<WallPageTexts> page_;
};

}  // namespace kalnika::ui
