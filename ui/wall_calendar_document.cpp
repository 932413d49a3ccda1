#include "ui/wall_calendar_document.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPolygonF>
#include <QPrinter>
#include <QStringList>
#include <algorithm>
#include <iterator>
#include <limits>

#include "almanac/display_text.h"
#include "almanac/name_tables.h"
#include "ui/paged_output.h"

namespace kalnika::ui {

namespace {

// Colours of the page: black ink, Sundays in red as Marathi wall calendars print
// them, festivals in deep red on a light saffron square, the Sun's entries in blue.
const QColor kInk(0x20, 0x20, 0x20);
const QColor kMuted(0x55, 0x55, 0x55);
const QColor kSunday(0xC6, 0x28, 0x28);
const QColor kTitle(0x7B, 0x1F, 0x1F);
const QColor kFestival(0xA0, 0x19, 0x1B);
const QColor kFestivalSquare(0xFF, 0xF3, 0xE0);
const QColor kSignEntry(0x1F, 0x5A, 0x8B);
const QColor kNewMoon(0x1A, 0x23, 0x7E);
const QColor kFullMoon(0xA8, 0x60, 0x00);
const QColor kFullMoonFill(0xFF, 0xF1, 0xB8);
const QColor kMonthTag(0x6D, 0x3B, 0x00);
const QColor kMonthTagFill(0xFA, 0xE2, 0xBD);
const QColor kOutside(0xF3, 0xF1, 0xEE);
const QColor kBand(0xF2, 0xE2, 0xCC);
const QColor kGrid(0xB5, 0xA6, 0x94);

// Sizes on paper, as shares of the page's height: the month's title, the lunar
// months under it, the eras, the footer, the band of weekday names.
constexpr double kPaperTitle = 0.040;
constexpr double kPaperLunar = 0.021;
constexpr double kPaperEras = 0.0135;
constexpr double kPaperFooter = 0.0105;
constexpr double kPaperBand = 0.027;
// Least type of a square's small texts: on paper 4.8 pt, still legible printed;
// on screen 10 pixels (7.5 pt), below which the notes are cut and the tooltip
// holds them.
constexpr double kPaperLeastPoints = 4.8;
constexpr double kScreenLeastPixels = 10.0;
constexpr double kScreenMostPixels = 15.0;
// A square whose inner room is this many times wider than high puts the date at
// its left and the texts beside it (the window's squares); otherwise below it.
constexpr double kSideBySide = 1.7;

QString Shown(std::string_view stored, const DisplayOptions& options) { return DisplayString(stored, options); }

QString Joined(const std::vector<std::string>& parts, const DisplayOptions& options) {
  QStringList shown;
  for (const std::string& part : parts) shown << Shown(part, options);
  return shown.join(QStringLiteral(" \u2013 "));
}

// A font whose em is `pixels` device pixels high.
QFont FontOfPixels(const DisplayOptions& options, double pixels, bool bold, const QPaintDevice* device) {
  return TextFont(options, std::max(1.0, pixels * 72.0 / device->logicalDpiY()), bold);
}

double PointsToPixels(double points, const QPaintDevice* device) { return points * device->logicalDpiY() / 72.0; }

// Words of the tooltip, stored: नक्षत्र (the table's heading), पर्यंत ("until").
constexpr const char* kUntilWord = "p:y:\xFC\xF6t:";

}  // namespace

WallPageTexts WallTexts(const WallCalendar& wall, const DisplayOptions& options) {
  WallPageTexts page;
  page.title = Shown(wall.monthName, options) + QLatin1Char(' ') + Shown(wall.year, options);
  page.lunarMonths = Joined(wall.lunarMonths, options);
  if (!wall.shakaYears.empty())
    page.eras = Shown(kShakaWord, options) + QLatin1Char(' ') + Joined(wall.shakaYears, options) +
                QStringLiteral("   \u00B7   ") + Shown(kVikramWord, options) + QLatin1Char(' ') +
                Joined(wall.vikramYears, options);
  page.placeName = PlainText(wall.placeName);
  page.footer = Shown(kPlaceWord, options) + QStringLiteral(": ") + PlainText(wall.place) + QStringLiteral("     ") +
                Shown(kMethodWord, options) + QStringLiteral(": ") + Shown(MethodName(wall.method), options);
  for (std::size_t d = 0; d < page.weekdays.size(); ++d) page.weekdays[d] = Shown(wall.weekdays[d], options);
  const QString nakshatraWord = Shown(ColumnHeadings[10], options);
  const QString until = Shown(kUntilWord, options);
  for (const WallWeek& week : wall.weeks) {
    auto& shownWeek = page.weeks.emplace_back();
    for (std::size_t c = 0; c < week.size(); ++c) {
      if (!week[c]) continue;
      const WallSquare& square = *week[c];
      WallSquareTexts& t = shownWeek[c].emplace();
      t.weekday = square.weekday;
      t.day = Shown(square.day, options);
      t.tithi = Shown(square.tithi, options);
      t.tithiEnd = Shown(square.tithiEnd, options);
      t.nakshatra = Shown(square.nakshatra, options);
      t.lunarMonthBegins = Shown(square.lunarMonthBegins, options);
      t.phase = square.phase;
      QStringList tip{t.day + QLatin1Char(' ') + Shown(wall.monthName, options) + QStringLiteral(", ") +
                          page.weekdays[c],
                      t.tithi + QLatin1Char(' ') + t.tithiEnd + QLatin1Char(' ') + until,
                      nakshatraWord + QStringLiteral(": ") + t.nakshatra};
      if (!t.lunarMonthBegins.isEmpty()) tip << t.lunarMonthBegins;
      for (const DayNote& note : square.notes) {
        t.notes.push_back({note.kind, Shown(note.text, options)});
        t.festival = t.festival || note.kind == NoteKind::Auspicious;
        tip << t.notes.back().text;
      }
      t.toolTip = tip.join(QLatin1Char('\n'));
    }
  }
  return page;
}

WallGeometry WallPageGeometry(const QRectF& area, const WallPageTexts& page, WallMedium medium) {
  WallGeometry g;
  const double h = area.height();
  double headerHeight = 0, bandHeight = 0, footerHeight = 0;
  if (medium == WallMedium::Paper) {
    headerHeight = h * (kPaperTitle * 1.55 + kPaperLunar * 1.65 + kPaperEras * 2.2);
    bandHeight = h * kPaperBand;
    footerHeight = h * kPaperFooter * 2.4;
  } else {
    const double title = std::clamp(h * 0.06, 16.0, 30.0);
    headerHeight = title * 1.75;
    bandHeight = std::clamp(h * 0.045, 18.0, 28.0);
  }
  g.header = QRectF(area.left(), area.top(), area.width(), headerHeight);
  g.weekdays = QRectF(area.left(), g.header.bottom(), area.width(), bandHeight);
  g.footer = QRectF(area.left(), area.bottom() - footerHeight, area.width(), footerHeight);
  const QRectF grid(area.left(), g.weekdays.bottom(), area.width(), g.footer.top() - g.weekdays.bottom());
  const double rows = static_cast<double>(std::max<std::size_t>(page.weeks.size(), 1));
  const double w = grid.width() / 7.0;
  const double rowHeight = grid.height() / rows;
  for (std::size_t r = 0; r < page.weeks.size(); ++r) {
    auto& row = g.squares.emplace_back();
    for (std::size_t c = 0; c < row.size(); ++c)
      row[c] = QRectF(grid.left() + w * static_cast<double>(c), grid.top() + rowHeight * static_cast<double>(r), w,
                      rowHeight);
  }
  return g;
}

namespace {

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
  double FittingSize(const QRectF& square, const WallSquareTexts& t) const {
    const SquareParts parts = Parts(square);
    // No larger than about half the date's height, so that the date stays the
    // first thing seen.
    double px = medium_ == WallMedium::Paper ? std::min(parts.room.width() * 0.14, parts.widest.height() * 0.5)
                                             : std::min(kScreenMostPixels, parts.widest.height() * 0.55);
    for (; px > LeastSize(); px *= 0.95)
      if (Fits(square, t, px)) return px;
    return LeastSize();
  }

