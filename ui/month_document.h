#pragma once
// The shown month as a printed page, a PDF file and a CSV file. Every stored text
// is drawn in the script of the display: Devanagari from its Unicode form (or in
// the "Xdvng" font when the user draws the stored bytes), so the printer's and the
// PDF's text is shaped like the screen, or Latin.
#include <QByteArray>
#include <QRectF>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "forms/frm_kalnika.h"
#include "ui/display_text.h"

class QPainter;
class QPrinter;

namespace kalnika::ui {

// One month as the faces print it: its values, its table and its place.
using MonthPage = MonthSheet;

// The page heading, in the table's language and script: the month and year
// ("डिसेंबर २०२६", "December 2026"), then the place with its coordinates and zone
// and the method of calculation ("स्थळ: Mumbai, Maharashtra, India (18 N 58, 072 E
// 50, UTC +05:30)   पद्धत: पारंपरिक"). Digits as chosen; Unicode or Latin, also
// when the table is drawn with the Xdvng font.
QString PageTitle(const MonthPage& page, const DisplayOptions& options);
QString PageSubtitle(const MonthPage& page, const DisplayOptions& options);

// The PDF's title: the month and its place, or for a year's pages the year and
// its place ("२०२६, Mumbai, Maharashtra, India").
QString DocumentTitle(const std::vector<MonthPage>& pages, const DisplayOptions& options);

// Draws the page into `area` (device coordinates of the painter): the title, the
// table with its headings and the era labels, in the largest type that fits.
void PaintMonthPage(QPainter& painter, const QRectF& area, const MonthPage& page,
                    const DisplayOptions& options);

// Prints the pages, one month a page.
void PrintPages(QPrinter& printer, const std::vector<MonthPage>& pages, const DisplayOptions& options);

// Writes the pages as a PDF file, one A4 landscape page a month. Returns the empty
// text on success, otherwise what failed (the file is then left as it was).
QString WritePdf(const QString& file, const std::vector<MonthPage>& pages, const DisplayOptions& options);

// The CSV of a month (display/csv.h) in the script and digits of the display
// (Unicode for the Xdvng font), after a UTF-8 byte-order mark (so that
// spreadsheets read it as UTF-8).
QByteArray MonthCsv(const MonthPage& page, const DisplayOptions& options);

// Writes bytes to a file through a temporary file renamed over it. Returns the
// empty text on success, otherwise what failed.
QString WriteFileAtomically(const QString& file, const QByteArray& bytes);

}  // namespace kalnika::ui
