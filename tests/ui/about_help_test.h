#pragma once
#include <QObject>

namespace kalnika::ui_test {

// The About box beside the main window, and the help document it opens.
class AboutHelpTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void aboutBoxOpensOnceBesideTheWindow();
  void helpOpensTheDocumentOrSaysItIsMissing_data();
  void helpOpensTheDocumentOrSaysItIsMissing();
  void helpDocumentExplainsTheTable_data();
  void helpDocumentExplainsTheTable();
};

}  // namespace kalnika::ui_test
