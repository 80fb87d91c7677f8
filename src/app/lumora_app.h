#pragma once
// CLumoraApp: the application object. Owns the settings, the PLC library discovery, the version
// text and the main frame.

#include <QApplication>
#include <QPointer>
#include <memory>
#include <string>

#include "app/gui_interaction.h"
#include "plc/plc_catalogue.h"
#include "shell/app_settings.h"

namespace lumora::gui {

class CMainFrame;

// The model's PLC services for the GUI: every lookup waits until the discovery thread has ended.
class DiscoveringPlcEnvironment : public PlcEnvironment {
 public:
  DiscoveringPlcEnvironment(PlcDiscovery& discovery, Interaction& interaction)
      : discovery_(discovery), ui_(interaction) {}
  PlcCatalogueEntry LookupPlc(int manufacturerId, int modelId) override;
  std::unique_ptr<PlcModule> LoadPlcLibrary(const std::string& path, bool& initialised) override;

 private:
  PlcDiscovery& discovery_;
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
  const PlcCatalogue& WaitForDiscovery() { return discovery_.Wait(); }
  CMainFrame* MainFrame();

  // The configured serial port: the per-user choice when the machine-wide value cannot be written,
  // else the machine-wide "Port".
  std::string PortName() const;
  // Stores the port choice; false when nothing could be stored.
  bool StorePort(const std::string& port);

  QString newProjectPath;
  // A project to open once the welcome screen is up (--open FILE).
  QString openAtStart;

 public slots:
  void OnFileNew();
  void OnFileOpen();
  void OnAppAbout();

 private:
  void ParseCommandLine();

  GuiInteraction ui_;
  std::unique_ptr<MachineSettings> machine_;
  UserSettings user_;
  PlcDiscovery discovery_;
  DiscoveringPlcEnvironment plc_{discovery_, ui_};
  QPointer<CMainFrame> mainFrame_;
  std::string installDirOption_;
};

}  // namespace lumora::gui
