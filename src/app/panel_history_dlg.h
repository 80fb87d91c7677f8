#pragma once
// CPanelHistoryDlg: Panel > "Panel History...". Lists what was written to and read from the units, newest
// first, filtered by project file name or model, and for the selected entry opens its project as a
// document, compares it with the project in front, or writes it to the unit again.

#include <QDialog>
#include <QPointer>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "transfer/panel_history.h"

class QLineEdit;
class QTreeWidget;

namespace Ui {
class PanelHistoryDlg;
}

namespace lumora {
class TQMProject;
}

namespace lumora::gui {

class CLumoraView;

class CPanelHistoryDlg : public QDialog {
  Q_OBJECT

 public:
  // `view` is the project window whose project Compare and Write Again use; without one they are greyed.
  CPanelHistoryDlg(const std::string& folder, CLumoraView* view, QWidget* parent = nullptr);
  ~CPanelHistoryDlg() override;

  QTreeWidget* List() const;
  QLineEdit* Filter() const;

 public slots:
  void OnOpen();
  void OnCompare();
  void OnWriteAgain();

 private:
  void Reload();
  void ShowEntries();
  void UpdateButtons();
  // The selected entry, copied: a reload replaces the list.
  std::optional<PanelHistoryEntry> Selected() const;
  // Its project as the document opens one: the PLC library loaded and the addresses encoded; null after the
  // reason was shown.
  std::unique_ptr<TQMProject> LoadProject(const PanelHistoryEntry& entry);

  std::unique_ptr<Ui::PanelHistoryDlg> ui_;
  PanelHistory history_;
  QPointer<CLumoraView> view_;
  std::vector<PanelHistoryEntry> entries_;
  // Why the index could not be read (it is left as it is); empty when it could.
  QString loadError_;
};

}  // namespace lumora::gui
