#pragma once
// The page of one day drawn: in the day view and on one A4 portrait page (print,
// PDF), from the page model almanac/day_text.h of a computed day (forms/frm_day.h).
// Every stored text is shown through DisplayString (ui/display_text.h) in the font
// of the display options, like every other face.
#include <QRectF>
#include <QString>
#include <vector>

#include "forms/frm_day.h"
#include "ui/display_text.h"

class QPainter;
class QPrinter;

namespace kalnika::ui {

// Where the page is drawn: the day view, or a sheet of paper.
enum class DayMedium { Screen, Paper };

// The displayed texts of a day's page, made once for a day and a display choice.
struct DayPageTexts {
  QString title;     // "सोम १४ सप्टेंबर २०२६"
  QString lunarDay;  // "भाद्रपद शुक्ल तृतीया"
  QString eras;      // "शके १९४८ पराभव  विक्रम संवत २०८२"
  QString place;     // "स्थळ: Mumbai, ... (18 N 58, 072 E 50, UTC +05:30)   पद्धत: दृक्सिद्ध"
  struct Note {
    NoteKind kind;
    QString text;
  };
  std::vector<Note> notes;
  struct Line {
    QString label, value;
    QString from, until;  // a span's two clocks, or a moment's (until) alone
    QString after;        // पर्यंत, अदृश्य
    bool unseen = false;  // a moment of an eclipse the place does not see (अदृश्य)
  };
  struct Section {
    QString title;
    std::vector<Line> lines;
  };
  std::vector<Section> sections;
};

DayPageTexts DayTexts(const DaySheet& day, const DisplayOptions& options);

// Draws the page into `area` of the painter's device: the date and its lunar day
// above, the sections in two or three columns below (whichever allows the larger
// type), in the largest type that shows every line.
void PaintDayPage(QPainter& painter, const QRectF& area, const DayPageTexts& page, const DisplayOptions& options,
                  DayMedium medium);

// The PDF's title: the date and the place ("सोम १४ सप्टेंबर २०२६, Mumbai, ...").
QString DayDocumentTitle(const DaySheet& day, const DisplayOptions& options);

// Prints the page on the printer as it is set up.
void PrintDayPage(QPrinter& printer, const DaySheet& day, const DisplayOptions& options);

// Writes the page as a one-page A4 portrait PDF, through a temporary file renamed
// over the file when complete. Returns the empty text on success, otherwise what
// failed (the file is then left as it was).
QString WriteDayPdf(const QString& file, const DaySheet& day, const DisplayOptions& options);

}  // namespace kalnika::ui
