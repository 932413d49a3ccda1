#pragma once
#include <QObject>

namespace kalnika::ui_test {

// The File menu's PDF, CSV and iCalendar files of the shown month and year.
class ExportTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void pdfPagesRenderWithTheirTexts_data();
  void pdfPagesRenderWithTheirTexts();
  void yearPdfLeavesTheWindowAsItWas();
  void csvHoldsTheShownMonthInUnicode_data();
  void csvHoldsTheShownMonthInUnicode();
  void calendarExportHoldsTheShownMonthOrYear_data();
  void calendarExportHoldsTheShownMonthOrYear();
  void failedWritesAreReported_data();
  void failedWritesAreReported();
};

}  // namespace kalnika::ui_test
