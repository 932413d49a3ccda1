#include "ui/day_page_document.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <array>

#include "display/display_text.h"
#include "ui/language.h"
#include "ui/paged_output.h"
#include "ui/wall_page_style.h"

namespace kalnika::ui {

using namespace wall_style;

namespace {

QString Shown(std::string_view stored, const DisplayOptions& options) { return DisplayString(stored, options); }

// A clock of the page: its date's day and month when it has them, and the clock.
QString ShownClock(const std::optional<DayClock>& clock, const DisplayOptions& options) {
  if (!clock) return {};
  QStringList parts;
  for (const std::string* part : {&clock->day, &clock->month, &clock->clock})
    if (!part->empty()) parts << Shown(*part, options);
  return parts.join(QLatin1Char(' '));
}

// Sizes of the type, in device pixels of the screen or points on paper: the
// largest and the least the page is drawn with.
constexpr double kDayScreenMost = 20.0;
constexpr double kDayScreenLeast = 7.0;
constexpr double kDayPaperMost = 16.0;
constexpr double kDayPaperLeast = 5.0;
// The header's lines as multiples of the type size: the date, the lunar day.
constexpr double kTitleScale = 1.7;
constexpr double kLunarScale = 1.2;

// The fonts of one type size, and the widths and heights they give.
struct Type {
  Type(const DisplayOptions& options, double px, const QPaintDevice* device)
      : regular(FontOfPixels(options, px, false, device)),
        bold(FontOfPixels(options, px, true, device)),
        // The dash between two clocks is never drawn in the Xdvng font, which has none.
        dash(FontOfPixels(DisplayOptions{options.script, options.digits, false, {}}, px, false, device)),
        title(FontOfPixels(options, px * kTitleScale, true, device)),
        lunar(FontOfPixels(options, px * kLunarScale, true, device)),
        small(FontOfPixels(options, px * 0.85, false, device)),
        device_(device),
        px_(px) {}
  QFont regular, bold, dash, title, lunar, small;
  double Width(const QFont& font, const QString& text) const {
    return text.isEmpty() ? 0.0 : QFontMetricsF(font, device_).horizontalAdvance(text);
  }
  // Devanagari needs about 1.5 em a line for its vowel signs above and below.
  double Line(const QFont& font) const { return QFontMetricsF(font, device_).height() * 0.98; }
  double Gap() const { return px_ * 0.9; }
  double Px() const { return px_; }

