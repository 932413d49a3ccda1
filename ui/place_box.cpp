#include "ui/place_box.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QLineEdit>
#include <QStringListModel>
#include <QTimer>

#include "forms/place_search.h"
#include "ui/display_text.h"

namespace kalnika::ui {

PlaceBox::PlaceBox(QComboBox* box, const std::vector<std::string>& names)
    : QObject(box), box_(box), names_(names), completer_(new QCompleter(this)),
      offered_(new QStringListModel(this)) {
  // The popup shows the ranked names as they are; the completer filters nothing.
  // (The box's own completer would complete inline, in list order: it goes.)
  box_->setCompleter(nullptr);
  completer_->setModel(offered_);
  completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer_->setMaxVisibleItems(kMostOffered);
  completer_->setWidget(box_->lineEdit());
  completer_->popup()->setObjectName(QStringLiteral("placePopup"));
  connect(box_->lineEdit(), &QLineEdit::textEdited, this, &PlaceBox::Offer);
  connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this, [this](const QModelIndex& index) {
    if (index.row() < 0 || index.row() >= static_cast<int>(positions_.size())) return;
    box_->setCurrentIndex(positions_[static_cast<std::size_t>(index.row())]);
    emit chosen();
  });
  connect(box_, qOverload<int>(&QComboBox::activated), this, [this] { emit chosen(); });
  box_->lineEdit()->installEventFilter(this);
}

QAbstractItemView* PlaceBox::Popup() const { return completer_->popup(); }

void PlaceBox::Offer(const QString& typed) {
  positions_ = PlaceMatches(names_, StoredText(typed), kMostOffered);
  QStringList names;
  for (int position : positions_) names << PlainText(names_[static_cast<std::size_t>(position)]);
  offered_->setStringList(names);
  if (names.isEmpty()) {
    completer_->popup()->hide();
    return;
  }
  completer_->complete();
  completer_->popup()->setCurrentIndex(QModelIndex());  // Enter takes the text unless a name is picked
}

bool PlaceBox::eventFilter(QObject* watched, QEvent* event) {
  // Entered by Tab, a line edit selects its text with the cursor at the end, which
  // scrolls a long name out of sight: keep the selection, from its start.
  if (event->type() == QEvent::FocusIn && watched == box_->lineEdit()) {
    QTimer::singleShot(0, box_->lineEdit(), [edit = box_->lineEdit()] {
      if (edit->hasSelectedText() && edit->selectedText() == edit->text())
        edit->setSelection(static_cast<int>(edit->text().size()), -static_cast<int>(edit->text().size()));
      else
        edit->setCursorPosition(0);
    });
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace kalnika::ui