  bool Fits(const QRectF& square, const WallSquareTexts& t, double px) const {
    const SquareParts parts = Parts(square);
    bool cut = false;
    const std::vector<SmallLine> lines = Lines(t, px, parts.room.width(), cut);
    return !cut && Height(lines) <= parts.room.height();
  }

  double LeastSize() const {
    return medium_ == WallMedium::Paper ? PointsToPixels(kPaperLeastPoints, device_) : kScreenLeastPixels;
  }

  // Paints a square with its small texts `px` pixels high.
  void Paint(const QRectF& square, const WallSquareTexts& t, double px) {
    if (t.festival) painter_.fillRect(square, kFestivalSquare);
    const SquareParts parts = Parts(square);
    const QRectF tight = QFontMetricsF(parts.dateFont, device_).tightBoundingRect(t.day);
    painter_.setFont(parts.dateFont);
    painter_.setPen(t.weekday == 0 ? kSunday : kInk);
    painter_.drawText(QPointF(parts.inner.left() - tight.left(), parts.inner.top() - tight.top()), t.day);
    if (t.phase) PaintPhase(parts.disc, *t.phase);
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

 private:
  // The date's font: bold, its digits a little closer than the font sets them
  // (the Devanagari digits stand wide apart at this size).
  QFont DateFont(double px) const {
    QFont font = FontOfPixels(options_, px, true, device_);
    font.setLetterSpacing(QFont::PercentageSpacing, 92);
    return font;
  }

  SquareParts Parts(const QRectF& square) const {
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

  void PaintPhase(const QRectF& disc, MoonPhase phase) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    QPen pen(phase == MoonPhase::New ? kNewMoon : kFullMoon);
    pen.setWidthF(std::max(1.0, disc.width() * 0.12));
    painter_.setPen(pen);
    painter_.setBrush(phase == MoonPhase::New ? kNewMoon : kFullMoonFill);
    painter_.drawEllipse(disc.adjusted(pen.widthF() / 2, pen.widthF() / 2, -pen.widthF() / 2, -pen.widthF() / 2));
    painter_.restore();
  }

  // The small texts at one size; `cut` says whether any had to be cut.
  std::vector<SmallLine> Lines(const WallSquareTexts& t, double px, double width, bool& cut) const {
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
        line.text = metrics.elidedText(text, Qt::ElideRight, room);
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
      lines.push_back(single(t.tithi, tithiFont, tithiColor, width, kKeep));
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
      const QFont& font = festival ? bold : skipped ? italic : regular;
      const QColor color = festival ? kFestival : skipped ? kMuted : kSignEntry;
      const int drop = festival ? kDropFestival : skipped ? kDropSkippedTithi : kDropSignEntry;
      for (const QString& text : Wrapped(note.text, QFontMetricsF(font, device_), width, cut))
        lines.push_back({text, font, color, {}, regular, false, group, drop, note.text});
      ++group;
    }
    return lines;
  }

