#pragma once
// The application's settings: machine-wide values in an INI file, per-user values under
// ~/.config/Halvrick/. Writes that fail are ignored.

#include <array>
#include <string>
#include <vector>

namespace lumora {

// Machine-wide: "Install Dir", "Port", "PLC-ManID", "PLC-ModID" and the COM1..COM4 device mapping.
class MachineSettings {
 public:
  // The file named by LUMORA_MACHINE_CONFIG, else /etc/xdg/Halvrick/Lumora Utility.conf.
  static std::string DefaultPath();
  explicit MachineSettings(std::string path = DefaultPath());

  const std::string& Path() const { return path_; }
  std::string InstallDir() const;
  std::string Port() const;  // "" when none is stored
  bool SetPort(const std::string& port);
  int DefaultPlcManufacturerId() const;  // 31 when missing
  int DefaultPlcModelId() const;         // 2 when missing
  // Device of COM1..COM4 (default /dev/ttyS0..3).
  std::array<std::string, 4> ComDevices() const;
  bool SetValue(const std::string& key, const std::string& value);

 private:
  std::string path_;
};

// Per-user values, organisation "Halvrick", application "Lumora Write Utility".
class UserSettings {
 public:
  UserSettings();

  // The main window's placement as the window saved it ("Window"/"Geometry"); empty when none is stored.
  std::string WindowGeometry() const;
  void SetWindowGeometry(const std::string& geometry);
  std::string WorkingPath() const;  // "Settings"/"Path"
  void SetWorkingPath(const std::string& path);
  std::string FirmwarePath() const;  // "Settings"/"FirmwarePath"
  void SetFirmwarePath(const std::string& path);
  int SetPointColumnWidth(int column) const;  // "SPListCtrl"/"Width %d", 100
  void SetSetPointColumnWidth(int column, int width);
  // Column widths a list keeps under its own name ("<control>/Width %d"); `fallback` when none is stored.
  int ColumnWidth(const std::string& control, int column, int fallback) const;
  void SetColumnWidth(const std::string& control, int column, int width);
  // How many entries the panel history keeps ("History/Limit"); 500 unless a positive number is stored.
  int HistoryLimit() const;
  void SetHistoryLimit(int limit);
  // Whether the Write dialog reads the unit's project before writing, to keep it in the panel history
  // ("History/ReadBeforeWrite"); off unless stored.
  bool ReadBeforeWrite() const;
  void SetReadBeforeWrite(bool on);
  // The language chosen in the program ("Settings/Language": "en", "de"); empty: the locale's.
  std::string Language() const;
  void SetLanguage(const std::string& language);
  std::vector<std::string> RecentFiles() const;  // at most four
  void AddRecentFile(const std::string& path);
  void Sync();
};

// The serial port every link uses: the user's own choice ("Settings/Port", stored when the machine-wide
// file cannot be written), else the machine-wide "Port".
std::string ConfiguredPort(const MachineSettings& machine);
// Stores a port choice in the machine-wide file, or for the user when that cannot be written.
bool StoreConfiguredPort(MachineSettings& machine, const std::string& port);

// Where the install tree is: --install-dir, else LUMORA_INSTALL_DIR, else the machine-wide "Install Dir",
// else the folder above the running program's bin/. A relative folder is taken from the current folder.
std::string ResolveInstallDir(const std::string& commandLineValue, const MachineSettings& machine);
std::string ExecutableInstallDir();

// Installs the process-wide providers: the install dir for the PLC layer and the COM mapping for the link.
// Call it at start-up: a relative install dir is made absolute against the current folder of that moment.
void InstallPlatformSettings(const std::string& commandLineInstallDir, const MachineSettings& machine);

}  // namespace lumora
