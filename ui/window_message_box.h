#pragma once
// The model's message box on screen: a modal QMessageBox with the text in the
// interface language, an OK button only (or Yes and No for a question) and the
// caption "Kalnika".
#include <QPointer>
#include <QtGlobal>
#include <QWidget>
#include <string>

#include "forms/message_box.h"

namespace kalnika::ui {

// Caption of every message box and of the application (context "Messages" of the
// translations).
inline constexpr const char* kApplicationTitle = QT_TRANSLATE_NOOP("Messages", "Kalnika");

class WindowMessageBox : public MessageBox {
 public:
  // `owner`: the window the box is centred on (may be null).
  explicit WindowMessageBox(QWidget* owner);
  // Shows the message (TranslatedMessage) and returns when OK is pressed.
  void Show(const Message& message) override;
  // Asks the question; true for Yes.
  bool Ask(const Message& question) override;

 private:
  QPointer<QWidget> owner_;
};

// Shows a Qt text the same way (for the window's own messages: files, help).
void ShowMessage(QWidget* owner, const QString& text);
// Asks a question the same way, with Yes and No; true for Yes.
bool AskQuestion(QWidget* owner, const QString& text);

}  // namespace kalnika::ui
