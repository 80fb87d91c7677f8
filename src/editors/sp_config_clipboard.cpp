// The set-point configuration's ways in and out of its working list: the clipboard and CSV tables.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>

#include "editors/message_table_files.h"
#include "editors/set_point_table_model.h"
#include "editors/sp_config_dlg.h"
#include "model/clipboard_form.h"
#include "model/editing_rules.h"
#include "model/interaction.h"
#include "model/project.h"
#include "model/set_point_edit.h"
#include "plc/plc_address_check.h"
#include "ui_sp_config_dlg.h"

namespace lumora::gui {

void CSPConfigDlg::OnCopy() {
  std::optional<int> row = SelectedRow();
  if (!row) return;
  std::string text = ClipboardText(list_.At(*row));
  auto* data = new QMimeData;
  data->setData(kSetPointClipboardFormat, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
  QApplication::clipboard()->setMimeData(data);
}

void CSPConfigDlg::OnCut() {
  if (!SelectedRow()) return;
  OnCopy();
  RemoveNumberInBox();
}

void CSPConfigDlg::OnPaste() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (!data || !data->hasFormat(kSetPointClipboardFormat)) return;
  if (!LeaveCurrentEdit()) return;
  std::optional<int> after;
  if (std::optional<int> row = SelectedRow()) after = list_.At(*row).number;
  QByteArray bytes = data->data(kSetPointClipboardFormat);
  PlcAddressCheck check(project_, KeepsAddressText());
  std::optional<TQMMessage> message = PasteSetPoint(std::string(bytes.constData(), static_cast<size_t>(bytes.size())),
                                                    list_, after, panel_, check);
  if (!message) {
    Ui().ShowMessage(kM003Text, "", MessageIcon::Exclamation);
    return;
  }
  SetPointList::Stored stored = list_.Store(*message);
  model_->RowAppended();
  ui_->numberBox->addItem(QString::fromStdString(SetPointNumberText(message->number)), message->number);
  RefreshTotal();
  setupChanged_ = true;
  SwitchTo(list_.At(stored.index).number);
}

// ------------------------------------------------------------------------------------------ CSV tables

void CSPConfigDlg::OnExportCsv() {
  if (!LeaveCurrentEdit()) return;
  TQMPanel panel(panel_);
  list_.StoreInto(panel);
  ExportMessageTable(Ui(), panel, project_.fileName);
}

void CSPConfigDlg::OnImportCsv() {
  if (!LeaveCurrentEdit()) return;
  TQMPanel panel(panel_);
  list_.StoreInto(panel);
  PlcAddressCheck check(project_, KeepsAddressText());
  if (!ImportMessageTable(Ui(), panel, project_.fileName, check)) return;
  list_ = SetPointList(panel);
  model_->Reload();
  FillList();
  ShowFields(ClearedSetPointFields(0));
  currentNumber_ = 0;
  ShowNumber(0);
  SelectRow(-1);
  listChanged_ = true;
}

}  // namespace lumora::gui
