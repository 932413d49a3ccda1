#include "text/text.h"

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <memory>

namespace kalnika {

namespace {

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};

// Code page 1252 to UTF-16; ICU's converter leaves the five bytes the code page
// does not assign (0x81, 0x8D, 0x8F, 0x90, 0x9D) as their C1 control characters,
// as Windows' own conversion does.
icu::UnicodeString FromCodePage1252(std::string_view bytes) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<UConverter, ConverterCloser> converter(ucnv_open("windows-1252", &status));
  if (U_FAILURE(status)) return icu::UnicodeString(bytes.data(), static_cast<int32_t>(bytes.size()), "ISO-8859-1");
  ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_SUBSTITUTE, nullptr, nullptr, nullptr, &status);
  icu::UnicodeString text(bytes.data(), static_cast<int32_t>(bytes.size()), converter.get(), status);
  return text;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text, std::string_view blanks) {
  const std::size_t begin = text.find_first_not_of(blanks);
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
}

bool IsUtf8(std::string_view bytes) {
  const auto* s = reinterpret_cast<const uint8_t*>(bytes.data());
  const auto length = static_cast<int32_t>(bytes.size());
  for (int32_t i = 0; i < length;) {
    UChar32 c = 0;
    U8_NEXT(s, i, length, c);
    if (c < 0) return false;
  }
  return true;
}

std::size_t Utf8Prefix(std::string_view bytes, std::size_t limit) {
  if (limit >= bytes.size()) return bytes.size();
  if (!IsUtf8(bytes)) return limit;
  const auto* s = reinterpret_cast<const uint8_t*>(bytes.data());
  auto i = static_cast<int32_t>(limit);
  U8_SET_CP_START(s, 0, i);  // back to the first byte of the character at `limit`
  return static_cast<std::size_t>(i);
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string out;
  icu::UnicodeString(bytes.data(), static_cast<int32_t>(bytes.size()), "ISO-8859-1").toUTF8String(out);
  return out;
}

std::string PlainText(std::string_view bytes) {
  if (IsUtf8(bytes)) return std::string(bytes);
  std::string out;
  FromCodePage1252(bytes).toUTF8String(out);
  return out;
}

std::string WithoutControls(std::string_view text, std::string_view keep) {
  const std::string utf8 = PlainText(text);
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const bool c0 = c < 0x20 && keep.find(static_cast<char>(c)) == std::string_view::npos;
    // U+0080..U+009F are 0xC2 0x80..0xC2 0x9F in UTF-8
    const bool c1 = c == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
    if (c0 || c == 0x7F || c1) {
      out += "\xEF\xBF\xBD";  // U+FFFD
      if (c1) ++i;
    } else {
      out += utf8[i];
    }
  }
  return out;
}

std::string TerminalText(std::string_view text) { return WithoutControls(text, "\n"); }

std::string FoldCase(std::string_view text) {
  // ASCII, most of the names of the world's towns: A-Z to a-z is the whole folding
  if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    std::string folded(text);
    for (char& c : folded)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
  }
  icu::UnicodeString u = IsUtf8(text) ? icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())))
                                      : FromCodePage1252(text);
  std::string out;
  u.foldCase().toUTF8String(out);
  return out;
}

std::size_t TerminalColumns(std::string_view utf8) {
  const auto* s = reinterpret_cast<const uint8_t*>(utf8.data());
  const auto length = static_cast<int32_t>(utf8.size());
  std::size_t columns = 0;
  for (int32_t i = 0; i < length;) {
    UChar32 c = 0;
    U8_NEXT(s, i, length, c);
    if (c < 0) {
      ++columns;  // a stray byte shows as one replacement character
      continue;
    }
    const int8_t type = u_charType(c);
    if (type == U_NON_SPACING_MARK || type == U_ENCLOSING_MARK || type == U_FORMAT_CHAR) continue;
    const auto width = static_cast<UEastAsianWidth>(u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH));
    columns += width == U_EA_WIDE || width == U_EA_FULLWIDTH ? 2 : 1;
  }
  return columns;
}

}  // namespace kalnika
