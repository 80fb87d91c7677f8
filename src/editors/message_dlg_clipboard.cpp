// The message editor's ways in and out of its working lists: the clipboard, the lists' context menus with
// their clipboard commands, and CSV tables.

#include <QApplication>
#include <QClipboard>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QTreeView>

#include "editors/local_menu_model.h"
#include "editors/message_dlg.h"
#include "editors/message_table_files.h"
#include "editors/plc_message_model.h"
#include "model/clipboard_form.h"
#include "model/load_error.h"
#include "plc/plc_address_check.h"
#include "ui_message_dlg.h"

namespace lumora::gui {
namespace {

bool ClipboardHasMessage() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  return data && data->hasFormat(kMessageClipboardFormat);
}

}  // namespace

void CMessageDlg::OnCopy() {
  TQMMessage* message = Current();
  if (!message || message->isFolder) return;
  std::string text;
  message->AppendTo(text);
  auto* data = new QMimeData;
  data->setData(kMessageClipboardFormat, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
  QApplication::clipboard()->setMimeData(data);
}

void CMessageDlg::OnCut() {
  TQMMessage* message = Current();
  if (!message || message->isFolder || !LeaveCurrent()) return;
  OnCopy();
  RemoveCurrent();
}

void CMessageDlg::OnPaste() {
  Paste(current_.kind == Kind::Plc ? Kind::Plc : Kind::Local);
}

void CMessageDlg::Paste(Kind into) {
  if (!ClipboardHasMessage() || !LeaveCurrent() || !ClipboardHasMessage()) return;  // again after asking
  QByteArray bytes = QApplication::clipboard()->mimeData()->data(kMessageClipboardFormat);
  TQMMessage message = ReadClipboardMessage(bytes.toStdString(), &working_, panel_);
  // Addresses the project's PLC does not accept are dropped quietly; the others are encoded again.
  PlcAddressCheck check(project_, true);
  RecheckPastedAddresses(message, check);
  int selected = current_.kind == into ? current_.index : -1;
  ShowChange(into == Kind::Plc ? lists_->AddPlc(selected, message)
                               : lists_->AddLocal(lists_->FolderFor(selected), false, message),
             into);
}

void CMessageDlg::ShowListMenu(const QPoint& position) {
  QMenu menu(this);
  menu.setObjectName("listMenu");
  bool plc = current_.kind == Kind::Plc && current_.index >= 0;
  menu.addAction(tr("New &Message"), this, &CMessageDlg::OnAddPlc);
  menu.addAction(tr("&Insert Message"), this, &CMessageDlg::OnInsertPlc)
      ->setEnabled(ui_->insertPlcButton->isEnabled());
  menu.addAction(tr("&Delete"), this, &CMessageDlg::OnDeletePlc)->setEnabled(plc);
  menu.addSeparator();
  menu.addAction(tr("&Cut "), this, &CMessageDlg::OnCut)->setEnabled(plc);
  menu.addAction(tr("C&opy"), this, &CMessageDlg::OnCopy)->setEnabled(plc);
  menu.addAction(tr("&Paste"), this, [this] { Paste(Kind::Plc); })->setEnabled(ClipboardHasMessage());
  menu.exec(ui_->plcList->viewport()->mapToGlobal(position));
}

void CMessageDlg::ShowTreeMenu(const QPoint& position) {
  QMenu menu(this);
  menu.setObjectName("treeMenu");
  LocalOffer offer = lists_->Offer(current_.kind == Kind::Local ? current_.index : -1);
  menu.addAction(tr("New &Message"), this, [this] { OnAddLocal(false); })->setEnabled(offer.newMessage);
  menu.addAction(tr("New &Folder"), this, [this] { OnAddLocal(true); })->setEnabled(offer.newFolder);
  menu.addAction(tr("Insert M&essage"), this, [this] { OnInsertLocal(false); })
      ->setEnabled(offer.insertMessage);
  menu.addAction(tr("I&nsert Folder"), this, [this] { OnInsertLocal(true); })->setEnabled(offer.insertFolder);
  menu.addAction(tr("&Delete"), this, &CMessageDlg::OnDeleteLocal)->setEnabled(offer.remove);
  menu.addSeparator();
  menu.addAction(tr("&Cut "), this, &CMessageDlg::OnCut)->setEnabled(offer.cutCopy);
  menu.addAction(tr("C&opy"), this, &CMessageDlg::OnCopy)->setEnabled(offer.cutCopy);
  menu.addAction(tr("&Paste"), this, [this] { Paste(Kind::Local); })->setEnabled(ClipboardHasMessage());
  menu.exec(ui_->localTree->viewport()->mapToGlobal(position));
}

// ------------------------------------------------------------------------------------------ CSV tables

void CMessageDlg::OnExportCsv() {
  if (!LeaveCurrent()) return;
  TQMPanel numbered(*panel_);
  MessageListEdit(numbered).Finish();
  ExportMessageTable(Ui(), numbered, project_.fileName);
}

void CMessageDlg::OnImportCsv() {
  if (!LeaveCurrent()) return;
  PlcAddressCheck addresses(project_, working_.tagMapLinked);
  if (!ImportMessageTable(Ui(), *panel_, project_.fileName, addresses)) return;
  plcModel_->Reload();
  ShowLists(Kind::Local, lists_->PlcCount() > 0 ? Selection{Kind::Plc, 0} : Selection{Kind::Local, -1});
}

}  // namespace lumora::gui
