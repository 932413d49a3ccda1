#include "ui/display_text.h"

#include "text/text.h"

#include <QFontDatabase>
#include <QTextDocument>
#include <QStringList>

namespace kalnika::ui {

namespace {
constexpr const char* kXdvngFamily = "Xdvng";
constexpr const char* kPreferredDevanagari = "Noto Sans Devanagari";
// First code of the private-use block where symbol-encoded fonts keep their glyphs.
constexpr char16_t kSymbolBase = 0xF000;
}  // namespace

DisplayOptions DisplayOptions::Prepared() const {
  DisplayOptions prepared = *this;
  prepared.form = DisplayForm(script, Latin() ? xdvng::Digits::Latin : digits);
  return prepared;
}

DisplayForm DisplayOptions::Form() const {
  const xdvng::Digits shown = Latin() ? xdvng::Digits::Latin : digits;
  if (form.script == script && form.digits == shown && (form.latin != nullptr) == Latin()) return form;
  return DisplayForm(script, shown);
}

QString DisplayString(std::string_view stored, const DisplayOptions& options) {
  if (options.xdvngFont && !options.Latin()) {
    QString drawn;
    drawn.reserve(static_cast<qsizetype>(stored.size()));
    for (unsigned char b : stored) drawn.append(QChar(static_cast<char16_t>(kSymbolBase + b)));
    return drawn;
  }
  return QString::fromStdString(DisplayText(stored, options.Form()));
}

QString DisplayCellString(const MonthTable& table, int row, int column, const DisplayOptions& options) {
  if (options.xdvngFont && !options.Latin()) return DisplayString(ShownCell(table, row, column), options);
  return QString::fromStdString(DisplayCell(table, row, column, options.Form()));
}

QString PlainToolTip(const QString& text) {
  return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

QString PlainText(std::string_view bytes) { return QString::fromStdString(kalnika::PlainText(bytes)); }

std::string StoredText(const QString& text) { return text.toStdString(); }

bool XdvngFontInstalled() { return QFontDatabase::families().contains(QString::fromLatin1(kXdvngFamily)); }

QFont DevanagariFont(double pointSize, bool bold) {
  QString family = QString::fromLatin1(kPreferredDevanagari);
  const QStringList families = QFontDatabase::families(QFontDatabase::Devanagari);
  if (!families.contains(family) && !families.isEmpty()) family = families.front();
  QFont font;
  if (!families.isEmpty()) font.setFamilies({family});
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

QFont TextFont(const DisplayOptions& options, double pointSize, bool bold) {
  if (!options.xdvngFont || options.Latin()) return DevanagariFont(pointSize, bold);
  QFont font(QString::fromLatin1(kXdvngFamily));
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

}  // namespace kalnika::ui
