#include "app/log_dlg.h"

#include <QFile>
#include <QPushButton>
#include <QTextEdit>

#include "app/gui_interaction.h"
#include "model/file_io.h"
#include "model/message_text.h"
#include "report/latin1.h"
#include "ui_log_dlg.h"

namespace lumora::gui {

CLog::CLog(const std::vector<std::string>& lines, bool tagMap, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::LogDlg>()) {
  ui_->setupUi(this);
  setWindowTitle(tagMap ? tr("Plan & Run conversion log") : tr("Unable to download"));
  std::string joined;
  for (const std::string& line : lines)
    joined += line;
  text_ = FromLatin1(MessageDisplayText(joined));
  QTextEdit* view = ui_->logText;
  view->setAccessibleName(windowTitle());
  QFont font("Courier New");
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(13);
  view->setFont(font);
  view->setPlainText(text_);
  if (!tagMap) {
    QTextCursor cursor(view->document());
    for (int i = 0; i < static_cast<int>(joined.size()); ++i) {
      unsigned char byte = static_cast<unsigned char>(joined[static_cast<size_t>(i)]);
      QColor colour;
      if (byte == 0xFF || byte == 0xFC) colour = QColor(255, 0, 0);
      if (byte == 0xFE) colour = QColor(0, 0, 255);
      if (byte == 0xFD) colour = QColor(0, 128, 0);
      if (!colour.isValid()) continue;
      cursor.setPosition(i);
      cursor.setPosition(i + 1, QTextCursor::KeepAnchor);
      QTextCharFormat format;
      format.setForeground(colour);
      cursor.mergeCharFormat(format);
    }
  }
  connect(ui_->saveLogButton, &QPushButton::clicked, this, &CLog::OnSaveLog);
  connect(ui_->okButton, &QPushButton::clicked, this, &QDialog::accept);
}

CLog::~CLog() = default;

void CLog::OnSaveLog() {
  FilePrompt prompt;
  prompt.filter = ToLatin1(tr("Text Files (*.txt)") + "|*.txt|" + tr("All Files (*.*)") + "|*.*||");
  prompt.defaultExtension = "txt";
  prompt.defaultName = "log";
  prompt.overwritePrompt = true;
  std::optional<QString> path = AskSaveFile(this, prompt);
  if (!path) return;
  std::string reason;
  if (!WriteFileAtomically(QFile::encodeName(*path).toStdString(), ToLatin1(text_), &reason)) {
    // The dialog stays open, so the log can be saved elsewhere.
    ShowMessageBox(this, QString("%1: %2").arg(*path, FromReasonText(reason)), tr("Save Log"),
                   MessageIcon::Error);
    return;
  }
  accept();
}

}  // namespace lumora::gui
