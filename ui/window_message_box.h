#pragma once
// The model's message box on screen: a modal QMessageBox with the text, an OK
// button only and the caption "Kalnika".
#include <QPointer>
#include <QWidget>
#include <string>

#include "forms/message_box.h"

namespace kalnika::ui {

// Caption of every message box and of the application.
inline constexpr const char* kApplicationTitle = "Kalnika";

class WindowMessageBox : public MessageBox {
 public:
  // `owner`: the window the box is centred on (may be null).
  explicit WindowMessageBox(QWidget* owner);
  // Shows the text (plain bytes: UTF-8 or Latin-1) and returns when OK is pressed.
  void Show(const std::string& text) override;

 private:
  QPointer<QWidget> owner_;
};

// Shows a Qt text the same way (for the window's own messages: files, help).
void ShowMessage(QWidget* owner, const QString& text);

}  // namespace kalnika::ui
