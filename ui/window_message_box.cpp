#include "ui/window_message_box.h"

#include <QMessageBox>

#include "ui/display_text.h"

namespace kalnika::ui {

WindowMessageBox::WindowMessageBox(QWidget* owner) : owner_(owner) {}

void WindowMessageBox::Show(const std::string& text) { ShowMessage(owner_.data(), PlainText(text)); }

void ShowMessage(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), text, QMessageBox::Ok, owner);
  box.setObjectName(QStringLiteral("KalnikaMessage"));
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace kalnika::ui
