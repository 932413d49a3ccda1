#include "ui/wall_calendar_document.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPolygonF>
#include <QPrinter>
#include <QStringList>
#include <algorithm>
#include <iterator>
#include <limits>

#include "display/display_text.h"
#include "almanac/name_tables.h"
#include "ui/language.h"
#include "ui/paged_output.h"
#include "ui/wall_page_style.h"
#include "ui/wall_square_painter.h"

namespace kalnika::ui {

using namespace wall_style;

namespace {

QString Shown(std::string_view stored, const DisplayOptions& options) { return DisplayString(stored, options); }

QString Joined(const std::vector<std::string>& parts, const DisplayOptions& options) {
  QStringList shown;
  for (const std::string& part : parts) shown << Shown(part, options);
  return shown.join(QStringLiteral(" \u2013 "));
}

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
  page.footer = Shown(kPlaceWord, options) + QStringLiteral(": ") + TranslatedText(wall.place) + QStringLiteral("     ") +
                Shown(kMethodWord, options) + QStringLiteral(": ") + Shown(MethodName(wall.method), options);
  for (std::size_t d = 0; d < page.weekdays.size(); ++d) page.weekdays[d] = Shown(wall.weekdays[d], options);
  const auto heading = [&options](Column column) { return Shown(ColumnHeadings[IndexOf(column)], options); };
  const QString nakshatraWord = heading(Column::Nakshatra);
  const QString until = Shown(kUntilWord, options);
  const QString dot = QStringLiteral(" \u00B7 ");
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
      t.eclipse = square.eclipse;
      // The whole day, as its row of the table has it: the date, the lunar month
      // and tithi with its end, nakshatra and yoga, the signs, sunrise and sunset,
      // then the notes.
      QStringList tip{t.day + QLatin1Char(' ') + Shown(wall.monthName, options) + QStringLiteral(", ") +
                          page.weekdays[c],
                      Shown(square.lunarMonth, options) + QLatin1Char(' ') + t.tithi + QLatin1Char(' ') + t.tithiEnd +
                          QLatin1Char(' ') + until,
                      nakshatraWord + QStringLiteral(": ") + t.nakshatra + dot + heading(Column::Yoga) +
                          QStringLiteral(": ") + Shown(square.yoga, options),
                      heading(Column::MoonSign) + QStringLiteral(": ") + Shown(square.moonSign, options) + dot +
                          heading(Column::SunSign) + QStringLiteral(": ") + Shown(square.sunSign, options),
                      heading(Column::Sunrise) + QLatin1Char(' ') + Shown(square.sunrise, options) + dot +
                          heading(Column::Sunset) + QLatin1Char(' ') + Shown(square.sunset, options)};
      if (!t.lunarMonthBegins.isEmpty()) tip << t.lunarMonthBegins;
      for (const DayNote& note : square.notes) {
        t.notes.push_back({note.kind, Shown(note.text, options)});
        t.festival = t.festival || note.kind == NoteKind::Auspicious;
        // A festival with the rule that chose its day, as in the table's tooltip.
        tip << (note.rule.empty() ? t.notes.back().text
                                  : t.notes.back().text + QStringLiteral(" \u2013 ") + Shown(note.rule, options));
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
  // On screen no smaller than 8 pt: what does not fit then is shortened.
  const double least = PointsToPixels(8.0, device);
  const auto legible = [&](const QString& text, double px, bool bold) {
    QFont font = Fitted(options, text, px, bold, room, device);
    if (QFontInfo(font).pixelSize() < least) font = FontOfPixels(options, least, bold, device);
    return font;
  };
  painter.setFont(legible(page.lunarMonths, linePx * 1.1, true));
  painter.setPen(kInk);
  painter.drawText(top, Qt::AlignRight | Qt::AlignVCenter,
                   painter.fontMetrics().elidedText(page.lunarMonths, Qt::ElideRight, static_cast<int>(room)));
  painter.setFont(legible(eras, linePx, false));
  painter.setPen(kMuted);
  painter.drawText(bottom, Qt::AlignRight | Qt::AlignVCenter,
                   painter.fontMetrics().elidedText(eras, Qt::ElideRight, static_cast<int>(room)));
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
