#pragma once
// CLumoraApp: the application object. Owns the settings, the PLC library discovery, the version
// text and the main frame.

#include <QApplication>
#include <QPointer>
#include <memory>
#include <string>

#include "app/deferred_interaction.h"
#include "app/discovering_plc_environment.h"
#include "app/gui_interaction.h"
#include "plc/plc_catalogue.h"
#include "plc/plc_discovery.h"
#include "shell/app_settings.h"

namespace lumora {
class RecoveryStore;
}

namespace lumora::gui {

class CMainFrame;
class CSimulatedPanel;

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
  // The language the program speaks ("en", "de"), chosen at start.
  const std::string& Language() const { return language_; }
  PlcEnvironment& Plc() { return plc_; }
  // Where the documents keep their copies while they have unsaved changes.
  RecoveryStore& Recovery() { return *recovery_; }
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
  std::unique_ptr<RecoveryStore> recovery_;
  std::string language_ = "en";
};

}  // namespace lumora::gui
