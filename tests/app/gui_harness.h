#pragma once
// What the GUI test classes share: the scratch home, the recorder behind the message-box and file-dialog
// hooks, and helpers to open demo copies and act on modal dialogs.

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include "app/comm_prog_dlg.h"
#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "app/main_frame.h"
#include "model/project.h"
#include "model/project_file.h"
#include "plc/address_conversion.h"
#include "plc/plc_manager.h"
#include "support/install_tree.h"
#include "support/temp_dir.h"

using namespace lumora;
using namespace lumora::gui;

inline lumora::testing::TempDir* gHome = nullptr;

struct Recorder {
  std::mutex mutex;
  QStringList texts;
  QStringList details;  // what each box offered behind its details button
  std::optional<QString> nextSaveFile;
  std::optional<QString> nextOpenFile;
  Answer answer = Answer::Ok;
  std::deque<Answer> yesNo;  // scripted answers to Yes/No questions; Yes when none is left

  QStringList Texts() {
    std::lock_guard lock(mutex);
    return texts;
  }
  void Clear() {
    std::lock_guard lock(mutex);
    texts.clear();
    details.clear();
  }
};
inline Recorder gRecorder;

// Installs the hooks: message boxes and questions are recorded and answered, file prompts take the
// recorder's next file.
inline void InstallRecorderHooks() {
  SetMessageBoxHook([](const MessageBoxRequest& request) {
    std::lock_guard lock(gRecorder.mutex);
    gRecorder.texts << request.text;
    gRecorder.details << request.details;
    if (request.buttons != MessageButtons::YesNo) return gRecorder.answer;
    if (gRecorder.yesNo.empty()) return Answer::Yes;
    Answer answer = gRecorder.yesNo.front();
    gRecorder.yesNo.pop_front();
    return answer;
  });
  SetFileDialogHook([](const FilePrompt&, bool save) -> std::optional<QString> {
    std::lock_guard lock(gRecorder.mutex);
    std::optional<QString> answer = save ? gRecorder.nextSaveFile : gRecorder.nextOpenFile;
    (save ? gRecorder.nextSaveFile : gRecorder.nextOpenFile).reset();
    return answer;
  });
}

class GuiTestBase : public QObject {
 protected:
  CLumoraApp* App() { return CLumoraApp::Instance(); }
  CMainFrame* Frame() { return App()->MainFrame(); }
  QString Install() { return QString::fromStdString(gHome->File("install")); }

  std::unique_ptr<TQMProject> DemoProject() {
    auto project = std::make_unique<TQMProject>(CoreServices{&App()->Ui(), &App()->Plc()});
    bool opened = OpenProjectFile(*project, lumora::testing::StageDir() + "/Project/demo-qm210.lmx");
    if (!opened) return nullptr;
    project->ReloadPlcLibrary(project->plcSettings.libraryName);
    TQMPlcManager manager(project->plcLibrary.get(), App()->Ui());
    RevalidateAddresses(*project, manager);
    return project;
  }

  // Acts on the first modal dialog of type D that comes up (the exchange before it runs on a worker,
  // so it appears after an unknown time).
  template <typename D>
  QPointer<QTimer> OnNextDialog(std::function<void(D*)> act) {
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [timer, act] {
      auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
      if (!dialog) return;
      timer->stop();
      timer->deleteLater();
      act(dialog);
    });
    timer->start(20);
    return timer;
  }

  QString CopyOfDemo(const std::string& name, const std::string& demo = "demo-qm210.lmx") {
    std::string copy = gHome->File(name);
    std::filesystem::copy_file(lumora::testing::StageDir() + "/Project/" + demo, copy,
                               std::filesystem::copy_options::overwrite_existing);
    return QString::fromStdString(copy);
  }

  // Starts the next progress dialog's transfer on `port`; after an error box the dialog stays, Start
  // enabled again: it is closed once the worker has ended.
  QPointer<QTimer> StartNextTransfer(const std::string& port) {
    return OnNextDialog<CCommProgDlg>([this, port](CCommProgDlg* dialog) {
      SelectPort(*dialog, port);
      dialog->StartButton()->click();
      auto* poll = new QTimer(dialog);
      QObject::connect(poll, &QTimer::timeout, dialog, [dialog] {
        if (dialog->StartButton()->isEnabled() && !dialog->Exchange().Running())
          dialog->CancelButton()->click();
      });
      poll->start(100);
    });
  }

  void SelectPort(CCommProgDlg& dialog, const std::string& path) {
    dialog.PortList()->addItem(QString::fromStdString(path));
    dialog.PortList()->setCurrentIndex(dialog.PortList()->count() - 1);
  }
};
