#include "ui/wall_square_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPainter>
#include <QPolygonF>
#include <QStringList>
#include <algorithm>

#include "ui/wall_page_style.h"

namespace kalnika::ui {

using namespace wall_style;

namespace {

// How soon a text is left out of a square too small for all of them: the
// nakshatra first, then the skipped tithis, the tithi's end, the Sun's entry
// (a sankranti) and the lunar month beginning; the festivals and the tithi stay
// longest.
constexpr int kDropNakshatra = 6;
constexpr int kDropSkippedTithi = 5;
constexpr int kDropEnd = 4;
constexpr int kDropSignEntry = 3;
constexpr int kDropLunarMonth = 2;
constexpr int kDropFestival = 1;
constexpr int kKeep = 0;

// A text shortened to `width` by whole words with an ellipsis after them ("सूर्याचा
// धनु …"), so that no word is left cut; a first word wider than the room alone is
// cut as a word must be.
QString ShortenedByWords(const QString& text, const QFontMetricsF& metrics, double width) {
  if (metrics.horizontalAdvance(text) <= width) return text;
  const QString ellipsis = QStringLiteral("\u2026");
  QString kept;
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QString longer = kept.isEmpty() ? word : kept + QLatin1Char(' ') + word;
    if (metrics.horizontalAdvance(longer + QLatin1Char(' ') + ellipsis) > width) break;
    kept = longer;
  }
  if (kept.isEmpty()) return metrics.elidedText(text, Qt::ElideRight, width);
  return kept + QLatin1Char(' ') + ellipsis;
}

// The words of a text in lines no wider than `width`; a word wider than the line
// is cut with an ellipsis, and `cut` says so.
QStringList Wrapped(const QString& text, const QFontMetricsF& metrics, double width, bool& cut) {
  QStringList lines;
  QString line;
  for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (metrics.horizontalAdvance(longer) <= width || line.isEmpty()) {
      line = longer;
    } else {
      lines << line;
      line = word;
    }
    if (metrics.horizontalAdvance(line) > width) {
      cut = true;
      line = metrics.elidedText(line, Qt::ElideRight, width);
    }
  }
  if (!line.isEmpty()) lines << line;
  return lines;
}

}  // namespace

double SquarePainter::FittingSize(const QRectF& square, const WallSquareTexts& t) const {
  const SquareParts parts = Parts(square);
  // No larger than about half the date's height, so that the date stays the
  // first thing seen.
  double px = medium_ == WallMedium::Paper ? std::min(parts.room.width() * 0.14, parts.widest.height() * 0.5)
                                           : std::min(kScreenMostPixels, parts.widest.height() * 0.55);
  for (; px > LeastSize(); px *= 0.95)
    if (Fits(square, t, px)) return px;
  return LeastSize();
}

bool SquarePainter::Fits(const QRectF& square, const WallSquareTexts& t, double px) const {
  const SquareParts parts = Parts(square);
  bool cut = false;
  const std::vector<SmallLine> lines = Lines(t, px, parts.room.width(), cut);
  return !cut && Height(lines) <= parts.room.height();
}

double SquarePainter::LeastSize() const {
  return PointsToPixels(medium_ == WallMedium::Paper ? kPaperLeastPoints : kScreenLeastPoints, device_);
}

void SquarePainter::Paint(const QRectF& square, const WallSquareTexts& t, double px) {
  if (t.festival) painter_.fillRect(square, kFestivalSquare);
  const SquareParts parts = Parts(square);
  const QRectF tight = QFontMetricsF(parts.dateFont, device_).tightBoundingRect(t.day);
  painter_.setFont(parts.dateFont);
  painter_.setPen(t.weekday == 0 ? kSunday : kInk);
  painter_.drawText(QPointF(parts.inner.left() - tight.left(), parts.inner.top() - tight.top()), t.day);
  if (t.eclipse)
    PaintEclipse(parts.disc, *t.eclipse);
  else if (t.phase)
    PaintPhase(parts.disc, *t.phase);
  // A square that could not show all of its texts has a small mark in its
  // corner; on screen its tooltip shows them.
  if (PaintTexts(parts.room, t, px)) {
    const double m = px * 0.7;
    const QPointF corner = square.bottomRight() - QPointF(1, 1);
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(kGrid);
    painter_.drawPolygon(QPolygonF({corner, corner - QPointF(m, 0), corner - QPointF(0, m)}));
    painter_.restore();
  }
}

