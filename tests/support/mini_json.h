#pragma once
// A small JSON reader for the tests: objects, arrays, strings (with \u escapes
// decoded to UTF-8), numbers, true, false, null. Throws std::runtime_error on
// malformed input.
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace kalnika::testing_json {

struct Value {
  enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::string string;
  std::vector<Value> array;
  std::map<std::string, Value> object;

  const Value& operator[](const std::string& key) const {
    auto it = object.find(key);
    if (it == object.end()) throw std::runtime_error("no key " + key);
    return it->second;
  }
  const Value& operator[](std::size_t i) const { return array.at(i); }
  bool Has(const std::string& key) const { return object.count(key) != 0; }
  bool IsNull() const { return kind == Kind::Null; }
};

class Parser {
 public:
  explicit Parser(const std::string& text) : s_(text) {}
  Value Parse() {
    Value v = ParseValue();
    if (Skip() != s_.size()) Fail("trailing characters");
    return v;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error("JSON: " + what + " at " + std::to_string(i_));
  }
  std::size_t Skip() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r' || s_[i_] == '\t')) ++i_;
    return i_;
  }
  char Peek() {
    if (Skip() >= s_.size()) Fail("unexpected end");
    return s_[i_];
  }
  void Expect(char c) {
    if (Peek() != c) Fail(std::string("expected ") + c);
    ++i_;
  }
  // After an element of an array or object: true when another follows.
  bool More(char close) {
    if (Peek() == ',') return ++i_, true;
    Expect(close);
    return false;
  }
  void Literal(const std::string& word) {
    if (s_.compare(i_, word.size(), word) != 0) Fail("expected " + word);
    i_ += word.size();
  }
  static void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) return out.push_back(static_cast<char>(cp));
    if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
  std::string ParseString() {
    Expect('"');
    std::string out;
    while (true) {
      if (i_ >= s_.size()) Fail("unterminated string");
      const char c = s_[i_++];
      if (c == '"') return out;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (i_ >= s_.size()) Fail("bad escape");
      const char e = s_[i_++];
      const std::string plain = "ntrbf", meant = "\n\t\r\b\f";
      if (e == 'u') {
        if (i_ + 4 > s_.size()) Fail("bad \\u");
        AppendUtf8(out, static_cast<unsigned>(std::stoul(s_.substr(i_, 4), nullptr, 16)));
        i_ += 4;
      } else {
        out += plain.find(e) != std::string::npos ? meant[plain.find(e)] : e;
      }
    }
  }
  Value ParseValue() {
    Value v;
    const char c = Peek();
    if (c == '{') {
      v.kind = Value::Kind::Object;
      if (++i_, Peek() == '}') return ++i_, v;
      do {
        std::string key = ParseString();
        Expect(':');
        v.object[key] = ParseValue();
      } while (More('}'));
    } else if (c == '[') {
      v.kind = Value::Kind::Array;
      if (++i_, Peek() == ']') return ++i_, v;
      do v.array.push_back(ParseValue());
      while (More(']'));
    } else if (c == '"') {
      v.kind = Value::Kind::String;
      v.string = ParseString();
    } else if (c == 't' || c == 'f') {
      Literal(c == 't' ? "true" : "false");
      v.kind = Value::Kind::Bool;
      v.boolean = c == 't';
    } else if (c == 'n') {
      Literal("null");
    } else {
      std::size_t used = 0;
      v.kind = Value::Kind::Number;
      v.number = std::stod(s_.substr(i_), &used);
      i_ += used;
    }
    return v;
  }

  const std::string& s_;
  std::size_t i_ = 0;
};

inline Value Parse(const std::string& text) { return Parser(text).Parse(); }

}  // namespace kalnika::testing_json
