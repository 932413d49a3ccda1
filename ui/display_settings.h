#pragma once
// The display options the user chooses in the View menu (digits, drawing with the
// Xdvng font), remembered between runs in the application's settings.
#include <QObject>
#include <functional>

#include "ui/display_text.h"

class QAction;
class QMenu;

namespace kalnika::ui {

DisplayOptions LoadDisplayOptions();
void StoreDisplayOptions(const DisplayOptions& options);

// The View menu: Devanagari or Western digits, and, while the font is installed,
// drawing the stored bytes with the Xdvng font. A choice calls `chosen`.
class DisplayMenu : public QObject {
 public:
  DisplayMenu(QMenu* view, const DisplayOptions& shown, std::function<void(const DisplayOptions&)> chosen);
  // Checks the actions of the options shown.
  void Show(const DisplayOptions& options);

 private:
  DisplayOptions Chosen() const;

  QAction* devanagariDigits_;
  QAction* westernDigits_;
  QAction* xdvngFont_;
  std::function<void(const DisplayOptions&)> chosen_;
  bool showing_ = false;  // while Show checks the actions, they choose nothing
};

}  // namespace kalnika::ui
