#pragma once
// One date's square of the wall calendar drawn: the date large at its top left,
// the new or full moon's disc (an eclipse's over it), and the small texts (tithi and its end, nakshatra,
// lunar month beginning, notes) in the room left, at a size the page chooses; where
// the room is too small, the least needed texts go first and a corner mark says so.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

#include "ui/wall_calendar_document.h"

namespace kalnika::ui {

// One line of a square's small texts, and optionally a second, lighter text after
// it on the same line (the tithi's end after the tithi).
struct SmallLine {
  QString text;
  QFont font;
  QColor color;
  QString after;
  QFont afterFont;
  bool tag = false;  // drawn on a coloured ground: the lunar month beginning
  // Which text the line belongs to (a note may take several lines), and how soon
  // that text is left out of a square too small for all: the higher, the sooner.
  int group = 0;
  int drop = 0;
  QString whole;  // a note's whole text, on each of its lines
};

// Where the parts of a square go: the date at the top left, the texts below it
// (or beside it in a wide square), the new or full moon's disc.
struct SquareParts {
  QRectF inner;
  QFont dateFont;
  QRectF widest;  // the tight box of a wide two-digit date, from its baseline
  QRectF room;    // the small texts
  QRectF disc;
};

class SquarePainter {
 public:
  SquarePainter(QPainter& painter, const DisplayOptions& options, WallMedium medium)
      : painter_(painter), options_(options), medium_(medium), device_(painter.device()) {}

  // Whether the tithi's end stands on the tithi's line; otherwise under it.
  void SetEndBeside(bool beside) { endBeside_ = beside; }

  // The largest size of the small texts, in pixels, at which the square shows
  // them whole, or the least size.
  double FittingSize(const QRectF& square, const WallSquareTexts& t) const;
  bool Fits(const QRectF& square, const WallSquareTexts& t, double px) const;
  double LeastSize() const;

  // Paints a square with its small texts `px` pixels high.
  void Paint(const QRectF& square, const WallSquareTexts& t, double px);

 private:
  // The date's font: bold, its digits a little closer than the font sets them
  // (the Devanagari digits stand wide apart at this size).
  QFont DateFont(double px) const;
  SquareParts Parts(const QRectF& square) const;
  void PaintPhase(const QRectF& disc, MoonPhase phase);
  void PaintEclipse(const QRectF& disc, const DayEclipse& eclipse);

  // The small texts at one size; `cut` says whether any had to be cut.
  std::vector<SmallLine> Lines(const WallSquareTexts& t, double px, double width, bool& cut) const;
  double LineHeight(const QFont& font) const;
  double Height(const std::vector<SmallLine>& lines) const;

  // Paints the small texts; returns whether some had to be left out.
  bool PaintTexts(const QRectF& room, const WallSquareTexts& t, double px);
  void PaintLine(const QRectF& rect, const SmallLine& line);
  QPainter& painter_;
  const DisplayOptions& options_;
  WallMedium medium_;
  QPaintDevice* device_;
  bool endBeside_ = true;
};

}  // namespace kalnika::ui
