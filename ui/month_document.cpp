#include "ui/month_document.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>

#include "display/csv.h"
#include "almanac/name_tables.h"
#include "ui/language.h"
#include "ui/paged_output.h"

namespace kalnika::ui {

namespace {

// The grid's designed type size, to which its designed column widths belong.
constexpr double kDesignPointSize = 8.25;
// Type sizes tried for the table, largest first, in quarter points: a month of 31
// rows fits an A4 landscape page at about 8 pt; 4 pt is the least still legible.
constexpr double kLargestPointSize = 10.0;
constexpr double kSmallestPointSize = 4.0;
constexpr double kPointStep = 0.25;
// A row is this many line heights high, so the vowel signs above the headline and
// below the letters keep clear of the grid lines.
constexpr double kRowLines = 1.25;
// Room left and right of a cell's text, in line heights.
constexpr double kCellPaddingLines = 0.4;

using RowTexts = std::array<QString, kTableColumns>;

// The display texts of the heading row and the day rows.
std::vector<RowTexts> PageTexts(const MonthPage& page, const DisplayOptions& options) {
  std::vector<RowTexts> rows;
  for (int r = 0; r <= page.table.dayCount; ++r) {
    RowTexts texts;
    for (int c = 0; c < kTableColumns; ++c)
      texts[static_cast<std::size_t>(c)] = DisplayCellString(page.table, r, c, options);
    rows.push_back(texts);
  }
  return rows;
}

struct TableLayout {
  double pointSize = kSmallestPointSize;
  std::array<double, kTableColumns> widths{};
  double rowHeight = 0;
};

// Column widths at one type size: the designed width scaled to the type, widened to
// the widest text of the column.
TableLayout MeasureTable(const std::vector<RowTexts>& rows, QPaintDevice* device,
                         const DisplayOptions& options, double pointSize) {
  TableLayout layout;
  layout.pointSize = pointSize;
  const QFontMetricsF cell(TextFont(options, pointSize, false), device);
  const QFontMetricsF heading(TextFont(options, pointSize, true), device);
  const double line = std::max(cell.height(), heading.height());
  layout.rowHeight = line * kRowLines;
  const double dpi = device->logicalDpiX();
  for (int c = 0; c < kTableColumns; ++c) {
    const auto col = static_cast<std::size_t>(c);
    double widest = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const QString& text = rows[r][col];
      if (text.isEmpty()) continue;
      widest = std::max(widest, (r == 0 ? heading : cell).horizontalAdvance(text));
    }
    const double designed = ColumnWidths[col] * dpi / 1440.0 * pointSize / kDesignPointSize;
    layout.widths[col] = std::max(designed, widest > 0 ? widest + kCellPaddingLines * line : 0.0);
  }
  return layout;
}

double Sum(const std::array<double, kTableColumns>& widths) {
  double total = 0;
  for (double w : widths) total += w;
  return total;
}

// A stored text in the script and digits of the display, never in the Xdvng font.
QString Shown(std::string_view stored, const DisplayOptions& options) {
  return QString::fromStdString(DisplayText(stored, options.Form()));
}

}  // namespace

QString PageTitle(const MonthPage& page, const DisplayOptions& options) {
  // The month's name and the year one by one: a Latin display gives the month its
  // English name, which it knows only for the name alone.
  const int index = page.values.month - 1;
  const std::string year = page.values.yearText.empty() ? std::to_string(page.values.year) : page.values.yearText;
  if (index < 0 || index >= 12) return Shown(year, options);
  return Shown(GregorianMonthNames[static_cast<std::size_t>(index)], options) + QLatin1Char(' ') + Shown(year, options);
}

QString PageSubtitle(const MonthPage& page, const DisplayOptions& options) {
  return Shown(kPlaceWord, options) + QStringLiteral(": ") + TranslatedText(SheetPlaceMessage(page)) + QStringLiteral("     ") +
         Shown(kMethodWord, options) + QStringLiteral(": ") + Shown(MethodName(page.values.method), options);
}

QString DocumentTitle(const std::vector<MonthPage>& pages, const DisplayOptions& options) {
  if (pages.empty()) return {};
  const MonthPage& first = pages.front();
  const QString when = pages.size() == 1 ? PageTitle(first, options) : Shown(first.values.yearText, options);
  const QString place = PlainText(first.place.name);
  return place.isEmpty() ? when : when + QStringLiteral(", ") + place;
}

