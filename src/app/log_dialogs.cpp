#include "app/log_dialogs.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/gui_interaction.h"
#include "app/modal_run.h"
#include "model/file_io.h"
#include "model/message_text.h"
#include "plc/plan_n_run.h"

namespace lumora::gui {

CLog::CLog(const std::vector<std::string>& lines, bool tagMap, QWidget* parent) : QDialog(parent) {
  setObjectName("logDialog");
  setWindowTitle(tagMap ? "Plan & Run conversion log" : "Unable to download");
  std::string joined;
  for (const std::string& line : lines)
    joined += line;
  text_ = FromLatin1(MessageDisplayText(joined));
  view_ = new QTextEdit(this);
  view_->setObjectName("logText");
  view_->setReadOnly(true);
  QFont font("Courier New");
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(13);
  view_->setFont(font);
  view_->setPlainText(text_);
  if (!tagMap) {
    QTextCursor cursor(view_->document());
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
  auto* save = new QPushButton("&Save log...", this);
  save->setObjectName("saveLogButton");
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  connect(save, &QPushButton::clicked, this, &CLog::OnSaveLog);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save);
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_);
  layout->addLayout(buttons);
  resize(620, 320);
}

void CLog::OnSaveLog() {
  FilePrompt prompt;
  prompt.filter = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||";
  prompt.defaultExtension = "txt";
  prompt.defaultName = "log";
  prompt.overwritePrompt = true;
  std::optional<QString> path = AskSaveFile(this, prompt);
  if (!path) return;
  std::string reason;
  if (!WriteFileAtomically(QFile::encodeName(*path).toStdString(), text_.toLatin1().toStdString(), &reason)) {
    // The dialog stays open, so the log can be saved elsewhere.
    ShowMessageBox(this, QString("%1: %2").arg(*path, QString::fromLocal8Bit(reason.c_str())), "Save Log",
                   MessageIcon::Error);
    return;
  }
  accept();
}

CPNRConvDlg::CPNRConvDlg(const std::vector<std::string>& log, const std::string& mapPath, QWidget* parent)
    : QDialog(parent), log_(log) {
  setObjectName("incompleteTagMapDialog");
  setWindowTitle("Incomplete tag map");
  std::vector<char> text(mapPath.size() + 400);
  std::snprintf(text.data(), text.size(), kIncompleteTagMapFormat, mapPath.c_str());
  auto* label = new QLabel(FromLatin1(text.data()), this);
  label->setWordWrap(true);
  auto* yes = new QPushButton("&Yes", this);
  yes->setObjectName("yesButton");
  auto* no = new QPushButton("&No", this);
  no->setObjectName("noButton");
  no->setDefault(true);
  auto* details = new QPushButton("&Details...", this);
  details->setObjectName("detailsButton");
  connect(yes, &QPushButton::clicked, this, &QDialog::accept);
  connect(no, &QPushButton::clicked, this, &QDialog::reject);
  connect(details, &QPushButton::clicked, this, [this] {
    CLog log(log_, true, this);
    ExecModal(log);
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(details);
  buttons->addStretch();
  buttons->addWidget(yes);
  buttons->addWidget(no);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addLayout(buttons);
}

CPanelNotConfDlg::CPanelNotConfDlg(const std::vector<std::string>& missing, QWidget* parent)
    : QDialog(parent), missing_(missing) {
  setObjectName("incompleteDataDialog");
  setWindowTitle("Incomplete data");
  auto* label = new QLabel("Panel program can not be uploaded as it has incomplete data. ", this);
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  auto* details = new QPushButton("&Details...", this);
  details->setObjectName("detailsButton");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(details, &QPushButton::clicked, this, [this] {
    CLog log(missing_, false, this);
    ExecModal(log);
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(details);
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addLayout(buttons);
}

}  // namespace lumora::gui
