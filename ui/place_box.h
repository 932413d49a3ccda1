#pragma once
// The place box's search: while the user types, a popup offers the places whose
// names hold the text, those that start with it first (forms/place_search.h);
// choosing one, from the popup or from the box's own list, selects it. The box
// shows the place's name; its coordinates and zone are in the place labels.
#include <QObject>
#include <string>
#include <vector>

class QAbstractItemView;
class QComboBox;
class QCompleter;
class QStringListModel;

namespace kalnika::ui {

class PlaceBox : public QObject {
  Q_OBJECT
 public:
  // `names`: the names of the places the box lists (the model's list, read at each
  // keystroke).
  PlaceBox(QComboBox* box, const std::vector<std::string>& names);

  // Most places the popup offers at once.
  static constexpr int kMostOffered = 15;

  // The popup of the search.
  QAbstractItemView* Popup() const;

 signals:
  // The user chose a place (from the popup or the list); the box selects it.
  void chosen();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Offer(const QString& typed);

  QComboBox* box_;
  const std::vector<std::string>& names_;
  QCompleter* completer_;
  QStringListModel* offered_;
  std::vector<int> positions_;  // the list position of each offered name
};

}  // namespace kalnika::ui
