#include "ui/window_message_box.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "ui/language.h"

namespace kalnika::ui {

namespace {
int Run(QWidget* owner, const QString& text, QMessageBox::StandardButtons buttons) {
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("Messages", kApplicationTitle), text, buttons, owner);
  box.setObjectName(QStringLiteral("KalnikaMessage"));
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  return box.exec();
}
}  // namespace

WindowMessageBox::WindowMessageBox(QWidget* owner) : owner_(owner) {}

void WindowMessageBox::Show(const Message& message) { ShowMessage(owner_.data(), TranslatedMessage(message)); }

bool WindowMessageBox::Ask(const Message& question) { return AskQuestion(owner_.data(), TranslatedMessage(question)); }

void ShowMessage(QWidget* owner, const QString& text) { Run(owner, text, QMessageBox::Ok); }

bool AskQuestion(QWidget* owner, const QString& text) {
  return Run(owner, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace kalnika::ui