QFont SquarePainter::DateFont(double px) const {
  QFont font = FontOfPixels(options_, px, true, device_);
  font.setLetterSpacing(QFont::PercentageSpacing, 92);
  return font;
}

SquareParts SquarePainter::Parts(const QRectF& square) const {
  SquareParts parts;
  const double pad = std::min(square.width(), square.height()) * (medium_ == WallMedium::Paper ? 0.06 : 0.07);
  parts.inner = square.adjusted(pad, pad * 0.8, -pad, -pad * 0.7);
  const QRectF& inner = parts.inner;
  const bool side = medium_ == WallMedium::Screen && inner.width() > kSideBySide * inner.height();
  // The date, the largest text of the square: a share of its height, as wide as
  // the room allows.
  const QRectF sample = QFontMetricsF(DateFont(100), device_).tightBoundingRect(QStringLiteral("28"));
  const double heightShare = side ? 0.55 : medium_ == WallMedium::Paper ? 0.27 : 0.36;
  const double byHeight = inner.height() * heightShare / (sample.height() / 100);
  const double byWidth = inner.width() * (side ? 0.26 : 0.6) / (sample.width() / 100);
  parts.dateFont = DateFont(std::min(byHeight, byWidth));
  parts.widest = QFontMetricsF(parts.dateFont, device_).tightBoundingRect(QStringLiteral("28"));
  const QRectF& widest = parts.widest;
  // The texts beside the date or below it; the new moon a filled disc, the full
  // moon an open one, right of the date, or under it when the texts are beside it.
  const double gap = widest.height() * (side ? 0.25 : 0.18);
  parts.room = side ? inner.adjusted(widest.width() + gap * 1.5, 0, 0, 0) : inner.adjusted(0, widest.height() + gap, 0, 0);
  const double d = widest.height() * (side ? 0.32 : 0.42);
  parts.disc = side ? QRectF(inner.left() + (widest.width() - d) / 2, inner.top() + widest.height() + gap, d, d)
                    : QRectF(inner.right() - d, inner.top() + (widest.height() - d) / 2, d, d);
  return parts;
}

void SquarePainter::PaintPhase(const QRectF& disc, MoonPhase phase) {
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing);
  QPen pen(phase == MoonPhase::New ? kNewMoon : kFullMoon);
  pen.setWidthF(std::max(1.0, disc.width() * 0.12));
  painter_.setPen(pen);
  painter_.setBrush(phase == MoonPhase::New ? kNewMoon : kFullMoonFill);
  painter_.drawEllipse(disc.adjusted(pen.widthF() / 2, pen.widthF() / 2, -pen.widthF() / 2, -pen.widthF() / 2));
  painter_.restore();
}

