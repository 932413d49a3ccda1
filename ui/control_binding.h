#pragma once
// How the windows bind their widgets to the controls of their form models (forms/):
// before a handler runs, Push copies what the user set into the controls; after it,
// Pull shows the controls again. The model is the truth; a widget is only its face.
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "forms/controls.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace kalnika::ui {

class ControlBinding {
 public:
  // A list box shown as a combo box: its entries (refilled only when the model's
  // change) and the selected position.
  void Bind(QComboBox* box, ListBoxControl& control);
  // The same with each entry shown as `shown` gives it (by its position).
  void Bind(QComboBox* box, ListBoxControl& control, std::function<QString(std::size_t, const std::string&)> shown);
  // The place box: lists the places by name (each with its whole place as tooltip);
  // the typed text chooses an entry (ChosenPlace); Pull shows the chosen name.
  void BindTyped(QComboBox* box, ListBoxControl& control);
  void Bind(QLineEdit* edit, TextBoxControl& control);
  void Bind(QCheckBox* box, CheckBoxControl& control);
  // A label shows its caption through `shown` (the stored bytes as text).
  void Bind(QLabel* label, const LabelControl& control, std::function<QString(const std::string&)> shown);

  void Push() const;
  void Pull() const;

 private:
  struct Binding {
    std::function<void()> push, pull;
  };
  void Add(std::function<void()> push, std::function<void()> pull);

  std::vector<Binding> bindings_;
};

// Shows a list of stored texts (plain text) in a combo box when it differs from
// what the box holds; returns whether the box was refilled.
bool FillList(QComboBox* box, const std::vector<std::string>& items);
// The same with the texts given, and a tooltip for each entry.
bool FillList(QComboBox* box, const QStringList& texts, const QStringList& tips);

}  // namespace kalnika::ui
