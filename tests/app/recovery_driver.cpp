// The program as the recovery tests run it, a process of its own each time:
//   recovery_driver change KIND PROJECT EXPECTED
//     opens PROJECT (KIND "new": makes it with New), makes one change of KIND (messages, plc, panel-type,
//     new), waits until the recovery copy is on disk, writes what a Save would write to EXPECTED and kills
//     itself with SIGKILL.
//   recovery_driver start recover|discard|later [--open FILE [no]]
//     starts, answers the recovery dialog with that button (a question with Yes, or No after "no"), saves
//     every modified document and ends as File > Exit does. Prints the texts of the message boxes.

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <filesystem>

#include "app/lumora_app.h"
#include "app/lumora_doc.h"
#include "app/lumora_view.h"
#include "app/main_frame.h"
#include "app/recovery_dlg.h"
#include "model/file_io.h"
#include "model/panel_type_change.h"
#include "model/project_file.h"
#include "model/recovery_store.h"
#include "model/system_kind.h"
#include "plc/plc_change.h"
#include "support/take_edit.h"

using namespace lumora;
using namespace lumora::gui;

namespace {

QStringList gBoxes;
Answer gQuestionAnswer = Answer::Yes;

bool CopyOnDisk(CLumoraApp& app) {
  std::error_code code;
  for (const auto& entry : std::filesystem::directory_iterator(app.Recovery().Folder(), code)) {
    if (entry.path().extension() == ".recovery") return true;
  }
  return false;
}

void Change(CLumoraApp& app, CLumoraDoc& doc, const std::string& kind) {
  TQMProject project = doc.Project();
  if (kind == "messages") {
    project.Panel(0).messages[0].text = "CHANGED BEFORE THE CRASH";
    doc.Change("Edit Messages", project, ProjectPart::Panel);
  } else if (kind == "plc") {
    for (const PlcCatalogueEntry& entry : app.WaitForDiscovery().Entries()) {
      if (entry.name == "Tarvo DL-405") lumora::testing::Take(project, ChangeProjectPlc(project, entry, app.Ui()));
    }
    doc.Change("Change PLC", project, ProjectPart::Plc);
  } else if (kind == "panel-type") {
    doc.Change("Change Panel Type", *ChangePanelType(project, kPanelQM410).project, ProjectPart::Panel);
  } else {
    doc.Change("Multi-Panel System", *SwitchToMultiPanel(project).project, ProjectPart::System);
  }
}

int ChangeAndDie(CLumoraApp& app, const std::string& kind, const QString& project, const std::string& expected) {
  CMainFrame* frame = app.MainFrame();
  if (kind == "new") {
    SetFileDialogHook([project](const FilePrompt&, bool) -> std::optional<QString> { return project; });
    app.OnFileNew();
    while (!QFileInfo::exists(project)) QApplication::processEvents(QEventLoop::AllEvents, 50);
  } else if (!frame->OpenDocumentFile(project)) {
    return 3;
  }
  CLumoraDoc* doc = frame->DocumentOf(project);
  if (!doc) return 4;
  Change(app, *doc, kind);
  if (!doc->IsModified()) return 5;
  while (!CopyOnDisk(app)) QApplication::processEvents(QEventLoop::AllEvents, 100);
  app.Recovery().Flush();
  if (!WriteFileAtomically(expected, ProjectFileText(doc->Project()))) return 6;
  std::raise(SIGKILL);
  return 7;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc < 3) return 2;
  std::string mode = argv[1];
  if (mode == "start" && argc >= 6 && std::string(argv[5]) == "no") gQuestionAnswer = Answer::No;
  SetMessageBoxHook([](const MessageBoxRequest& request) {
    gBoxes << request.text;
    return request.buttons == MessageButtons::YesNo ? gQuestionAnswer : Answer::Ok;
  });
  // --open reaches the program as its own option.
  int programArgc = (mode == "start" && argc >= 5) ? 3 : 1;
  std::vector<char*> programArgv = {argv[0]};
  if (programArgc == 3) programArgv.insert(programArgv.end(), {argv[3], argv[4]});
  programArgv.push_back(nullptr);
  CLumoraApp app(programArgc, programArgv.data());
  if (!app.InitInstance()) return 1;
  if (mode == "change") {
    if (argc < 5) return 2;
    int result = 0;
    QTimer::singleShot(0, &app, [&] {
      result = ChangeAndDie(app, argv[2], QString::fromLocal8Bit(argv[3]), argv[4]);
      app.quit();
    });
    app.exec();
    return result;
  }
  QString button = QString(argv[2]) + "Button";
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &app, [&] {
    if (auto* dialog = qobject_cast<CRecoveryDlg*>(QApplication::activeModalWidget())) {
      dialog->findChild<QPushButton*>(button)->click();
      return;
    }
    poll.stop();
    for (CLumoraDoc* doc : app.MainFrame()->Documents()) {
      if (doc->IsModified()) doc->DoFileSave();
    }
    app.MainFrame()->close();
    for (const QString& text : gBoxes) std::printf("%s\n", qPrintable(text));
    app.quit();
  });
  poll.start(20);
  return app.exec();
}
