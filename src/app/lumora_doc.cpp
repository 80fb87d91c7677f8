#include "app/lumora_doc.h"

#include <QApplication>
#include <QFileInfo>

#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "app/main_frame.h"
#include "app/modal_run.h"
#include "app/pnr_conv_dlg.h"
#include "app/project_change_command.h"
#include "app/recovery_keeper.h"
#include "model/file_io.h"
#include "model/project_file.h"
#include "model/text_lines.h"
#include "plc/address_conversion.h"
#include "plc/plan_n_run.h"
#include "plc/plc_manager.h"

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
  recovery_ = std::make_unique<CRecoveryKeeper>(app.Recovery(), *this);
}

CLumoraDoc::~CLumoraDoc() = default;

void CLumoraDoc::Install(std::unique_ptr<TQMProject> project) {
  project_ = std::move(project);
  project_->services = {&app_.Ui(), &app_.Plc()};
  project_->fileName = ToPath(path_);  // where the address list says the project is
}

std::shared_ptr<const ProjectState> CLumoraDoc::CurrentState() {
  if (!state_) state_ = ProjectState::Capture(*project_, nullptr);
  return state_;
}

bool CLumoraDoc::Change(const QString& text, const TQMProject& after, ProjectPart parts) {
  auto installed = std::make_unique<TQMProject>(after);
  installed->KeepTagMapOf(*project_);
  if (ProjectFileText(*installed) == ProjectFileText(*project_)) {
    // The map file read again may hold more than the project uses: the pickers offer what it holds now.
    // That is not saved, so it is no step.
    if (installed->textPanelTagMap != project_->textPanelTagMap ||
        installed->setPointTagMap != project_->setPointTagMap) {
      Install(std::move(installed));
      state_ = ProjectState::Capture(*project_, state_.get());
      emit projectChanged(parts);
    }
    return false;
  }
  std::shared_ptr<const ProjectState> before = CurrentState();
  Install(std::move(installed));
  state_ = ProjectState::Capture(*project_, before.get());
  freshProject_ = false;
  undoStack_.push(new ProjectChangeCommand(*this, text, std::move(before), state_));
  emit projectChanged(parts);
  return true;
}

bool CLumoraDoc::SelectPort(int port) {
  int from = project_->SelectedPort();
  if (!project_->IsMultiPanel() || port < 1 || port > 5 || port == from) return false;
  std::shared_ptr<const ProjectState> before = CurrentState();
  project_->multiplexer.selectedPort = port;
  state_ = ProjectState::Capture(*project_, before.get());
  undoStack_.push(
      new PortSelectionCommand(*this, tr("Select Port %1").arg(port), std::move(before), state_, from, port));
  emit projectChanged(ProjectPart::Panel);
  return true;
}

void CLumoraDoc::SetUpNewProject(const TQMProject& project) {
  Install(std::make_unique<TQMProject>(project));
  state_.reset();
  emit projectChanged(ProjectPart::All);
}

void CLumoraDoc::RestoreState(const std::shared_ptr<const ProjectState>& state) {
  state_ = state;
  freshProject_ = false;
  Install(state->Make({&app_.Ui(), &app_.Plc()}));
  emit projectChanged(ProjectPart::All);
}

bool CLumoraDoc::PrepareOpened(TQMProject& project) {
  if (project.tagMapLinked) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool converted = ConvertLinkedProjectOnOpen(project, ConfirmConversion, nullptr);
    QApplication::restoreOverrideCursor();
    if (!converted) return false;
  }
  // The file keeps address texts; what a panel is sent is their encoding by the project's PLC library.
  project.ReloadPlcLibrary(project.plcSettings.libraryName);
  if (project.plcLibrary) {
    TQMPlcManager manager(project.plcLibrary.get(), app_.Ui());
    RevalidateAddresses(project, manager);
  }
  return true;
}

void CLumoraDoc::TakeOpened(std::unique_ptr<TQMProject> project, const QString& path) {
  undoStack_.clear();
  state_.reset();
  path_ = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
  Install(std::move(project));
  if (!path.isEmpty()) SetPathName(path);
}

bool CLumoraDoc::OnOpenDocument(const QString& path) {
  newDocument_ = false;
  freshProject_ = false;
  auto project = std::make_unique<TQMProject>(CoreServices{&app_.Ui(), &app_.Plc()});
  if (!OpenProjectFile(*project, ToPath(path)) || !PrepareOpened(*project)) return false;
  TakeOpened(std::move(project), path);
  return true;
}

bool CLumoraDoc::OnRecoverDocument(const std::string& projectFile, const QString& path) {
  newDocument_ = false;
  freshProject_ = false;
  auto project = std::make_unique<TQMProject>(CoreServices{&app_.Ui(), &app_.Plc()});
  LineReader reader(projectFile);
  std::string reason;
  if (!project->Load(reader, &reason)) {
    std::string text = std::string(kInvalidFileText) + (reason.empty() ? "" : "\n" + reason);
    app_.Ui().ShowMessage(text, ToLatin1(tr("Error")), MessageIcon::Error);
    return false;
  }
  if (!PrepareOpened(*project)) return false;
  TakeOpened(std::move(project), path);
  // Never the same as a file until it is saved.
  undoStack_.resetClean();
  recovery_->KeepNow();
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
  return path_.isEmpty() ? DoFileSaveAs() : OnSaveDocument(path_);
}

bool CLumoraDoc::DoFileSaveAs() {
  FilePrompt prompt;
  prompt.filter = ToLatin1(QCoreApplication::translate("Core", kProjectFileFilter));
  prompt.defaultExtension = "lmx";
  prompt.overwritePrompt = true;
  if (!path_.isEmpty()) {
    prompt.defaultName = ToPath(QFileInfo(path_).fileName());
    prompt.startFolder = ToPath(QFileInfo(path_).absolutePath());
  }
  std::optional<QString> path = AskSaveFile(nullptr, prompt);
  if (!path) return false;
  // Two windows on one file would overwrite each other's work without a word.
  if (CMainFrame* frame = app_.MainFrame()) {
    for (CLumoraDoc* other : frame->Documents()) {
      if (other != this && !other->PathName().isEmpty() &&
          SameFile(ToPath(other->PathName()), ToPath(*path))) {
        ShowMessageBox(
            nullptr,
            tr("%1 is open in another window: close it there first, or choose another name.").arg(*path), "",
            MessageIcon::Exclamation);
        return false;
      }
    }
  }
  return OnSaveDocument(*path);
}

bool CLumoraDoc::SaveModified() {
  if (!IsModified()) return true;
  Answer answer = ShowMessageBox(nullptr, tr("Save changes to %1?").arg(Title()), "",
                                 MessageIcon::Exclamation, MessageButtons::YesNoCancel, Answer::Yes);
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::No) return true;
  return DoFileSave();
}

void CLumoraDoc::SetPathName(const QString& path, bool addToRecentFiles) {
  path_ = QFileInfo(path).absoluteFilePath();
  project_->fileName = ToPath(path_);
  if (addToRecentFiles) app_.User().AddRecentFile(ToPath(path_));
  emit titleChanged(Title());
}

QString CLumoraDoc::Title() const {
  return path_.isEmpty() ? tr("Lumora1") : QFileInfo(path_).fileName();
}

}  // namespace lumora::gui
