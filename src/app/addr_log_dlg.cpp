#include "app/addr_log_dlg.h"

#include <QDateTime>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>

#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "editors/help_topics.h"
#include "model/file_io.h"
#include "plc/address_conversion.h"
#include "ui_addr_log_dlg.h"

namespace lumora::gui {

CAddrLogDlg::CAddrLogDlg(const std::vector<std::string>& rows, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::AddrLogDlg>()), rows_(rows) {
  ui_->setupUi(this);
  for (const std::string& row : rows_) {
    QStringList fields = FromLatin1(row).split('\t');
    while (fields.size() < 3)
      fields << QString();
    if (fields[0].isEmpty()) continue;  // a row without an old address is not shown
    new QTreeWidgetItem(ui_->logList, {fields[0], fields[1], fields[2]});
  }
  // Each column takes a third of the list.
  ui_->logList->header()->setSectionResizeMode(QHeaderView::Stretch);
  connect(ui_->saveButton, &QPushButton::clicked, this, &CAddrLogDlg::OnSaveLog);
  ConnectHelpButton(ui_->buttons->button(QDialogButtonBox::Help), kHelpConversionLog);
}

CAddrLogDlg::~CAddrLogDlg() = default;

bool CAddrLogDlg::SaveLog(const std::string& path) {
  std::string createdOn =
      ToLatin1(QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
  std::string text = FormatAddressConversionLog(rows_, createdOn);
  // A text file: every line ends with CR LF.
  std::string file;
  for (char c : text) {
    if (c == '\n') file += '\r';
    file += c;
  }
  std::string error;
  if (WriteFileAtomically(path, file, &error)) return true;
  ShowMessageBox(this, FromPath(path) + ": " + FromPath(error), "", MessageIcon::Error);
  return false;
}

void CAddrLogDlg::OnSaveLog() {
  FilePrompt prompt;
  prompt.filter = ToLatin1(tr("Text Files (*.txt)") + "|*.txt|" + tr("All Files (*.*)") + "|*.*||");
  prompt.defaultExtension = "txt";
  prompt.overwritePrompt = true;
  std::optional<std::string> path = CLumoraApp::Instance()->Ui().PromptSaveFile(prompt);
  if (path) SaveLog(*path);
}

}  // namespace lumora::gui
