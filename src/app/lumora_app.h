#pragma once
// CLumoraApp: the application object. Owns the settings, the PLC library discovery, the version
// text and the main frame.

#include <QApplication>
#include <QPointer>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/gui_interaction.h"
#include "plc/plc_catalogue.h"
#include "shell/app_settings.h"

namespace lumora::gui {

class CMainFrame;
class CSimulatedPanel;

// What the discovery thread has to say. It never waits for the user-interface thread (which may be
// joining it): the messages are kept and shown on the user-interface thread, as soon as its event loop
// runs or once the thread has been joined, whichever comes first.
class DeferredInteraction : public Interaction {
 public:
  explicit DeferredInteraction(Interaction& shown) : shown_(shown) {}
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;
  Answer Ask(const std::string& text, const std::string& caption, MessageButtons buttons, MessageIcon icon,
             Answer defaultAnswer) override;
  std::optional<std::string> PromptOpenFile(const FilePrompt&) override { return std::nullopt; }
  std::optional<std::string> PromptSaveFile(const FilePrompt&) override { return std::nullopt; }
  // Shows the kept messages, each once. User-interface thread only.
  void ShowKept();

 private:
  struct Kept {
    std::string text;
    std::string caption;
    MessageIcon icon;
  };
  Interaction& shown_;
  std::mutex mutex_;
  std::vector<Kept> kept_;
};

// The model's PLC services for the GUI: every lookup waits until the discovery thread has ended.
class DiscoveringPlcEnvironment : public PlcEnvironment {
 public:
  DiscoveringPlcEnvironment(PlcDiscovery& discovery, DeferredInteraction& discoveryMessages,
                            Interaction& interaction)
      : discovery_(discovery), discoveryMessages_(discoveryMessages), ui_(interaction) {}
  PlcCatalogueEntry LookupPlc(int manufacturerId, int modelId) override;
  std::unique_ptr<PlcModule> LoadPlcLibrary(const std::string& path, bool& initialised) override;
  // Joins the discovery thread, then shows what it had to say (on the user-interface thread).
  const PlcCatalogue& Wait();

 private:
  PlcDiscovery& discovery_;
  DeferredInteraction& discoveryMessages_;
  Interaction& ui_;
};

class CLumoraApp : public QApplication {
  Q_OBJECT

 public:
  CLumoraApp(int& argc, char** argv);
  ~CLumoraApp() override;
  static CLumoraApp* Instance();

  // The start-up sequence: settings, discovery thread, main frame, window placement, folders and the
  // welcome screen. False when the main frame cannot be created.
  bool InitInstance();

  GuiInteraction& Ui() { return ui_; }
  MachineSettings& Machine() { return *machine_; }
  UserSettings& User() { return user_; }
  PlcEnvironment& Plc() { return plc_; }
  // Blocks until the PLC libraries have been found; later calls return at once.
  const PlcCatalogue& WaitForDiscovery() { return plc_.Wait(); }
  CMainFrame* MainFrame();

  // The configured serial port: the simulated panel's while it is in use, else the per-user choice when
  // the machine-wide value cannot be written, else the machine-wide "Port".
  std::string PortName() const;
  // Stores the port choice, which ends the use of the simulated panel; false when nothing could be
  // stored.
  bool StorePort(const std::string& port);
  // Port > "Simulated Panel": runs until another port is chosen or the program ends.
  CSimulatedPanel& SimulatedPanel() { return *simulatedPanel_; }

  QString newProjectPath;
  // A project to open once the welcome screen is up (--open FILE).
  QString openAtStart;
  // --quit-after-start: a smoke run of an installed tree; prints the main window's title and quits once
  // start-up (and --open) is done.
  bool quitAfterStart = false;

 public slots:
  void OnFileNew();
  void OnFileOpen();
  void OnAppAbout();

 private:
  void ParseCommandLine();

  GuiInteraction ui_;
  std::unique_ptr<MachineSettings> machine_;
  UserSettings user_;
  DeferredInteraction discoveryMessages_{ui_};
  PlcDiscovery discovery_;
  DiscoveringPlcEnvironment plc_{discovery_, discoveryMessages_, ui_};
  QPointer<CMainFrame> mainFrame_;
  std::string installDirOption_;
  CSimulatedPanel* simulatedPanel_;
};

}  // namespace lumora::gui