 private:
  const QPaintDevice* device_;
  double px_;
};

const QString kDash = QStringLiteral(" \u2013 ");

double TimeWidth(const Type& type, const DayPageTexts::Line& line) {
  double w = type.Width(type.regular, line.until);
  if (!line.from.isEmpty()) w += type.Width(type.regular, line.from) + type.Width(type.dash, kDash);
  return w;
}

// The four columns of a column of sections: label, value, time, the word after.
using Widths = std::array<double, 4>;

Widths WidthsOf(const Type& type, const std::vector<const DayPageTexts::Section*>& sections) {
  Widths w{};
  for (const DayPageTexts::Section* section : sections)
    for (const DayPageTexts::Line& line : section->lines) {
      w[0] = std::max(w[0], type.Width(line.value.isEmpty() && line.from.isEmpty() && line.until.isEmpty()
                                           ? type.bold
                                           : type.regular,
                                       line.label));
      w[1] = std::max(w[1], type.Width(type.regular, line.value));
      w[2] = std::max(w[2], TimeWidth(type, line));
      w[3] = std::max(w[3], type.Width(type.small, line.after));
    }
  return w;
}

double TotalWidth(const Type& type, const Widths& w) {
  double total = 0;
  int used = 0;
  for (double part : w)
    if (part > 0) {
      total += part;
      ++used;
    }
  return total + type.Gap() * std::max(0, used - 1);
}

double SectionHeight(const Type& type, const DayPageTexts::Section& section) {
  return type.Line(type.bold) * 1.15 + type.Line(type.regular) * static_cast<double>(section.lines.size()) +
         type.Gap() * 0.8;
}

double HeaderHeight(const Type& type, const DayPageTexts& page) {
  return type.Line(type.title) + type.Line(type.lunar) + type.Line(type.regular) + type.Line(type.small) +
         type.Line(type.bold) * static_cast<double>(page.notes.size()) + type.Gap();
}

// The sections in `columns` columns, in order, each column about as high as the others.
std::vector<std::vector<const DayPageTexts::Section*>> Columns(const Type& type, const DayPageTexts& page,
                                                               int columns) {
  double total = 0;
  for (const auto& section : page.sections) total += SectionHeight(type, section);
  const double target = total / columns;
  std::vector<std::vector<const DayPageTexts::Section*>> result(1);
  double height = 0;
  for (const auto& section : page.sections) {
    const double h = SectionHeight(type, section);
    if (!result.back().empty() && height + h / 2 > target && static_cast<int>(result.size()) < columns) {
      result.emplace_back();
      height = 0;
    }
    result.back().push_back(&section);
    height += h;
  }
  return result;
}

// Whether the page fits `area` at this type in these columns.
bool Fits(const Type& type, const DayPageTexts& page, int columns, const QRectF& area) {
  double width = 0, tallest = 0;
  for (const auto& column : Columns(type, page, columns)) {
    double height = 0;
    for (const DayPageTexts::Section* section : column) height += SectionHeight(type, *section);
    tallest = std::max(tallest, height);
    width += TotalWidth(type, WidthsOf(type, column)) + type.Gap() * 2;
  }
  const double headerWidth =
      std::max({type.Width(type.title, page.title), type.Width(type.lunar, page.lunarDay),
                type.Width(type.small, page.place)});
  return HeaderHeight(type, page) + tallest <= area.height() && width - type.Gap() * 2 <= area.width() &&
         headerWidth <= area.width();
}

void DrawClock(QPainter& painter, const Type& type, double x, double baseline, const DayPageTexts::Line& line,
               const QColor& ink) {
  painter.setPen(ink);
  if (!line.from.isEmpty()) {
    painter.setFont(type.regular);
    painter.drawText(QPointF(x, baseline), line.from);
    x += type.Width(type.regular, line.from);
    painter.setFont(type.dash);
    painter.drawText(QPointF(x, baseline), kDash);
    x += type.Width(type.dash, kDash);
  }
  painter.setFont(type.regular);
  painter.drawText(QPointF(x, baseline), line.until);
}

}  // namespace

DayPageTexts DayTexts(const DaySheet& day, const DisplayOptions& options) {
  const DayPage& page = day.page;
  DayPageTexts t;
  t.title = Shown(page.weekday, options) + QLatin1Char(' ') + Shown(page.day, options) + QLatin1Char(' ') +
            Shown(page.month, options) + QLatin1Char(' ') + Shown(page.year, options);
  t.lunarDay = Shown(page.lunarDay, options);
  t.eras = Shown(page.eras, options);
  t.place = Shown(kPlaceWord, options) + QStringLiteral(": ") + TranslatedText(DayPlaceMessage(day)) + QStringLiteral("     ") +
            Shown(kMethodWord, options) + QStringLiteral(": ") + Shown(MethodName(Method::Precise), options);
  for (const DayNote& note : page.notes) t.notes.push_back({note.kind, Shown(note.text, options)});
  for (const DaySection& section : page.sections) {
    DayPageTexts::Section& shown = t.sections.emplace_back();
    shown.title = Shown(section.title, options);
    for (const DayLine& line : section.lines)
      shown.lines.push_back({Shown(line.label, options), Shown(line.value, options), ShownClock(line.from, options),
                             ShownClock(line.until, options), Shown(line.after, options),
                             line.after == kBelowHorizonWord});
  }
  return t;
}

void PaintDayPage(QPainter& painter, const QRectF& area, const DayPageTexts& page, const DisplayOptions& options,
                  DayMedium medium) {
  const QPaintDevice* device = painter.device();
  const bool paper = medium == DayMedium::Paper;
  const double most = paper ? PointsToPixels(kDayPaperMost, device) : kDayScreenMost;
  const double least = paper ? PointsToPixels(kDayPaperLeast, device) : kDayScreenLeast;
  // The largest type at which the page fits in two or three columns (the fewer on
  // a tie); the least type when none does.
  double px = least;
  int columns = 2;
  bool found = false;
  for (double size = most; size >= least && !found; size *= 0.95)
    for (int c : {2, 3})
      if (Fits(Type(options, size, device), page, c, area)) {
        px = size;
        columns = c;
        found = true;
        break;
      }
  const Type type(options, px, device);

  painter.save();
  painter.setClipRect(area);
  double y = area.top();
  const auto headerLine = [&](const QFont& font, const QString& text, const QColor& color) {
    const double h = type.Line(font);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(QRectF(area.left(), y, area.width(), h), Qt::AlignLeft | Qt::AlignVCenter, text);
    y += h;
  };
  headerLine(type.title, page.title, page.title.isEmpty() ? kInk : kTitle);
  headerLine(type.lunar, page.lunarDay, kInk);
  headerLine(type.regular, page.eras, kMuted);
  headerLine(type.small, page.place, kMuted);
  for (const DayPageTexts::Note& note : page.notes)
    headerLine(type.bold,
               QFontMetricsF(type.bold, device).elidedText(note.text, Qt::ElideRight, area.width()),
               note.kind == NoteKind::Eclipse ? kEclipse : note.kind == NoteKind::Auspicious ? kFestival : kSignEntry);
  y += type.Gap();

  const double top = y;
  double x = area.left();
  // The room left over goes between the columns, so that they share the width.
  const auto laid = Columns(type, page, columns);
  double used = 0;
  for (const auto& column : laid) used += TotalWidth(type, WidthsOf(type, column));
  const double between =
      laid.size() > 1 ? std::max(type.Gap() * 2, (area.width() - used) / static_cast<double>(laid.size())) : 0.0;
  QPen rule(kGrid);
  rule.setWidthF(paper ? device->logicalDpiX() / 250.0 : 1.0);
  for (const auto& column : laid) {
    const Widths w = WidthsOf(type, column);
    std::array<double, 4> at{};
    double cursor = x;
    for (std::size_t i = 0; i < w.size(); ++i) {
      at[i] = cursor;
      if (w[i] > 0) cursor += w[i] + type.Gap();
    }
    const double width = TotalWidth(type, w);
    y = top;
    for (const DayPageTexts::Section* section : column) {
      const double titleHeight = type.Line(type.bold) * 1.15;
      painter.setFont(type.bold);
      painter.setPen(kTitle);
      painter.drawText(QRectF(x, y, width, titleHeight), Qt::AlignLeft | Qt::AlignVCenter, section->title);
      painter.setPen(rule);
      painter.drawLine(QPointF(x, y + titleHeight - rule.widthF()), QPointF(x + width, y + titleHeight - rule.widthF()));
      y += titleHeight;
      const double lineHeight = type.Line(type.regular);
      const QFontMetricsF metrics(type.regular, device);
      for (const DayPageTexts::Line& line : section->lines) {
        const double baseline = y + (lineHeight - metrics.height()) / 2 + metrics.ascent();
        // A line of a label alone (an eclipse's name) is a heading of its lines.
        const bool heading = line.value.isEmpty() && line.from.isEmpty() && line.until.isEmpty();
        painter.setFont(heading ? type.bold : type.regular);
        painter.setPen(heading ? kEclipse : kMuted);
        painter.drawText(QPointF(at[0], baseline), line.label);
        painter.setFont(type.regular);
        painter.setPen(kInk);
        painter.drawText(QPointF(at[1], baseline), line.value);
        DrawClock(painter, type, at[2], baseline, line, line.unseen ? kMuted : kInk);
        painter.setFont(type.small);
        painter.setPen(kMuted);
        painter.drawText(QPointF(at[3], baseline), line.after);
        y += lineHeight;
      }
      y += type.Gap() * 0.8;
    }
    x += width + between;
  }
  painter.restore();
}

QString DayDocumentTitle(const DaySheet& day, const DisplayOptions& options) {
  const DayPageTexts texts = DayTexts(day, options);
  const QString place = PlainText(day.place.name);
  return texts.title + (place.isEmpty() ? QString() : QStringLiteral(", ") + place);
}

void PrintDayPage(QPrinter& printer, const DaySheet& day, const DisplayOptions& options) {
  const DayPageTexts texts = DayTexts(day, options);
  PaintPages(printer, 1, [&](QPainter& painter, const QRectF& area, std::size_t) {
    PaintDayPage(painter, area, texts, options, DayMedium::Paper);
  });
}

QString WriteDayPdf(const QString& file, const DaySheet& day, const DisplayOptions& options) {
  const DayPageTexts texts = DayTexts(day, options);
  return WritePdfPages(file, {QPageLayout::Portrait, 12, DayDocumentTitle(day, options)}, 1,
                       [&](QPainter& painter, const QRectF& area, std::size_t) {
                         PaintDayPage(painter, area, texts, options, DayMedium::Paper);
                       });
}

}  // namespace kalnika::ui