// An eclipse in the place of the new or full moon's disc: the full Moon with the
// Earth's shadow over as much of it as the magnitude says (all of it, total), or
// the Sun with the new Moon before it (within it, annular).
void SquarePainter::PaintEclipse(const QRectF& disc, const DayEclipse& eclipse) {
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing);
  const double d = disc.width();
  const double pen = std::max(1.0, d * 0.12);
  const QRectF body = disc.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
  const double covered = std::clamp(eclipse.magnitude, 0.0, 1.0);
  QPainterPath bodyPath;
  bodyPath.addEllipse(body);
  if (eclipse.body == EclipseBody::Moon) {
    painter_.setPen(QPen(kEclipse, pen));
    painter_.setBrush(kFullMoonFill);
    painter_.drawEllipse(body);
    // The shadow comes in from the left, as far as the magnitude; a penumbral
    // eclipse only dims the Moon.
    QColor shadow = kEclipseShadow;
    if (eclipse.kind == EclipseKind::Penumbral) shadow.setAlpha(90);
    const double shift = eclipse.kind == EclipseKind::Total ? 0.0 : body.width() * (1.0 - covered);
    QPainterPath shadowPath;
    shadowPath.addEllipse(body.translated(-shift, 0));
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(shadow);
    painter_.drawPath(bodyPath.intersected(shadowPath));
  } else {
    painter_.setPen(QPen(kSunDisc, pen));
    painter_.setBrush(kSunDisc);
    painter_.drawEllipse(body);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(kNewMoon);
    if (eclipse.kind == EclipseKind::Annular) {
      const double ring = body.width() * 0.18;
      painter_.drawEllipse(body.adjusted(ring, ring, -ring, -ring));
    } else {
      const double shift = eclipse.kind == EclipseKind::Total ? 0.0 : body.width() * (1.0 - covered);
      QPainterPath moon;
      moon.addEllipse(body.translated(shift, 0));
      painter_.drawPath(bodyPath.intersected(moon));
    }
  }
  painter_.restore();
}

std::vector<SmallLine> SquarePainter::Lines(const WallSquareTexts& t, double px, double width, bool& cut) const {
  std::vector<SmallLine> lines;
  const QFont regular = FontOfPixels(options_, px, false, device_);
  const QFont bold = FontOfPixels(options_, px, true, device_);
  QFont italic = regular;
  italic.setItalic(true);
  const QFontMetricsF regularMetrics(regular, device_);
  const QFontMetricsF boldMetrics(bold, device_);
  int group = 0;
  const auto single = [&](const QString& text, const QFont& font, const QColor& color, double room, int drop) {
    const QFontMetricsF metrics(font, device_);
    SmallLine line{text, font, color, {}, regular, false, group++, drop, text};
    if (metrics.horizontalAdvance(text) > room) {
      cut = true;
      line.text = ShortenedByWords(text, metrics, room);
    }
    return line;
  };

  // The tithi, at the new and full moon in the colour of the disc, and its end
  // after it where the line has room, else under it.
  const QFont tithiFont = t.phase ? bold : regular;
  const QColor tithiColor = !t.phase ? kInk : *t.phase == MoonPhase::New ? kNewMoon : kFullMoon;
  const double both = QFontMetricsF(tithiFont, device_).horizontalAdvance(t.tithi + QLatin1Char(' ')) +
                      regularMetrics.horizontalAdvance(t.tithiEnd);
  if (endBeside_ && both <= width) {
    lines.push_back({t.tithi, tithiFont, tithiColor, t.tithiEnd, regular, false, group++, kKeep, t.tithi});
  } else {
    cut = cut || endBeside_;  // a square that cannot have it beside does not fit
    // A tithi wider than the square wraps (कृष्ण / त्रयोदशी) rather than lose its name.
    const int tithiGroup = group++;
    for (const QString& text : Wrapped(t.tithi, QFontMetricsF(tithiFont, device_), width, cut))
      lines.push_back({text, tithiFont, tithiColor, {}, regular, false, tithiGroup, kKeep, t.tithi});
    lines.push_back(single(t.tithiEnd, regular, kMuted, width, kDropEnd));
  }
  lines.push_back(single(t.nakshatra, regular, kMuted, width, kDropNakshatra));
  if (!t.lunarMonthBegins.isEmpty()) {
    SmallLine tag = single(t.lunarMonthBegins, bold, kMonthTag, width - boldMetrics.height() * 0.4, kDropLunarMonth);
    tag.tag = true;
    lines.push_back(tag);
  }
  for (const WallSquareTexts::Note& note : t.notes) {
    const bool festival = note.kind == NoteKind::Auspicious;
    const bool skipped = note.kind == NoteKind::SkippedTithi;
    const bool eclipse = note.kind == NoteKind::Eclipse;  // stays as long as a festival
    const QFont& font = festival || eclipse ? bold : skipped ? italic : regular;
    const QColor color = festival ? kFestival : eclipse ? kEclipse : skipped ? kMuted : kSignEntry;
    const int drop = festival || eclipse ? kDropFestival : skipped ? kDropSkippedTithi : kDropSignEntry;
    for (const QString& text : Wrapped(note.text, QFontMetricsF(font, device_), width, cut))
      lines.push_back({text, font, color, {}, regular, false, group, drop, note.text});
    ++group;
  }
  return lines;
}

