#pragma once
// CSPConfigDlg: the set-point panel's messages (description, value address, data type, display method,
// limits, decimal point), how the panel selects the message it shows, and its beeper. Works on a working
// list of the panel's messages; OK writes them back sorted by number.
// CPLCSPConfigDlg types PLC addresses, CPNRSPConfigDlg picks tag names from the project's tag map.

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "editors/address_field.h"
#include "model/set_point_edit.h"
#include "model/set_point_list.h"

class QTableView;
class QComboBox;

namespace Ui {
class SPConfigDlg;
}

namespace lumora {
class Interaction;
class TQMPanel;
class TQMProject;
}  // namespace lumora

namespace lumora::gui {

class CPanelPreview;
class CSetPointTableModel;

inline constexpr const char* kSetPointClipboardFormat = "application/x-lumora-sp";

class CSPConfigDlg : public QDialog {
  Q_OBJECT

 public:
  using FieldFactory = std::function<std::unique_ptr<CAddressField>(QWidget* parent)>;
  enum Field { SetPointAddress, DecimalPointAddress, SelectionAddress };

  ~CSPConfigDlg() override;

  QTableView* MessageList() const;
  QComboBox* NumberBox() const;
  CAddressField& AddressField(Field field) const { return *fields_[field]; }
  CPanelPreview* Preview() const { return preview_; }
  const SetPointList& WorkingList() const { return list_; }
  int CurrentNumber() const { return currentNumber_; }
  bool EditChanged() const { return editChanged_; }
  bool AnythingChanged() const { return editChanged_ || listChanged_ || beeperChanged_ || setupChanged_; }

  void accept() override;
  void reject() override;

 public slots:
  void OnSelect();
  // Stores the edit under the current number; false when a limit or an address was refused.
  bool AcceptEdit();
  void OnDelete();
  void OnCopy();
  void OnCut();
  void OnPaste();
  // The working list as a CSV table, and a table in its place.
  void OnExportCsv();
  void OnImportCsv();

 protected:
  CSPConfigDlg(TQMProject& project, const FieldFactory& makeField, QWidget* parent);
  // Whether an accepted address stays as entered (tag names picked) or becomes the library's own text.
  bool KeepsAddressText() const;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillList();
  void RefreshTotal();
  void SwitchTo(int number);
  // The question before the current edit is left; false keeps it.
  bool LeaveCurrentEdit();
  void ShowNumber(int number);
  // Fills the message's fields (a change of the user's only after this).
  void ShowFields(const SetPointFields& shown);
  void SelectRow(int row);
  // Deletes the message whose number stands in the number box (the selected row's, normally).
  void RemoveNumberInBox();
  std::optional<int> SelectedRow() const;
  std::optional<int> TypedNumber();
  void SetEditChanged();
  void OnTypeChosen(int position);
  void OnDecimalChosen(int position);
  void OnDisplayChosen(int position);
  void OnSelectionToggled(bool on);
  void OnRowSelected();
  void UpdateButtons();
  void UpdatePreview();
  // What the message's fields hold, as the editing rules take them.
  SetPointFields ReadFields() const;
  // OK's three steps: the message-selection register, the pending edit, the panel; false stays.
  bool StoreAll();
  Interaction& Ui() const;

  std::unique_ptr<Ui::SPConfigDlg> ui_;
  TQMProject& project_;
  TQMPanel& panel_;
  SetPointList list_;
  CSetPointTableModel* model_ = nullptr;
  std::array<std::unique_ptr<CAddressField>, 3> fields_;
  CPanelPreview* preview_ = nullptr;
  int currentNumber_ = 0;
  bool editChanged_ = false;
  bool listChanged_ = false;
  bool beeperChanged_ = false;
  bool setupChanged_ = false;
  bool loading_ = false;  // fields are being filled by the dialog itself
  bool moving_ = false;   // the row selection is being set by the dialog itself
  bool asking_ = false;   // the save question is open
};

// The two ways to open the editor: typed PLC addresses, or tag names from the project's tag map.
class CPLCSPConfigDlg : public CSPConfigDlg {
  Q_OBJECT

 public:
  // The project's selected panel is the set-point panel to edit.
  explicit CPLCSPConfigDlg(TQMProject& project, QWidget* parent = nullptr);
};

class CPNRSPConfigDlg : public CSPConfigDlg {
  Q_OBJECT

 public:
  explicit CPNRSPConfigDlg(TQMProject& project, QWidget* parent = nullptr);
};

}  // namespace lumora::gui
