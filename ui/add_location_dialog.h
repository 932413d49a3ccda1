#pragma once
// The add-place dialog frmAddLocation: the widgets of the dialog model
// kalnika::frmAddLocation, a child of the main window, which stays with its month
// and place. When it ends (OK that stored a place or chose one listed already, OK
// with nothing entered, Cancel, Escape or its close control) it says how, and the
// main window selects the place stored or chosen. Above the entries, the town
// finder: a search field whose popup offers the towns found, best first; choosing
// one fills in the entries.
#include <QDialog>
#include <QtGlobal>
#include <filesystem>
#include <memory>
#include <vector>

#include "forms/frm_add_location.h"
#include "ui/control_binding.h"

class QCompleter;
class QGridLayout;
class QLabel;
class QLineEdit;
class QStringListModel;

namespace kalnika::ui {

class WindowMessageBox;

// The dialog's caption (context "AddLocationDialog" of the translations).
inline constexpr const char* kAddLocationTitle = QT_TRANSLATE_NOOP("AddLocationDialog", "Adding New Locations to INI File");

class AddLocationDialog : public QDialog {
  Q_OBJECT
 public:
  // `towns`: the towns to search (null: none), which outlive the dialog;
  // `language`: the interface language's code ("mr", "en"), that of the countries'
  // names.
  AddLocationDialog(std::filesystem::path placeFile, TownSearch* towns, const QString& language,
                    QWidget* parent = nullptr);
  ~AddLocationDialog() override;

  frmAddLocation& Model() { return *model_; }
  // The outcome of the last OK (Cancelled before any).
  frmAddLocation::Outcome LastOutcome() const { return lastOutcome_; }
  // The popup of the town finder.
  QCompleter* Finder() const { return finder_; }

 signals:
  // The dialog is done, with the outcome of its last OK (Cancelled for Cancel,
  // Escape and the close control) and the list position of the place stored or
  // chosen (frmAddLocation::LastPosition, -1 for none). Sent once.
  void ended(frmAddLocation::Outcome outcome, int position);

 public slots:
  // Cancel, the close control and Escape end the dialog as OK without entries does.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildFinder(QGridLayout* grid, std::vector<QWidget*>& order);
  // The search text changed: offers the towns found.
  void Search();
  // A town offered (its row) fills in the entries.
  void Choose(int row);
  void Pull();
  void Ok();
  void Finish();
  // Shows how many of the description's characters the entries use.
  void ShowDescriptionLength();
  // The note under the search: what the finder offers, or the zone of the town chosen.
  void ShowFinderNote();

  std::unique_ptr<WindowMessageBox> messageBox_;
  std::unique_ptr<frmAddLocation> model_;
  ControlBinding binding_;
  frmAddLocation::Outcome lastOutcome_ = frmAddLocation::Outcome::Cancelled;
  bool finished_ = false;
  bool pulling_ = false;  // while Pull shows the model, the widgets' changes are not the user's
  QLabel* descriptionLength_ = nullptr;
  QLineEdit* search_ = nullptr;
  QLabel* finderNote_ = nullptr;
  QCompleter* finder_ = nullptr;
  QStringListModel* found_ = nullptr;
};

}  // namespace kalnika::ui
