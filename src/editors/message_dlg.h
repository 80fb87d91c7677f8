#pragma once
// CMessageDlg: "Message edit", the messages of the selected text panel. PLC messages in a list sorted by
// number, local messages in the panel's menu tree, the selected message's text and data items on the
// right. Works on a copy of the project; OK copies the panel back.
// CPLCMessageDlg types PLC addresses, CPNRMessageDlg picks tag names from the project's tag map.

#include <QDialog>
#include <memory>

#include "editors/message_fields.h"
#include "model/message_edit.h"
#include "model/message_list_edit.h"
#include "model/project.h"

class QListView;
class QTreeView;

namespace Ui {
class MessageDlg;
}

namespace lumora::gui {

class CPanelPreview;
class CParsedRichEdit;
class LocalMenuModel;
class PlcMessageModel;

inline constexpr const char* kMessageClipboardFormat = "application/x-lumora";

class CMessageDlg : public QDialog {
  Q_OBJECT

 public:
  using FieldFactory = AddressFieldFactory;

  ~CMessageDlg() override;

  QListView* PlcList() const;
  QTreeView* LocalTree() const;
  CParsedRichEdit* MessageText() const;
  CPanelPreview* Preview() const { return preview_; }
  CAddressField& AddressField(int item) const;  // 1..3, 4 the decimal point address
  const TQMPanel& WorkingPanel() const { return *panel_; }
  bool EditPending() const { return editPending_; }
  bool MessagesModified() const { return messagesModified_; }

  void accept() override;
  void reject() override;

 public slots:
  void OnAddPlc();
  void OnInsertPlc();
  void OnDeletePlc();
  void OnAddLocal(bool folder);
  void OnInsertLocal(bool folder);
  void OnDeleteLocal();
  void OnCut();
  void OnCopy();
  void OnPaste();
  // Algorithm of "&Press to accept Message edit": false when the edit was refused.
  bool ApplyEdit();
  void OnAddressDatabase();
  // The working list as a CSV table, and a table in its place.
  void OnExportCsv();
  void OnImportCsv();

 protected:
  CMessageDlg(TQMProject& project, FieldFactory makeField, QWidget* parent);
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Kind { None, Plc, Local };
  struct Selection {
    Kind kind = Kind::None;
    int index = -1;
  };

  // The local menu shown again after its items changed.
  void FillTree();
  void RefreshTotal();
  void UpdateButtons();
  void ShowSelection(Selection selection);
  void LoadMessage();
  // The question before the selection moves on from an unapplied edit; false keeps the old selection.
  bool LeaveCurrent();
  TQMMessage* Current();
  // The user moved the selection in one of the lists.
  void Select(Selection next);
  void SetPending();
  void ShowListMenu(const QPoint& position);
  void ShowTreeMenu(const QPoint& position);
  TQMMessage NewMessage();
  // A list change: its problem shown, or the changed list refilled and `edit`'s item selected.
  void ShowChange(const ListEdit& edit, Kind kind);
  void ShowLists(Kind changed, Selection next);
  // Removes the selected message (and what lies below it) without asking.
  void RemoveCurrent();
  void Paste(Kind into);
  void FocusAfterApply();
  // The panel's display showing the message as edited so far.
  void UpdatePreview();
  Interaction& Ui() const;

  std::unique_ptr<Ui::MessageDlg> ui_;
  TQMProject& project_;
  TQMProject working_;
  TQMPanel* panel_;
  std::unique_ptr<MessageListEdit> lists_;
  PlcMessageModel* plcModel_ = nullptr;
  LocalMenuModel* menuModel_ = nullptr;
  CMessageFields* fields_ = nullptr;
  CPanelPreview* preview_ = nullptr;
  Selection current_;
  bool editPending_ = false;
  bool messagesModified_ = false;
  bool loading_ = false;
  bool moving_ = false;  // the selection is being set by the dialog itself
};

class CPLCMessageDlg : public CMessageDlg {
  Q_OBJECT

 public:
  CPLCMessageDlg(TQMProject& project, QWidget* parent = nullptr);
};

class CPNRMessageDlg : public CMessageDlg {
  Q_OBJECT

 public:
  CPNRMessageDlg(TQMProject& project, QWidget* parent = nullptr);
};

}  // namespace lumora::gui
