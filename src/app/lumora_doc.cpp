#include "app/lumora_doc.h"

#include <QApplication>
#include <QFileInfo>

#include "app/gui_interaction.h"
#include "app/pnr_conv_dlg.h"
#include "app/lumora_app.h"
#include "app/project_change_command.h"
#include "app/modal_run.h"
#include "model/project_file.h"
#include "plc/plan_n_run.h"

namespace lumora::gui {
namespace {

bool ConfirmConversion(const std::vector<std::string>& log, const std::string& mapPath, void*) {
  QApplication::restoreOverrideCursor();
  CPNRConvDlg dialog(log, mapPath, QApplication::activeWindow());
  bool yes = ExecModal(dialog) == QDialog::Accepted;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  return yes;
}

}  // namespace

CLumoraDoc::CLumoraDoc(CLumoraApp& app, QObject* parent)
    : QObject(parent),
      app_(app),
      project_(std::make_unique<TQMProject>(CoreServices{&app.Ui(), &app.Plc()})) {
  connect(&undoStack_, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modifiedChanged(!clean); });
}

CLumoraDoc::~CLumoraDoc() = default;

void CLumoraDoc::ReplaceProject(std::unique_ptr<TQMProject> project) {
  project_ = std::move(project);
  project_->services = {&app_.Ui(), &app_.Plc()};
  freshProject_ = false;
  emit projectReplaced();
}

std::unique_ptr<TQMProject> CLumoraDoc::Snapshot() const {
  return std::make_unique<TQMProject>(*project_);
}

void CLumoraDoc::RecordChange(const QString& text, std::unique_ptr<TQMProject> before) {
  freshProject_ = false;
  std::shared_ptr<const ProjectState> was = ProjectState::Capture(*before, state_.get());
  state_ = ProjectState::Capture(*project_, was.get());
  undoStack_.push(new ProjectChangeCommand(*this, text, std::move(was), state_));
}

void CLumoraDoc::RestoreState(const std::shared_ptr<const ProjectState>& state) {
  state_ = state;
  ReplaceProject(state->Make({&app_.Ui(), &app_.Plc()}));
}

bool CLumoraDoc::OnOpenDocument(const QString& path) {
  newDocument_ = false;
  freshProject_ = false;
  auto project = std::make_unique<TQMProject>(CoreServices{&app_.Ui(), &app_.Plc()});
  if (!OpenProjectFile(*project, ToPath(path))) return false;
  if (project->tagMapLinked) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool converted = ConvertLinkedProjectOnOpen(*project, ConfirmConversion, nullptr);
    QApplication::restoreOverrideCursor();
    if (!converted) return false;
  }
  project_ = std::move(project);
  undoStack_.clear();
  state_.reset();
  SetPathName(path);
  return true;
}

bool CLumoraDoc::OnSaveDocument(const QString& path) {
  std::string error;
  if (!SaveProjectFile(*project_, ToPath(path), &error)) {
    ShowMessageBox(nullptr, QString("%1\n%2").arg(path, FromPath(error)), "", MessageIcon::Error);
    return false;
  }
  SetPathName(path);
  MarkClean();
  return true;
}

bool CLumoraDoc::DoFileSave() {
  if (!path_.isEmpty()) return OnSaveDocument(path_);
  FilePrompt prompt;
  prompt.filter = kProjectFileFilter;
  prompt.defaultExtension = "lmx";
  prompt.overwritePrompt = true;
  std::optional<QString> path = AskSaveFile(nullptr, prompt);
  return path && OnSaveDocument(*path);
}

bool CLumoraDoc::SaveModified() {
  if (!IsModified()) return true;
  Answer answer = ShowMessageBox(nullptr, QString("Save changes to %1?").arg(Title()), "",
                                 MessageIcon::Exclamation, MessageButtons::YesNoCancel, Answer::Yes);
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::No) return true;
  return DoFileSave();
}

void CLumoraDoc::SetPathName(const QString& path, bool addToRecentFiles) {
  path_ = QFileInfo(path).absoluteFilePath();
  project_->fileName = ToPath(QFileInfo(path).fileName());
  if (addToRecentFiles) app_.User().AddRecentFile(ToPath(path_));
  emit titleChanged(Title());
}

QString CLumoraDoc::Title() const {
  return path_.isEmpty() ? QString("Lumora1") : QFileInfo(path_).fileName();
}

}  // namespace lumora::gui
