#include "editors/message_dlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QTreeView>

#include "editors/editor_form.h"
#include "editors/editor_launcher.h"
#include "editors/help_topics.h"
#include "editors/ins_msg_dlg.h"
#include "editors/local_menu_model.h"
#include "editors/plc_message_model.h"
#include "editors/dialog_runner.h"
#include "editors/panel_preview.h"
#include "editors/parsed_rich_edit.h"
#include "editors/plc_help.h"
#include "model/clipboard_form.h"
#include "model/codes.h"
#include "model/interaction.h"
#include "model/load_error.h"
#include "plc/plc_address_check.h"
#include "plc/plc_manager.h"
#include "report/latin1.h"
#include "ui_message_dlg.h"

namespace lumora::gui {
namespace {

constexpr const char* kDeleteWithChildrenQuestion =
    QT_TRANSLATE_NOOP("EditorForm", "Delete current message and all its \nsub messages?");

}  // namespace

CMessageDlg::CMessageDlg(TQMProject& project, FieldFactory makeField, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::MessageDlg>()), project_(project), working_(project) {
  ui_->setupUi(this);
  setObjectName("messageDlg");
  panel_ = working_.CurrentPanel();
  if (!panel_ && !working_.panels.empty()) panel_ = working_.panels.front().get();
  if (!panel_) panel_ = &working_.AddPanel(kPanelQM210, 1);
  lists_ = std::make_unique<MessageListEdit>(*panel_);
  plcModel_ = new PlcMessageModel(*lists_, this);
  menuModel_ = new LocalMenuModel(*lists_, this);
  ui_->plcList->setModel(plcModel_);
  ui_->localTree->setModel(menuModel_);

  fields_ = new CMessageFields(*ui_, *panel_, makeField, Ui(), this);
  preview_ = new CPanelPreview(this);
  preview_->setObjectName("messagePreview");
  preview_->setAccessibleName(tr("Message Preview"));
  preview_->SetPanelType(panel_->panelType);
  ui_->previewHost->addWidget(preview_);
  ConnectHelpButton(ui_->helpButton, kHelpMessages);

  connect(ui_->plcList->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& index) {
            if (index.isValid()) Select({Kind::Plc, index.row()});
          });
  connect(ui_->localTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& index) {
            if (index.isValid()) Select({Kind::Local, menuModel_->LocalIndex(index)});
          });
  connect(ui_->addPlcButton, &QPushButton::clicked, this, &CMessageDlg::OnAddPlc);
  connect(ui_->insertPlcButton, &QPushButton::clicked, this, &CMessageDlg::OnInsertPlc);
  connect(ui_->deletePlcButton, &QPushButton::clicked, this, &CMessageDlg::OnDeletePlc);
  connect(ui_->addLocalButton, &QPushButton::clicked, this, [this] { OnAddLocal(false); });
  connect(ui_->addFolderButton, &QPushButton::clicked, this, [this] { OnAddLocal(true); });
  connect(ui_->insertLocalButton, &QPushButton::clicked, this, [this] { OnInsertLocal(false); });
  connect(ui_->insertFolderButton, &QPushButton::clicked, this, [this] { OnInsertLocal(true); });
  connect(ui_->deleteLocalButton, &QPushButton::clicked, this, &CMessageDlg::OnDeleteLocal);
  connect(ui_->acceptButton, &QPushButton::clicked, this, [this] {
    if (ApplyEdit()) FocusAfterApply();
  });
  connect(ui_->addressDbButton, &QPushButton::clicked, this, &CMessageDlg::OnAddressDatabase);
  connect(ui_->plcHelpButton, &QPushButton::clicked, this, [this] { OpenPlcAddressHelp(project_); });
  connect(ui_->exportCsvButton, &QPushButton::clicked, this, &CMessageDlg::OnExportCsv);
  connect(ui_->importCsvButton, &QPushButton::clicked, this, &CMessageDlg::OnImportCsv);
  connect(ui_->okButton, &QPushButton::clicked, this, &CMessageDlg::accept);
  connect(ui_->cancelButton, &QPushButton::clicked, this, &CMessageDlg::reject);

  connect(fields_, &CMessageFields::edited, this, &CMessageDlg::SetPending);
  connect(fields_, &CMessageFields::shownChanged, this, &CMessageDlg::UpdatePreview);
  connect(ui_->messageText, &CParsedRichEdit::enterPressed, this, [this] {
    if (ApplyEdit()) FocusAfterApply();
  });

  // Keys in the lists and Enter in the fields are routed by the dialog (see eventFilter).
  for (QWidget* widget : std::initializer_list<QWidget*>{ui_->plcList, ui_->localTree, ui_->acceptButton})
    widget->installEventFilter(this);

  ui_->plcList->setContextMenuPolicy(Qt::CustomContextMenu);
  ui_->localTree->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ui_->plcList, &QWidget::customContextMenuRequested, this, &CMessageDlg::ShowListMenu);
  connect(ui_->localTree, &QWidget::customContextMenuRequested, this, &CMessageDlg::ShowTreeMenu);

  ui_->localTree->expandAll();
  RefreshTotal();
  ShowSelection(lists_->PlcCount() > 0 ? Selection{Kind::Plc, 0} : Selection{Kind::Local, -1});
  ui_->localTree->setFocus();
}

