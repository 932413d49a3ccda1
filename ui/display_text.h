#pragma once
// How the stored texts are shown. The Devanagari texts stay in their Xdvng bytes
// in the model; what the user sees is their Unicode form in a Devanagari font
// (HarfBuzz shapes it), or, when the "Xdvng" font itself is installed and chosen,
// the bytes drawn unchanged in that font, or their Latin transliteration.
#include <QFont>
#include <QString>
#include <string>
#include <string_view>

#include "display/display_text.h"
#include "xdvng/xdvng.h"

namespace kalnika::ui {

struct DisplayOptions {
  Script script = Script::Unicode;  // Unicode (Devanagari), Latin or Iso15919
  xdvng::Digits digits = xdvng::Digits::Devanagari;  // of the Devanagari script
  bool xdvngFont = false;  // Devanagari: draw the stored bytes in the installed "Xdvng" font

  // The display form of the script and digits, built once for a setting (a Latin
  // script's transliterator takes about a millisecond to build) by Prepared().
  DisplayForm form;

  // The options with their form built.
  DisplayOptions Prepared() const;
  // The form to display texts in: `form` when it was built for these options,
  // else one built now.
  DisplayForm Form() const;
  bool Latin() const { return script == Script::Latin || script == Script::Iso15919; }
  bool operator==(const DisplayOptions& other) const {
    return script == other.script && digits == other.digits && xdvngFont == other.xdvngFont;
  }
};

// The text to draw for stored Xdvng bytes: their displayed text in the options'
// script (display/display_text.h), or, with `xdvngFont` in the Devanagari script,
// every byte b unchanged as the character U+F000 + b, the code of glyph b in a
// symbol-encoded font (drawn as Latin-1, Qt would end the text at U+009C and drop
// U+00AD, both glyphs of the font).
QString DisplayString(std::string_view stored, const DisplayOptions& options);

// The text to draw for a cell of the table (row 0..31, column 0..16): DisplayString
// of the stored cell, but a day's notes shown text by text (DisplayCell), each in
// its own encoding, unless the stored bytes are drawn.
QString DisplayCellString(const MonthTable& table, int row, int column, const DisplayOptions& options);

// A tooltip that shows `text` as it is. Qt takes a tooltip for rich text when it
// looks like it (Qt::mightBeRichText): such a text, which holds the place file's
// words, is given as rich text that shows it literally (an <img> in a place's name
// loaded a local image); any other is plain already and stays as it is.
QString PlainToolTip(const QString& text);

// Plain text of the place file or a message (place records, captions of the place
// labels): UTF-8 when the bytes are valid UTF-8, otherwise Latin-1, byte for byte.
QString PlainText(std::string_view bytes);

// The bytes a typed text is stored as: UTF-8.
std::string StoredText(const QString& text);

// Whether a font whose family is "Xdvng" is installed.
bool XdvngFontInstalled();

// The font for Devanagari texts of `pointSize` points: "Noto Sans Devanagari",
// else the first installed family that writes Devanagari, else the default font.
QFont DevanagariFont(double pointSize, bool bold);

// The font of the grid and the era labels for the options: the Devanagari font
// (whose Latin letters write the Latin scripts), or "Xdvng" when the stored bytes
// are drawn.
QFont TextFont(const DisplayOptions& options, double pointSize, bool bold);

}  // namespace kalnika::ui
