#pragma once
// The message box as the windows use it: a modal notice with an OK button and the
// caption "Kalnika". The window supplies a real one; the command-line tool and the
// tests keep the messages.
#include <string>

namespace kalnika {

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void Show(const std::string& text) = 0;  // returns on OK
};

// Keeps the last message (for the command-line tool and tests).
class RecordingMessageBox : public MessageBox {
 public:
  void Show(const std::string& text) override {
    last = text;
    ++count;
  }
  std::string last;
  int count = 0;
};

}  // namespace kalnika