CMessageDlg::~CMessageDlg() = default;

QListView* CMessageDlg::PlcList() const {
  return ui_->plcList;
}
QTreeView* CMessageDlg::LocalTree() const {
  return ui_->localTree;
}
CParsedRichEdit* CMessageDlg::MessageText() const {
  return ui_->messageText;
}
CAddressField& CMessageDlg::AddressField(int item) const {
  return fields_->AddressField(item);
}

Interaction& CMessageDlg::Ui() const {
  return project_.services.Ui();
}

// ------------------------------------------------------------------------------------------------ lists

void CMessageDlg::FillTree() {
  menuModel_->Reload();
  ui_->localTree->expandAll();
}

void CMessageDlg::RefreshTotal() {
  ui_->totalValue->setText(QString("%1").arg(lists_->Total(), 3));
}

void CMessageDlg::UpdateButtons() {
  bool plc = current_.kind == Kind::Plc && current_.index >= 0;
  ui_->insertPlcButton->setEnabled(plc && lists_->InsertRange(current_.index).has_value());
  ui_->deletePlcButton->setEnabled(plc);
  LocalOffer offer = lists_->Offer(current_.kind == Kind::Local ? current_.index : -1);
  ui_->addLocalButton->setEnabled(offer.newMessage);
  ui_->addFolderButton->setEnabled(offer.newFolder);
  ui_->insertLocalButton->setEnabled(offer.insertMessage);
  ui_->insertFolderButton->setEnabled(offer.insertFolder);
  ui_->deleteLocalButton->setEnabled(offer.remove);
}

TQMMessage* CMessageDlg::Current() {
  if (current_.kind == Kind::Plc && current_.index >= 0 && current_.index < lists_->PlcCount())
    return &lists_->Plc(current_.index);
  if (current_.kind == Kind::Local && current_.index >= 0 && current_.index < lists_->LocalCount())
    return &lists_->Local(current_.index);
  return nullptr;
}

void CMessageDlg::ShowSelection(Selection selection) {
  current_ = selection;
  moving_ = true;
  if (selection.kind == Kind::Plc) {
    ui_->localTree->setCurrentIndex({});
    ui_->localTree->clearSelection();
    ui_->plcList->setCurrentIndex(plcModel_->index(selection.index));
  } else {
    ui_->plcList->setCurrentIndex({});
    ui_->plcList->clearSelection();
    ui_->localTree->setCurrentIndex(menuModel_->IndexOf(selection.index));
  }
  moving_ = false;
  LoadMessage();
  UpdateButtons();
}

bool CMessageDlg::LeaveCurrent() {
  if (!editPending_) return true;
  switch (Ui().Ask(EditorText(kSaveCurrentQuestion), "", MessageButtons::YesNoCancel, MessageIcon::Question,
                   Answer::Yes)) {
    case Answer::Yes:
      return ApplyEdit();
    case Answer::No:
      editPending_ = false;
      return true;
    default:
      return false;
  }
}

void CMessageDlg::Select(Selection next) {
  if (moving_ || (current_.kind == next.kind && current_.index == next.index)) return;
  Selection previous = current_;
  ShowSelection(LeaveCurrent() ? next : previous);
}

// ----------------------------------------------------------------------------------------- the message

void CMessageDlg::LoadMessage() {
  loading_ = true;
  fields_->Load(Current(), current_.kind == Kind::Plc);
  ui_->acceptButton->setEnabled(Current() != nullptr);
  loading_ = false;
  editPending_ = false;
  UpdatePreview();
}

