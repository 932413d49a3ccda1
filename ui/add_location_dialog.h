#pragma once
// The add-place dialog frmAddLocation: the widgets of the dialog model
// kalnika::frmAddLocation. It takes the main window's place while it is open;
// when it ends (OK that stored or found nothing entered, Cancel, Escape or its close
// control) it asks for a freshly loaded main window.
#include <QDialog>
#include <filesystem>
#include <memory>

#include "forms/frm_add_location.h"
#include "places/place_file.h"
#include "ui/control_binding.h"

class QLabel;

namespace kalnika::ui {

class WindowMessageBox;

inline constexpr const char* kAddLocationTitle = "Adding New Locations to INI File";

class AddLocationDialog : public QDialog {
  Q_OBJECT
 public:
  AddLocationDialog(std::filesystem::path placeFile, QWidget* parent = nullptr);
  ~AddLocationDialog() override;

  frmAddLocation& Model() { return *model_; }
  // The outcome of the last OK (Cancelled before any).
  frmAddLocation::Outcome LastOutcome() const { return lastOutcome_; }

 signals:
  // The dialog is done: the main window is to be loaded again. Sent once.
  void returnToMainWindow();

 public slots:
  // Cancel, the close control and Escape end the dialog as OK without entries does.
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void Ok();
  void Finish();
  // Shows how many of the description's characters the entries use.
  void ShowDescriptionLength();

  ProfileFile placeFile_;
  std::unique_ptr<WindowMessageBox> messageBox_;
  std::unique_ptr<frmAddLocation> model_;
  ControlBinding binding_;
  frmAddLocation::Outcome lastOutcome_ = frmAddLocation::Outcome::Cancelled;
  bool finished_ = false;
  QLabel* descriptionLength_ = nullptr;
};

}  // namespace kalnika::ui
