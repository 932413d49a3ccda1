#pragma once
// The wall calendar drawn: on screen, on the printer and as PDF pages, one month
// a page, from the page model forms/wall_calendar.h. Every stored text is shown
// through DisplayString (ui/display_text.h) in the font of the display options,
// so Devanagari is shaped like the table's (HarfBuzz, through Qt).
#include <QRectF>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "forms/wall_calendar.h"
#include "ui/display_text.h"

class QPainter;
class QPrinter;

namespace kalnika::ui {

// Where a page is drawn: a window, whose squares are short and wide and whose
// notes may be cut short (the square's tooltip has them whole), or a sheet of
// paper, portrait, whose notes shrink to fit.
enum class WallMedium { Screen, Paper };

// The displayed texts of a square.
struct WallSquareTexts {
  int weekday = 0;
  QString day, tithi, tithiEnd, nakshatra, lunarMonthBegins;
  std::optional<MoonPhase> phase;
  std::optional<DayEclipse> eclipse;  // drawn over the new or full moon's disc
  struct Note {
    NoteKind kind;
    QString text;
  };
  std::vector<Note> notes;
  bool festival = false;  // a note of the place file (an auspicious day) is among them
  // The whole square, as its tooltip shows it: the date and weekday, the tithi
  // with its end, the nakshatra, the lunar month beginning, every note.
  QString toolTip;
};

// The displayed texts of a page, made once for a month and a display choice.
struct WallPageTexts {
  QString title;        // "डिसेंबर २०२६"
  QString lunarMonths;  // "कार्तिक – मार्गशीर्ष"
  QString eras;         // "शके १९४८ पराभव · विक्रम संवत २०८३"
  QString placeName;    // "Mumbai, Maharashtra, India"
  QString footer;       // the place with its coordinates and zone, the method
  std::array<QString, 7> weekdays;
  std::vector<std::array<std::optional<WallSquareTexts>, 7>> weeks;
};

WallPageTexts WallTexts(const WallCalendar& wall, const DisplayOptions& options);

// The rectangles of a page drawn into `area` (device coordinates): the header and
// each week's seven squares.
struct WallGeometry {
  QRectF header, weekdays;
  std::vector<std::array<QRectF, 7>> squares;
  QRectF footer;  // paper only
};
WallGeometry WallPageGeometry(const QRectF& area, const WallPageTexts& page, WallMedium medium);

// Draws the page into `area` of the painter's device.
void PaintWallPage(QPainter& painter, const QRectF& area, const WallPageTexts& page, const DisplayOptions& options,
                   WallMedium medium);

// The PDF's title: दिनदर्शिका ("calendar"), the month (or for a year's pages the
// year) and the place: "दिनदर्शिका डिसेंबर २०२६, Mumbai, Maharashtra, India".
QString WallDocumentTitle(const std::vector<MonthSheet>& sheets, const DisplayOptions& options);

// Prints the months, one a page, on the printer as it is set up.
void PrintWallPages(QPrinter& printer, const std::vector<MonthSheet>& sheets, const DisplayOptions& options);

// Writes the months as a PDF file, one A4 portrait page a month, through a
// temporary file renamed over the file when complete. Returns the empty text on
// success, otherwise what failed (the file is then left as it was).
QString WriteWallPdf(const QString& file, const std::vector<MonthSheet>& sheets, const DisplayOptions& options);

}  // namespace kalnika::ui