double SquarePainter::LineHeight(const QFont& font) const {
  // Devanagari fonts keep room above the headline for the vowel signs and below
  // for the conjuncts: their line is about 1.5 em; a little less keeps the lines
  // close without touching.
  return QFontMetricsF(font, device_).height() * 0.95;
}

double SquarePainter::Height(const std::vector<SmallLine>& lines) const {
  double height = 0;
  for (const SmallLine& line : lines) height += LineHeight(line.font);
  return height;
}

bool SquarePainter::PaintTexts(const QRectF& room, const WallSquareTexts& t, double px) {
  bool cut = false;
  std::vector<SmallLine> lines = Lines(t, px, room.width(), cut);
  // Where the room is too small for all, the texts most needed are kept, as many
  // as fit, in their order; a note too long for the room left gets one line and
  // an ellipsis.
  bool omitted = false;
  if (Height(lines) > room.height() + 0.5) {
    std::vector<int> order;  // the groups, most needed first
    for (const SmallLine& line : lines)
      if (std::find(order.begin(), order.end(), line.group) == order.end()) order.push_back(line.group);
    const auto dropOf = [&lines](int group) {
      return std::find_if(lines.begin(), lines.end(), [group](const SmallLine& l) { return l.group == group; })->drop;
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return dropOf(a) < dropOf(b); });
    double left = room.height() + 0.5;
    std::vector<SmallLine> kept;
    for (int group : order) {
      std::vector<SmallLine> texts;
      std::copy_if(lines.begin(), lines.end(), std::back_inserter(texts),
                   [group](const SmallLine& l) { return l.group == group; });
      if (Height(texts) > left && texts.size() > 1 && LineHeight(texts.front().font) <= left) {
        SmallLine one = texts.front();
        one.text = ShortenedByWords(one.whole, QFontMetricsF(one.font, device_), room.width());
        texts = {one};
        omitted = true;
      }
      if (Height(texts) > left && dropOf(group) != kKeep) {
        omitted = true;
        continue;
      }
      left -= Height(texts);
      kept.insert(kept.end(), texts.begin(), texts.end());
    }
    std::stable_sort(kept.begin(), kept.end(), [](const SmallLine& a, const SmallLine& b) { return a.group < b.group; });
    lines = kept;
  }
  double y = room.top();
  for (const SmallLine& line : lines) {
    const double height = LineHeight(line.font);
    if (y + height > room.bottom() + 0.5 && y > room.top()) break;
    PaintLine(QRectF(room.left(), y, room.width(), height), line);
    y += height;
  }
  return omitted;
}

void SquarePainter::PaintLine(const QRectF& rect, const SmallLine& line) {
  const QFontMetricsF metrics(line.font, device_);
  // The text's baseline where the full line height would put it, centred.
  const double baseline = rect.top() + (rect.height() - metrics.height()) / 2 + metrics.ascent();
  if (line.tag) {
    const double w = metrics.horizontalAdvance(line.text) + metrics.height() * 0.4;
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(kMonthTagFill);
    painter_.drawRoundedRect(QRectF(rect.left(), rect.top() + rect.height() * 0.06, w, rect.height() * 0.88),
                             rect.height() * 0.2, rect.height() * 0.2);
    painter_.restore();
  }
  const double x = rect.left() + (line.tag ? metrics.height() * 0.2 : 0);
  painter_.setFont(line.font);
  painter_.setPen(line.color);
  painter_.drawText(QPointF(x, baseline), line.text);
  if (!line.after.isEmpty()) {
    painter_.setFont(line.afterFont);
    painter_.setPen(kMuted);
    painter_.drawText(QPointF(x + metrics.horizontalAdvance(line.text + QLatin1Char(' ')), baseline), line.after);
  }
}

}  // namespace kalnika::ui
