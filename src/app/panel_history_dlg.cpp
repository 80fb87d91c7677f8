#include "app/panel_history_dlg.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "app/lumora_doc.h"
#include "app/lumora_view.h"
#include "app/main_frame.h"
#include "app/unit_commands.h"
#include "editors/help_topics.h"
#include "model/file_io.h"
#include "model/project.h"
#include "model/project_compare.h"
#include "model/project_file.h"
#include "plc/address_conversion.h"
#include "plc/plc_manager.h"
#include "ui_panel_history_dlg.h"

namespace lumora::gui {

CPanelHistoryDlg::CPanelHistoryDlg(const std::string& folder, CLumoraView* view, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::PanelHistoryDlg>()), history_(folder), view_(view) {
  ui_->setupUi(this);
  ui_->historyList->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(ui_->filterEdit, &QLineEdit::textChanged, this, &CPanelHistoryDlg::ShowEntries);
  connect(ui_->historyList, &QTreeWidget::itemSelectionChanged, this, &CPanelHistoryDlg::UpdateButtons);
  connect(ui_->historyList, &QTreeWidget::itemDoubleClicked, this, &CPanelHistoryDlg::OnOpen);
  connect(ui_->openButton, &QPushButton::clicked, this, &CPanelHistoryDlg::OnOpen);
  connect(ui_->compareButton, &QPushButton::clicked, this, &CPanelHistoryDlg::OnCompare);
  connect(ui_->writeAgainButton, &QPushButton::clicked, this, &CPanelHistoryDlg::OnWriteAgain);
  connect(ui_->closeButton, &QPushButton::clicked, this, &QDialog::reject);
  ConnectHelpButton(ui_->helpButton, kHelpHistory);
  Reload();
}

CPanelHistoryDlg::~CPanelHistoryDlg() = default;

QTreeWidget* CPanelHistoryDlg::List() const {
  return ui_->historyList;
}
QLineEdit* CPanelHistoryDlg::Filter() const {
  return ui_->filterEdit;
}

void CPanelHistoryDlg::Reload() {
  std::string error;
  loadError_ = history_.Load(entries_, &error) ? QString() : FromPath(error);
  ShowEntries();
  // Once for the whole list: a filter keeps the widths.
  for (int column = 0; column < ui_->historyList->columnCount(); ++column)
    ui_->historyList->resizeColumnToContents(column);
}

void CPanelHistoryDlg::ShowEntries() {
  std::string filter = ToPath(ui_->filterEdit->text().trimmed());
  QList<QTreeWidgetItem*> items;
  for (const PanelHistoryEntry& e : entries_) {
    if (!MatchesHistoryFilter(e, filter, "") && !MatchesHistoryFilter(e, "", filter)) continue;
    auto* item =
        new QTreeWidgetItem(QStringList{QString::number(e.number), FromPath(HistoryTimeText(e.time)),
                                        FromPath(e.operation), FromPath(e.target), FromPath(e.port),
                                        FromPath(e.model), FromPath(e.firmware), FromPath(e.projectName)});
    item->setData(0, Qt::UserRole, e.number);
    items << item;
  }
  ui_->historyList->clear();
  ui_->historyList->addTopLevelItems(items);
  if (!items.isEmpty()) ui_->historyList->setCurrentItem(items.front());
  if (!loadError_.isEmpty()) {
    ui_->statusLabel->setText(loadError_);
  } else if (entries_.empty()) {
    ui_->statusLabel->setText(tr("No write or read has been kept yet."));
  } else {
    ui_->statusLabel->setText(tr("%1 of %2 entries shown.").arg(items.size()).arg(entries_.size()));
  }
  UpdateButtons();
}

void CPanelHistoryDlg::UpdateButtons() {
  bool selected = Selected().has_value();
  ui_->openButton->setEnabled(selected);
  ui_->compareButton->setEnabled(selected && view_);
  ui_->writeAgainButton->setEnabled(selected && view_);
}

std::optional<PanelHistoryEntry> CPanelHistoryDlg::Selected() const {
  QTreeWidgetItem* item = ui_->historyList->currentItem();
  if (!item || !item->isSelected()) return std::nullopt;
  int number = item->data(0, Qt::UserRole).toInt();
  for (const PanelHistoryEntry& e : entries_)
    if (e.number == number) return e;
  return std::nullopt;
}

std::unique_ptr<TQMProject> CPanelHistoryDlg::LoadProject(const PanelHistoryEntry& entry) {
  CLumoraApp* app = CLumoraApp::Instance();
  auto project = std::make_unique<TQMProject>(CoreServices{&app->Ui(), &app->Plc()});
  std::string error;
  if (!history_.LoadProject(entry, *project, &error)) {
    ShowMessageBox(this, FromPath(error), "", MessageIcon::Error);
    return nullptr;
  }
  project->ReloadPlcLibrary(project->plcSettings.libraryName);
  if (project->plcLibrary) {
    TQMPlcManager manager(project->plcLibrary.get(), app->Ui());
    RevalidateAddresses(*project, manager);
  }
  return project;
}

void CPanelHistoryDlg::OnOpen() {
  std::optional<PanelHistoryEntry> entry = Selected();
  if (!entry) return;
  std::string text;
  std::string error;
  if (!history_.ReadProject(*entry, text, &error)) {
    ShowMessageBox(this, FromPath(error), "", MessageIcon::Error);
    return;
  }
  // The prompt of File > New: a project file that may replace one.
  FilePrompt prompt;
  prompt.title = ToLatin1(tr("Open Project from History"));
  prompt.filter = ToLatin1(QCoreApplication::translate("Core", kProjectFileFilter));
  prompt.defaultExtension = "lmx";
  prompt.defaultName = entry->projectName;
  prompt.overwritePrompt = true;
  std::optional<QString> path = AskSaveFile(this, prompt);
  if (!path) return;
  std::string target = ToPath(*path);
  CMainFrame* frame = CLumoraApp::Instance()->MainFrame();
  for (CLumoraDoc* doc : frame ? frame->Documents() : QList<CLumoraDoc*>()) {
    if (!doc->PathName().isEmpty() && SameFile(ToPath(doc->PathName()), target)) {
      ShowMessageBox(this,
                     tr("%1 is open in a window: close it there first, or choose another name.").arg(*path),
                     "", MessageIcon::Exclamation);
      return;
    }
  }
  if (SameFile(target, history_.ProjectPath(entry->projectId)) || SameFile(target, history_.IndexPath())) {
    ShowMessageBox(this, tr("%1 is a file of the panel history itself: choose another name.").arg(*path), "",
                   MessageIcon::Exclamation);
    return;
  }
  if (!WriteFileAtomically(target, text, &error)) {
    ShowMessageBox(this, QString("%1\n%2").arg(*path, FromPath(error)), "", MessageIcon::Error);
    return;
  }
  accept();
  if (frame) frame->OpenDocumentFile(*path);
}

void CPanelHistoryDlg::OnCompare() {
  std::optional<PanelHistoryEntry> entry = Selected();
  if (!entry || !view_) return;
  std::unique_ptr<TQMProject> stored = LoadProject(*entry);
  if (!stored) return;
  // As verify compares: what a panel holds, field by field, the project in front first.
  const TQMProject& current = view_->Document()->Project();
  bool same = ProjectsEqual(current, *stored, CompareScope::Panel);
  QStringList lines;
  for (const std::string& line : DescribeDifferences(
           current, *stored,
           {ToLatin1(tr("not in the kept project")), ToLatin1(tr("not in the current project"))},
           CompareScope::Panel))
    lines << FromLatin1(line);
  QString text = same ? tr("The current project is the same as the project of history entry %1.")
                      : tr("The current project differs from the project of history entry %1.");
  ShowMessageBox(this, text.arg(entry->number), "", MessageIcon::Information, MessageButtons::Ok, Answer::Ok,
                 lines.join('\n'));
}

void CPanelHistoryDlg::OnWriteAgain() {
  std::optional<PanelHistoryEntry> entry = Selected();
  if (!entry || !view_) return;
  std::unique_ptr<TQMProject> stored = LoadProject(*entry);
  if (!stored) return;
  QPointer<CPanelHistoryDlg> self(this);
  view_->UnitCommands()->WriteStoredProject(*stored, entry->projectName);
  // The write is an entry of its own.
  if (self) Reload();
}

}  // namespace lumora::gui
