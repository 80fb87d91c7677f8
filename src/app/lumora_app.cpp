#include "app/lumora_app.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QThread>
#include <QTimer>
#include <cstdio>

#include <QIcon>
#include "app/about_dlg.h"
#include "app/help_window.h"
#include "app/lumora_doc.h"
#include "app/main_frame.h"
#include "editors/dialog_runner.h"
#include "editors/help_topics.h"
#include "app/modal_run.h"
#include "app/pictures.h"
#include "app/recovery_offer.h"
#include "app/simulated_panel.h"
#include "model/project_file.h"
#include "model/recovery_store.h"
#include "plc/install_dir.h"
#include "plc/plc_library.h"
#include "plc/plc_manager.h"
#include "plc/plc_probe.h"
#include "shell/translations.h"
#include "shell/version_loader.h"
#include "transfer/operations.h"

namespace lumora::gui {

CLumoraApp::CLumoraApp(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(kApplicationTitle);
  setOrganizationName("Halvrick");
  setApplicationDisplayName(kApplicationTitle);
  setWindowIcon(QIcon(LogoPicture(QSize(64, 64))));
  // The editors' dialogs count as modal runs, which an Exit closes like the others.
  SetDialogRunner([](QDialog& dialog) { return ExecModal(dialog); });
  ParseCommandLine();
  machine_ = std::make_unique<MachineSettings>();
  InstallPlatformSettings(installDirOption_, *machine_);
  // Before the first window: every text from here on is in the chosen language.
  language_ = InstallTranslations(*this, ChosenLanguage(user_.Language()));
  simulatedPanel_ = new CSimulatedPanel(this);
  recovery_ = std::make_unique<RecoveryStore>(RecoveryStore::DefaultFolder());
  connect(this, &QCoreApplication::aboutToQuit, simulatedPanel_, &CSimulatedPanel::Stop);
}

CLumoraApp::~CLumoraApp() {
  SetHelpViewer(nullptr);
  SetDialogRunner(nullptr);
  delete CHelpWindow::Instance();
  delete mainFrame_.data();
  simulatedPanel_->Stop();
  (void)discovery_.Wait();
  // Messages the discovery kept after the last event loop are not shown any more.
  removePostedEvents(this);
}

CMainFrame* CLumoraApp::MainFrame() {
  return mainFrame_.data();
}

CLumoraApp* CLumoraApp::Instance() {
  return qobject_cast<CLumoraApp*>(QCoreApplication::instance());
}

void CLumoraApp::ParseCommandLine() {
  // A file named on the command line is not opened; only --open FILE asks for that.
  QStringList args = arguments();
  for (int i = 1; i < args.size(); ++i) {
    if (args[i] == "--install-dir" && i + 1 < args.size()) {
      installDirOption_ = ToPath(args[++i]);
    } else if (args[i] == "--open" && i + 1 < args.size()) {
      openAtStart = args[++i];
    } else if (args[i] == "--quit-after-start") {
      quitAfterStart = true;
    }
  }
}

bool CLumoraApp::InitInstance() {
  ApplySystemLinkSpeed(false);
  SetHelpViewer([](const QString& topic) { return CHelpWindow::ShowTopic(topic); });
  SetPlcProbeCacheFile(UserPlcProbeCacheFile());
  discovery_.Start(discoveryMessages_);
  mainFrame_ = new CMainFrame(*this);
  if (!mainFrame_) return false;
  ui_.SetParent(mainFrame_);
  mainFrame_->RestorePlacementAndFolders();
  std::string recoveryError;
  bool keepsCopies = recovery_->Start(&recoveryError);
  // The copies of programs that ended unsaved are offered once the window is up, before --open.
  QString path = openAtStart;
  QTimer::singleShot(0, this, [this, path, keepsCopies, recoveryError] {
    if (!keepsCopies) {
      ShowMessageBox(
          mainFrame_,
          tr("Unsaved changes cannot be kept for recovery after a crash.\n%1").arg(FromPath(recoveryError)),
          "", MessageIcon::Exclamation);
    }
    bool recovered = mainFrame_ && OfferRecoveryAtStart(*this, path);
    if (mainFrame_ && !path.isEmpty() && !recovered) mainFrame_->OpenDocumentFile(path);
  });
  if (quitAfterStart) {
    // Queued behind the open: a message box that the open shows is ended by quit() as well.
    QTimer::singleShot(0, this, [this] {
      std::printf("%s\n", mainFrame_ ? qPrintable(mainFrame_->windowTitle()) : "");
      std::fflush(stdout);
      quit();
    });
  }
  return true;
}

std::string CLumoraApp::PortName() const {
  if (simulatedPanel_->Running()) return ToPath(simulatedPanel_->Path());
  return ConfiguredPort(*machine_);
}

bool CLumoraApp::StorePort(const std::string& port) {
  simulatedPanel_->Stop();
  return StoreConfiguredPort(*machine_, port);
}

void CLumoraApp::OnFileNew() {
  FilePrompt prompt;
  prompt.title = ToLatin1(tr("Create Project"));
  prompt.filter = ToLatin1(QCoreApplication::translate("Core", kProjectFileFilter));
  prompt.defaultExtension = "lmx";
  prompt.overwritePrompt = true;
  std::optional<QString> path = AskSaveFile(mainFrame_, prompt);
  if (!path) return;
  newProjectPath = *path;
  if (!mainFrame_) return;
  CLumoraDoc* doc = mainFrame_->NewDocument();
  if (!doc) return;
  if (CLumoraView* view = mainFrame_->ActiveView()) {
    QMetaObject::invokeMethod(reinterpret_cast<QObject*>(view), "OnSetFile", Qt::QueuedConnection);
  }
}

void CLumoraApp::OnFileOpen() {
  FilePrompt prompt;
  prompt.filter = ToLatin1(QCoreApplication::translate("Core", kProjectFileFilter));
  prompt.defaultExtension = "lmx";
  std::optional<QString> path = AskOpenFile(mainFrame_, prompt);
  if (path && mainFrame_) mainFrame_->OpenDocumentFile(*path);
}

void CLumoraApp::OnAppAbout() {
  CAboutDlg dialog(mainFrame_);
  ExecModal(dialog);
}

}  // namespace lumora::gui
