#pragma once
// Text forms of a month table for the command-line tool: JSON, CSV and an aligned
// terminal table.
#include <optional>
#include <string>
#include <vector>

#include "almanac/month_text.h"
#include "xdvng/xdvng.h"

namespace kalnika::cli {

enum class Script { Xdvng, Unicode };

// Everything the tool prints about one run: the month table (32 rows of 17 cells,
// Xdvng bytes), the era labels, the place labels and the message of a refused input.
struct MonthOutput {
  MonthTable table;
  std::string kali, vikram;                    // Xdvng
  std::string lat, lon, zone;                  // plain text
  std::optional<std::string> message;          // plain text
  std::string place;                           // the chosen place record, plain text
};

// A stored text for output: with Script::Xdvng every byte b becomes the character
// U+00bb (so nothing is lost and the glyph bytes stay visible); with
// Script::Unicode the Xdvng text is converted to Unicode Devanagari. UTF-8 result.
std::string DisplayText(const std::string& stored, Script script, xdvng::Digits digits);

// Plain text (messages, place labels) as UTF-8: bytes 0x80-0xFF taken as Latin-1.
std::string Latin1ToUtf8(const std::string& bytes);

std::string ToJson(const MonthOutput& out, Script script, xdvng::Digits digits);
std::string ToCsv(const MonthOutput& out, Script script, xdvng::Digits digits);
std::string ToTable(const MonthOutput& out, Script script, xdvng::Digits digits);

// Columns a UTF-8 text takes in a terminal: combining Devanagari signs take none.
std::size_t DisplayWidth(const std::string& utf8);

}  // namespace kalnika::cli
