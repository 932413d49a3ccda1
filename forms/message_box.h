#pragma once
// The message box as the windows use it: a modal notice with an OK button and the
// caption "Kalnika", or a question with Yes and No. The window supplies a real one;
// the command-line tool and the tests keep the messages.
#include <string>
#include <utility>
#include <vector>

// Marks an English text of a form as one the window shows in its language. It is
// the text itself: forms/ has no toolkit. lupdate reads the mark as
// QT_TRANSLATE_NOOP (ui/CMakeLists.txt), so the text comes into the translations
// (ui/translations/) under `context`, where the window looks it up.
#define KALNIKA_TEXT(context, text) text

namespace kalnika {

// The context of the forms' messages in the translations.
inline constexpr const char* kMessageContext = "Messages";

// A message of a form: an English text, the source the window translates, and the
// texts that take its places %1, %2, ... (a place name, a file's error). The English
// text is the translation's key rather than a number of its own, so that the
// English window, the command-line tool and the tests show the text itself, byte
// for byte as the almanac always wrote it, and no table of numbers can drift from
// the texts. A text made elsewhere (a place file's problem) is a message without
// places; the window shows it translated when the translation has it.
struct Message {
  Message(const char* text) : source(text) {}  // NOLINT: a plain text is a message
  Message(std::string text) : source(std::move(text)) {}  // NOLINT
  Message(const char* text, std::vector<std::string> texts) : source(text), args(std::move(texts)) {}

  std::string source;             // English, with %1..%9
  std::vector<std::string> args;  // what takes the places, as bytes (UTF-8 or Latin-1)

  // The English text with its places filled.
  std::string Text() const {
    std::string text;
    for (std::size_t i = 0; i < source.size(); ++i) {
      const char next = i + 1 < source.size() ? source[i + 1] : '\0';
      if (source[i] == '%' && next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < args.size()) {
        text += args[static_cast<std::size_t>(next - '1')];
        ++i;
      } else {
        text += source[i];
      }
    }
    return text;
  }
};

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void Show(const Message& message) = 0;  // returns on OK
  // A question: true for Yes, false for No. Without a window to ask in, No.
  virtual bool Ask(const Message& /*question*/) { return false; }
};

// Keeps the last message (for the command-line tool and tests), and answers
// questions with `answer`.
class RecordingMessageBox : public MessageBox {
 public:
  void Show(const Message& message) override {
    last = message.Text();
    ++count;
  }
  bool Ask(const Message& question) override {
    last = question.Text();
    ++count;
    return answer;
  }
  std::string last;
  int count = 0;
  bool answer = false;
};

}  // namespace kalnika