void PaintMonthPage(QPainter& painter, const QRectF& area, const MonthPage& page, const DisplayOptions& options) {
  QPaintDevice* device = painter.device();
  const std::vector<RowTexts> rows = PageTexts(page, options);

  // The headings are Unicode in the Devanagari font, whose Latin letters write the
  // place.
  const QFont titleFont = DevanagariFont(14, true);
  const QFont subtitleFont = DevanagariFont(10, false);
  const QFont eraFont = TextFont(options, 10, false);
  const QFontMetricsF titleMetrics(titleFont, device);
  const QFontMetricsF subtitleMetrics(subtitleFont, device);
  const QFontMetricsF eraMetrics(eraFont, device);
  const double titleHeight = titleMetrics.height() * 1.2 + subtitleMetrics.height() * 1.6;
  const double eraHeight = eraMetrics.height() * 1.8;

  // The largest type at which the table fits the page's width and height.
  TableLayout layout;
  for (double size = kLargestPointSize; size >= kSmallestPointSize; size -= kPointStep) {
    layout = MeasureTable(rows, device, options, size);
    const double height = titleHeight + layout.rowHeight * static_cast<double>(rows.size()) + eraHeight;
    if (Sum(layout.widths) <= area.width() && height <= area.height()) break;
  }
  // At the smallest type a table still too wide is squeezed to the page's width.
  const double total = Sum(layout.widths);
  if (total > area.width()) {
    for (double& w : layout.widths) w *= area.width() / total;
  } else {
    layout.widths[IndexOf(Column::Notes)] += area.width() - total;  // the note column takes the rest
  }

  painter.save();
  double y = area.top();
  painter.setPen(Qt::black);
  painter.setFont(titleFont);
  painter.drawText(QRectF(area.left(), y, area.width(), titleMetrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   PageTitle(page, options));
  y += titleMetrics.height() * 1.2;
  painter.setFont(subtitleFont);
  painter.drawText(QRectF(area.left(), y, area.width(), subtitleMetrics.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, PageSubtitle(page, options));
  y = area.top() + titleHeight;

  const QFont cellFont = TextFont(options, layout.pointSize, false);
  const QFont headingFont = TextFont(options, layout.pointSize, true);
  const double padding = QFontMetricsF(cellFont, device).height() * kCellPaddingLines / 2;
  QPen gridPen(QColor(0x80, 0x80, 0x80));
  gridPen.setWidthF(device->logicalDpiX() / 200.0);  // about a third of a point
  for (std::size_t r = 0; r < rows.size(); ++r) {
    double x = area.left();
    const QRectF rowRect(x, y, Sum(layout.widths), layout.rowHeight);
    if (r == 0) painter.fillRect(rowRect, QColor(0xE4, 0xE4, 0xE4));
    painter.setFont(r == 0 ? headingFont : cellFont);
    for (int c = 0; c < kTableColumns; ++c) {
      const auto col = static_cast<std::size_t>(c);
      const QRectF cell(x, y, layout.widths[col], layout.rowHeight);
      painter.setPen(gridPen);
      painter.drawRect(cell);
      painter.setPen(Qt::black);
      const bool centred = r == 0 || c == 1 || c == 2 || c == 4 || c == 9 || c == 14 || c == 15;
      painter.drawText(cell.adjusted(padding, 0, -padding, 0),
                       (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine,
                       rows[r][col]);
      x += layout.widths[col];
    }
    y += layout.rowHeight;
  }

  y += eraMetrics.height() * 0.4;
  painter.setFont(eraFont);
  painter.setPen(Qt::black);
  const QRectF eraRect(area.left(), y, area.width(), eraMetrics.height() * 1.4);
  painter.drawText(eraRect, Qt::AlignLeft | Qt::AlignVCenter, DisplayString(page.table.kaliCaption, options));
  painter.drawText(eraRect.adjusted(area.width() / 3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   DisplayString(page.table.vikramCaption, options));
  painter.restore();
}

void PrintPages(QPrinter& printer, const std::vector<MonthPage>& pages, const DisplayOptions& options) {
  PaintPages(printer, pages.size(), [&](QPainter& painter, const QRectF& area, std::size_t i) {
    PaintMonthPage(painter, area, pages[i], options);
  });
}

QString WritePdf(const QString& file, const std::vector<MonthPage>& pages, const DisplayOptions& options) {
  return WritePdfPages(file, {QPageLayout::Landscape, 12, DocumentTitle(pages, options)}, pages.size(),
                       [&](QPainter& painter, const QRectF& area, std::size_t i) {
                         PaintMonthPage(painter, area, pages[i], options);
                       });
}

QByteArray MonthCsv(const MonthPage& page, const DisplayOptions& options) {
  const std::string csv = kalnika::MonthCsv(page.values, page.table, SheetPlace(page), CsvForm(options.script));
  return QByteArray::fromStdString("\xEF\xBB\xBF" + csv);  // UTF-8 byte-order mark first
}

QString WriteFileAtomically(const QString& file, const QByteArray& bytes) {
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return out.errorString();
  if (out.write(bytes) != bytes.size()) {
    const QString error = out.errorString();
    out.cancelWriting();
    return error;
  }
  if (!out.commit()) return out.errorString();
  return {};
}

}  // namespace kalnika::ui