void CMessageDlg::UpdatePreview() {
  if (const TQMMessage* current = Current())
    preview_->ShowMessage(fields_->Shown(*current));
  else
    preview_->SetLines({});
}

void CMessageDlg::SetPending() {
  if (!loading_) editPending_ = true;
}

bool CMessageDlg::ApplyEdit() {
  TQMMessage* current = Current();
  if (!current) return true;
  bool plc = current_.kind == Kind::Plc;
  MessageForm form = fields_->Read();
  PlcAddressCheck addresses(project_, working_.tagMapLinked);
  MessageEditResult result = ApplyMessageEdit(*lists_, plc, current_.index, form, addresses);
  if (result.outcome == MessageEditResult::Outcome::AskNumberChange) {
    bool take = Ui().Ask(ToLatin1(QCoreApplication::translate("Core", kNumberChangeCaution)), "",
                         MessageButtons::YesNo, MessageIcon::Question, Answer::Yes) == Answer::Yes;
    result = ApplyMessageEdit(*lists_, plc, current_.index, form, addresses,
                              take ? NumberChange::Take : NumberChange::Keep);
  }
  if (result.numberShown) ui_->numberEdit->setText(QString::number(*result.numberShown));
  if (!result.Accepted()) {
    if (!result.notice.text.empty()) Ui().ShowMessage(result.notice.text, "", result.notice.icon);
    fields_->Widget(result.focus)->setFocus();
    return false;
  }

  int number = current->number;
  *current = std::move(result.message);
  current->SetOwners(&working_, panel_);
  if (number != current->number) {
    current_.index = lists_->Renumber(current_.index, current->number);
    plcModel_->Reload();
    moving_ = true;
    ui_->plcList->setCurrentIndex(plcModel_->index(current_.index));
    moving_ = false;
  } else if (plc) {
    plcModel_->Changed(current_.index);
  } else {
    menuModel_->Changed(current_.index);
  }
  RefreshTotal();
  UpdateButtons();
  editPending_ = false;
  messagesModified_ = true;
  return true;
}

void CMessageDlg::FocusAfterApply() {
  if (current_.kind == Kind::Plc)
    ui_->plcList->setFocus();
  else
    ui_->localTree->setFocus();
}

// ------------------------------------------------------------------------------------- list operations

TQMMessage CMessageDlg::NewMessage() {
  TQMMessage message(&working_, panel_);
  message.text = "New";
  return message;
}

void CMessageDlg::ShowChange(const ListEdit& edit, Kind kind) {
  if (!edit.Done()) {
    Ui().ShowMessage(edit.problem->text, "", MessageIcon::Information);
    return;
  }
  ShowLists(kind, {kind, edit.index});
}

void CMessageDlg::ShowLists(Kind changed, Selection next) {
  messagesModified_ = true;
  if (changed == Kind::Plc) plcModel_->Reload(); else FillTree();
  RefreshTotal();
  ShowSelection(next);
}

void CMessageDlg::RemoveCurrent() {
  if (current_.kind == Kind::Plc) {
    int next = lists_->RemovePlc(current_.index);
    ShowLists(Kind::Plc, next >= 0 ? Selection{Kind::Plc, next} : Selection{Kind::Local, -1});
  } else {
    int index = current_.index;
    lists_->RemoveLocal(index);
    ShowLists(Kind::Local, {Kind::Local, std::min(index, lists_->LocalCount()) - 1});
  }
}

void CMessageDlg::OnAddPlc() {
  if (!LeaveCurrent()) return;
  ShowChange(lists_->AddPlc(current_.kind == Kind::Plc ? current_.index : -1, NewMessage()), Kind::Plc);
}

void CMessageDlg::OnInsertPlc() {
  if (current_.kind != Kind::Plc || !LeaveCurrent()) return;
  auto range = lists_->InsertRange(current_.index);
  if (!range) return;
  int number = range->second - 1;
  if (lists_->InsertAsksNumber(current_.index)) {
    CInsMsgDlg ask(range->first, range->second, Ui(), this);
    if (RunDialog(ask) != QDialog::Accepted) return;
    number = ask.Number();
  }
  ShowChange(lists_->InsertPlc(current_.index, number, NewMessage()), Kind::Plc);
}

void CMessageDlg::OnDeletePlc() {
  if (current_.kind != Kind::Plc || current_.index < 0 || !LeaveCurrent()) return;
  if (Ui().Ask(EditorText(kDeleteQuestion), "", MessageButtons::YesNo, MessageIcon::Exclamation,
               Answer::Yes) == Answer::Yes)
    RemoveCurrent();
}