  double LineHeight(const QFont& font) const {
    // Devanagari fonts keep room above the headline for the vowel signs and below
    // for the conjuncts: their line is about 1.5 em; a little less keeps the lines
    // close without touching.
    return QFontMetricsF(font, device_).height() * 0.95;
  }

  double Height(const std::vector<SmallLine>& lines) const {
    double height = 0;
    for (const SmallLine& line : lines) height += LineHeight(line.font);
    return height;
  }

  // Paints the small texts; returns whether some had to be left out.
  bool PaintTexts(const QRectF& room, const WallSquareTexts& t, double px) {
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
          one.text = QFontMetricsF(one.font, device_).elidedText(one.whole, Qt::ElideRight, room.width());
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

  void PaintLine(const QRectF& rect, const SmallLine& line) {
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

  QPainter& painter_;
  const DisplayOptions& options_;
  WallMedium medium_;
  QPaintDevice* device_;
  bool endBeside_ = true;
};

// A text in the largest font up to `pixels` that fits `width`.
QFont Fitted(const DisplayOptions& options, const QString& text, double pixels, bool bold, double width,
             const QPaintDevice* device) {
  QFont font = FontOfPixels(options, pixels, bold, device);
  const double advance = QFontMetricsF(font, device).horizontalAdvance(text);
  if (advance > width && advance > 0) font = FontOfPixels(options, pixels * width / advance, bold, device);
  return font;
}

void PaintHeader(QPainter& painter, const WallGeometry& g, const WallPageTexts& page, const DisplayOptions& options,
                 WallMedium medium, double pageHeight) {
  const QPaintDevice* device = painter.device();
  const QRectF& header = g.header;
  if (medium == WallMedium::Paper) {
    // Centred: the month large, the lunar months, then the eras and the place.
    double y = header.top();
    const auto line = [&](const QString& text, double share, double lines, bool bold, const QColor& color) {
      const double px = pageHeight * share;
      painter.setFont(Fitted(options, text, px, bold, header.width(), device));
      painter.setPen(color);
      painter.drawText(QRectF(header.left(), y, header.width(), px * lines), Qt::AlignCenter, text);
      y += px * lines;
    };
    line(page.title, kPaperTitle, 1.55, true, kTitle);
    line(page.lunarMonths, kPaperLunar, 1.65, true, kInk);
    line(page.eras + QStringLiteral("   \u00B7   ") + page.placeName, kPaperEras, 2.2, false, kMuted);
    return;
  }
  // On screen, in the height of two lines: the month at the left, the lunar months
  // and the eras with the place at the right.
  const double titlePx = header.height() / 1.75;
  const QFont titleFont = FontOfPixels(options, titlePx, true, device);
  const double titleWidth = QFontMetricsF(titleFont, device).horizontalAdvance(page.title);
  painter.setFont(titleFont);
  painter.setPen(kTitle);
  const QRectF inner = header.adjusted(header.height() * 0.15, 0, -header.height() * 0.15, 0);
  painter.drawText(inner, Qt::AlignLeft | Qt::AlignVCenter, page.title);
  const double room = inner.width() - titleWidth - titlePx;
  const QString eras = page.eras + QStringLiteral("   \u00B7   ") + page.placeName;
  const double linePx = titlePx * 0.5;
  const QRectF top(inner.left(), inner.top() + inner.height() * 0.08, inner.width(), inner.height() * 0.46);
  const QRectF bottom(inner.left(), top.bottom(), inner.width(), inner.height() * 0.42);
  painter.setFont(Fitted(options, page.lunarMonths, linePx * 1.1, true, room, device));
  painter.setPen(kInk);
  painter.drawText(top, Qt::AlignRight | Qt::AlignVCenter, page.lunarMonths);
  painter.setFont(Fitted(options, eras, linePx, false, room, device));
  painter.setPen(kMuted);
  painter.drawText(bottom, Qt::AlignRight | Qt::AlignVCenter, eras);
}

}  // namespace

void PaintWallPage(QPainter& painter, const QRectF& area, const WallPageTexts& page, const DisplayOptions& options,
                   WallMedium medium) {
  const QPaintDevice* device = painter.device();
  const WallGeometry g = WallPageGeometry(area, page, medium);
  painter.save();
  PaintHeader(painter, g, page, options, medium, area.height());

  // The band of weekday names, Sunday in red.
  painter.fillRect(g.weekdays, kBand);
  const double bandPx = g.weekdays.height() * 0.5;
  for (std::size_t c = 0; c < page.weekdays.size(); ++c) {
    const QRectF cell(g.weekdays.left() + g.weekdays.width() / 7.0 * static_cast<double>(c), g.weekdays.top(),
                      g.weekdays.width() / 7.0, g.weekdays.height());
    painter.setFont(Fitted(options, page.weekdays[c], bandPx, true, cell.width() * 0.92, device));
    painter.setPen(c == 0 ? kSunday : kInk);
    painter.drawText(cell, Qt::AlignCenter, page.weekdays[c]);
  }

  // One size for the small texts of every square: the largest at which the
  // fullest square shows all of its texts. On paper, a square that does not fit
  // at the least size gets a smaller size of its own, down to two thirds of it.
  // The tithi's end beside the tithi in every square, or under it in every square,
  // whichever allows the larger type (beside, unless that is smaller by more than
  // a step).
  SquarePainter squares(painter, options, medium);
  const auto fittingSize = [&] {
    double size = std::numeric_limits<double>::max();
    for (std::size_t r = 0; r < page.weeks.size(); ++r)
      for (std::size_t c = 0; c < 7; ++c)
        if (page.weeks[r][c]) size = std::min(size, squares.FittingSize(g.squares[r][c], *page.weeks[r][c]));
    return size;
  };
  const double beside = fittingSize();
  squares.SetEndBeside(false);
  const double below = fittingSize();
  squares.SetEndBeside(beside >= below * 0.95);
  const double px = beside >= below * 0.95 ? beside : below;
  for (std::size_t r = 0; r < page.weeks.size(); ++r) {
    for (std::size_t c = 0; c < 7; ++c) {
      const QRectF& rect = g.squares[r][c];
      if (!page.weeks[r][c]) {
        painter.fillRect(rect, kOutside);
        continue;
      }
      double own = px;
      if (medium == WallMedium::Paper && px <= squares.LeastSize()) {
        for (; own > squares.LeastSize() * 2 / 3 && !squares.Fits(rect, *page.weeks[r][c], own); own *= 0.95) {
        }
      }
      squares.Paint(rect, *page.weeks[r][c], own);
    }
  }

  // The grid: thin lines between the squares, a firmer frame around the weekdays
  // and the squares.
  QPen thin(kGrid);
  thin.setWidthF(medium == WallMedium::Paper ? device->logicalDpiX() / 250.0 : 1.0);
  painter.setPen(thin);
  painter.setBrush(Qt::NoBrush);
  for (const auto& row : g.squares)
    for (const QRectF& rect : row) painter.drawRect(rect);
  if (!g.squares.empty()) {
    QPen frame(kGrid.darker(130));
    frame.setWidthF(thin.widthF() * 2);
    painter.setPen(frame);
    painter.drawRect(QRectF(g.weekdays.topLeft(), g.squares.back().back().bottomRight()));
  }

  if (medium == WallMedium::Paper) {
    painter.setFont(Fitted(options, page.footer, area.height() * kPaperFooter, false, g.footer.width() * 0.85, device));
    painter.setPen(kMuted);
    painter.drawText(g.footer, Qt::AlignLeft | Qt::AlignBottom, page.footer);
    painter.drawText(g.footer, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Kalnika"));
  }
  painter.restore();
}

QString WallDocumentTitle(const std::vector<MonthSheet>& sheets, const DisplayOptions& options) {
  if (sheets.empty()) return {};
  const WallCalendar first = MakeWallCalendar(sheets.front());
  const QString when = sheets.size() == 1 ? Shown(first.monthName, options) + QLatin1Char(' ') + Shown(first.year, options)
                                          : Shown(first.year, options);
  const QString place = PlainText(first.placeName);
  return Shown(kWallCalendarWord, options) + QLatin1Char(' ') + when +
         (place.isEmpty() ? QString() : QStringLiteral(", ") + place);
}

void PrintWallPages(QPrinter& printer, const std::vector<MonthSheet>& sheets, const DisplayOptions& options) {
  PaintPages(printer, sheets.size(), [&](QPainter& painter, const QRectF& area, std::size_t i) {
    PaintWallPage(painter, area, WallTexts(MakeWallCalendar(sheets[i]), options), options, WallMedium::Paper);
  });
}

QString WriteWallPdf(const QString& file, const std::vector<MonthSheet>& sheets, const DisplayOptions& options) {
  return WritePdfPages(file, {QPageLayout::Portrait, 10, WallDocumentTitle(sheets, options)}, sheets.size(),
                       [&](QPainter& painter, const QRectF& area, std::size_t i) {
                         PaintWallPage(painter, area, WallTexts(MakeWallCalendar(sheets[i]), options), options,
                                       WallMedium::Paper);
                       });
}

}  // namespace kalnika::ui
