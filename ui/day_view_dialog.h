#pragma once
// The day view on screen: a window beside the main one that shows the page of one
// day (forms/frm_day.h, drawn by ui/day_page_document.h), steps to the previous or
// next day (the arrow keys, Page Up and Page Down, or its buttons), and prints it
// (with a preview) or saves it as a one-page PDF. A dialog rather than a side
// panel: at 1366 x 768 the month table needs the window's whole width, and the page
// its own room. It follows the main window: its texts change with the interface
// language, its page with the display form, and a month computed anew (another
// place, clock, method, month or year) computes its date anew for that month's
// place and clock (Follow), so that it never shows a place the window has left.
#include <QDialog>
#include <memory>
#include <optional>

#include "forms/frm_day.h"
#include "ui/day_page_document.h"
#include "ui/display_text.h"

class QPushButton;

namespace kalnika::ui {

// The page drawn in the room it is given.
class DayPageView : public QWidget {
  Q_OBJECT
 public:
  explicit DayPageView(QWidget* parent = nullptr);
  void Show(std::optional<DayPageTexts> page, const DisplayOptions& options);
  const std::optional<DayPageTexts>& Page() const { return page_; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<DayPageTexts> page_;
  DisplayOptions options_;
};

class DayViewDialog : public QDialog {
  Q_OBJECT
 public:
  DayViewDialog(QWidget* parent, MessageBox& messageBox, frmKalnika& form, DisplayOptions options);

  // Shows a date of a computed month, with that month's place and clock.
  void Open(const MonthSheet& month, const CivilDate& date);
  // Shows the page again in another display form.
  void SetDisplay(const DisplayOptions& options);
  // The main window computed a month (or refused one: nothing): the date shown is
  // computed again with that month's place and clock. Without a month, or when the
  // date cannot be computed (the model says why), the view closes.
  void Follow(const std::optional<MonthSheet>& month);

  frmDay* Model() { return model_.get(); }
  const std::optional<DayPageTexts>& Page() const;

  // The files without their file dialogs: false (after a message) when the PDF
  // could not be written.
  bool SavePdf(const QString& file);

 private:
  void Step(void (frmDay::*step)());
  void ShowModel();
  void Print();
  void Preview();
  void AskSavePdf();

  MessageBox& messageBox_;
  frmKalnika& form_;
  DisplayOptions options_;
  std::unique_ptr<frmDay> model_;
  DayPageView* view_ = nullptr;
};

}  // namespace kalnika::ui