void CMessageDlg::OnAddLocal(bool folder) {
  if (!LeaveCurrent()) return;
  int selected = current_.kind == Kind::Local ? current_.index : -1;
  LocalOffer offer = lists_->Offer(selected);
  if (folder ? offer.newFolder : offer.newMessage)
    ShowChange(lists_->AddLocal(selected, folder, NewMessage()), Kind::Local);
}

void CMessageDlg::OnInsertLocal(bool folder) {
  if (current_.kind != Kind::Local || current_.index < 0 || !LeaveCurrent()) return;
  LocalOffer offer = lists_->Offer(current_.index);
  if (folder ? offer.insertFolder : offer.insertMessage)
    ShowChange(lists_->InsertLocal(current_.index, folder, NewMessage()), Kind::Local);
}

void CMessageDlg::OnDeleteLocal() {
  if (current_.kind != Kind::Local || current_.index < 0 || !LeaveCurrent()) return;
  const char* question = lists_->HasChildren(current_.index) ? kDeleteWithChildrenQuestion : kDeleteQuestion;
  if (Ui().Ask(EditorText(question), "", MessageButtons::YesNo, MessageIcon::Exclamation, Answer::Yes) ==
      Answer::Yes)
    RemoveCurrent();
}

void CMessageDlg::OnAddressDatabase() {
  lists_->Finish();
  if (const AddressDatabaseViewer& viewer = GetAddressDatabaseViewer()) viewer(working_, *panel_, this);
}

// --------------------------------------------------------------------------------------------- leaving

void CMessageDlg::accept() {
  if (Current() && !ApplyEdit()) return;
  lists_->Finish();
  TQMPanel* target = project_.FindPanel(panel_->port);
  if (!target && !project_.panels.empty()) target = project_.panels.front().get();
  if (target) {
    *target = *panel_;
    target->ReseatBackReferences();
  }
  QDialog::accept();
}

void CMessageDlg::reject() {
  // While the program closes, the question gets its No answer at once.
  if (messagesModified_ || editPending_) {
    if (Ui().Ask(EditorText(kSaveMessagesQuestion), "", MessageButtons::YesNo, MessageIcon::Exclamation,
                 Answer::Yes) == Answer::Yes) {
      accept();
      return;
    }
  }
  QDialog::reject();
}

void CMessageDlg::keyPressEvent(QKeyEvent* event) {
  // Esc does not close the editor; Enter never presses a default button.
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  if (event->matches(QKeySequence::Copy)) return OnCopy();
  if (event->matches(QKeySequence::Cut)) return OnCut();
  if (event->matches(QKeySequence::Paste)) return OnPaste();
  QDialog::keyPressEvent(event);
}

bool CMessageDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  if (watched == ui_->plcList || watched == ui_->localTree) {
    if (enter && ui_->messageText->isEnabled()) {
      ui_->messageText->setFocus();
      return true;
    }
    if (key->key() == Qt::Key_Delete) {
      if (watched == ui_->plcList) OnDeletePlc(); else OnDeleteLocal();
      return true;
    }
    if (key->matches(QKeySequence::Copy)) return OnCopy(), true;
    if (key->matches(QKeySequence::Cut)) return OnCut(), true;
    if (key->matches(QKeySequence::Paste)) return Paste(watched == ui_->plcList ? Kind::Plc : Kind::Local), true;
    return QDialog::eventFilter(watched, event);
  }
  if (enter) {
    // Enter in a property control applies the edit, as Enter in the message text does.
    if (ApplyEdit()) FocusAfterApply();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

// ------------------------------------------------------------------------------------------ variants

CPLCMessageDlg::CPLCMessageDlg(TQMProject& project, QWidget* parent)
    : CMessageDlg(project, [](QWidget* host) { return CAddressField::CreateTyped(host); }, parent) {
  setObjectName("plcMessageDlg");
}

CPNRMessageDlg::CPNRMessageDlg(TQMProject& project, QWidget* parent)
    : CMessageDlg(
          project,
          [&project](QWidget* host) {
            const TQMPanel* panel = project.CurrentPanel();
            return CAddressField::CreateTagPicker(project.TagMapFor(panel ? panel->panelType : kPanelQM210), host);
          },
          parent) {
  setObjectName("pnrMessageDlg");
}

}  // namespace lumora::gui
