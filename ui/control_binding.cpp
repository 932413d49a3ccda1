#include "ui/control_binding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QAbstractItemView>
#include <algorithm>

#include "forms/place_search.h"
#include "ui/display_text.h"

namespace kalnika::ui {

bool FillList(QComboBox* box, const QStringList& texts, const QStringList& tips) {
  bool same = box->count() == texts.size();
  for (int i = 0; same && i < box->count(); ++i) same = box->itemText(i) == texts[i];
  if (same) return false;
  const QSignalBlocker block(box);
  box->clear();
  box->addItems(texts);
  // The tips hold the place file's texts: shown as they are, never as rich text.
  for (int i = 0; i < tips.size() && i < box->count(); ++i) box->setItemData(i, PlainToolTip(tips[i]), Qt::ToolTipRole);
  return true;
}

bool FillList(QComboBox* box, const std::vector<std::string>& items) {
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) texts << PlainText(item);
  return FillList(box, texts, {});
}

void ControlBinding::Add(std::function<void()> push, std::function<void()> pull) {
  bindings_.push_back({std::move(push), std::move(pull)});
}

void ControlBinding::Bind(QComboBox* box, ListBoxControl& control) {
  Add([box, &control] { control.ListIndex = box->currentIndex(); },
      [box, &control] {
        FillList(box, control.items);
        box->setCurrentIndex(control.ListIndex);
      });
}

void ControlBinding::Bind(QComboBox* box, ListBoxControl& control,
                          std::function<QString(std::size_t, const std::string&)> shown) {
  Add([box, &control] { control.ListIndex = box->currentIndex(); },
      [box, &control, shown = std::move(shown)] {
        QStringList texts;
        for (std::size_t i = 0; i < control.items.size(); ++i) texts << shown(i, control.items[i]);
        FillList(box, texts, {});
        box->setCurrentIndex(control.ListIndex);
      });
}

void ControlBinding::BindTyped(QComboBox* box, ListBoxControl& control) {
  Add([box, &control] { control.ListIndex = ChosenPlace(control.items, box->currentIndex(), StoredText(box->currentText())); },
      [box, &control] {
        // The box lists the places by name; each entry's tooltip holds the whole place.
        QStringList names, tips;
        for (const std::string& name : control.items) names << PlainText(name);
        for (const std::string& tip : control.tips) tips << PlainText(tip);
        if (FillList(box, names, tips)) {
          const QFontMetrics metrics(box->font());
          int widest = 0;
          for (const QString& name : names) widest = std::max(widest, metrics.horizontalAdvance(name));
          box->view()->setMinimumWidth(widest + 40);  // room for the popup's scroll bar
        }
        const int chosen = control.ListIndex;
        box->setCurrentIndex(chosen);
        box->setEditText(chosen >= 0 ? box->itemText(chosen) : QString());
        box->lineEdit()->setCursorPosition(0);
      });
}

void ControlBinding::Bind(QLineEdit* edit, TextBoxControl& control) {
  Add([edit, &control] { control.Text = StoredText(edit->text()); },
      [edit, &control] {
        const QString text = PlainText(control.Text);
        if (edit->text() != text) edit->setText(text);
      });
}

void ControlBinding::Bind(QCheckBox* box, CheckBoxControl& control) {
  Add([box, &control] { control.Value = box->isChecked(); }, [box, &control] { box->setChecked(control.Value); });
}

void ControlBinding::Bind(QLabel* label, const LabelControl& control,
                          std::function<QString(const std::string&)> shown) {
  // The captions hold the place file's texts: never read as rich text.
  label->setTextFormat(Qt::PlainText);
  Add([] {}, [label, &control, shown = std::move(shown)] { label->setText(shown(control.Caption)); });
}

void ControlBinding::Push() const {
  for (const Binding& binding : bindings_) binding.push();
}

void ControlBinding::Pull() const {
  for (const Binding& binding : bindings_) binding.pull();
}

}  // namespace kalnika::ui
