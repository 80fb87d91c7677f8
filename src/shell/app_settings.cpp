#include "shell/app_settings.h"

#include <unistd.h>

#include <QFile>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <climits>
#include <cstdlib>
#include <filesystem>

#include "link/port_names.h"
#include "plc/install_dir.h"

namespace lumora {
namespace {

// Settings hold paths and device names: they go to and from Qt in the file-name encoding.
QString Q(const std::string& text) {
  return QFile::decodeName(QByteArray::fromStdString(text));
}
std::string S(const QString& text) {
  return QFile::encodeName(text).toStdString();
}

// A relative install dir names a folder below the one the program started in (the GUI changes its current
// folder later, and a relative RevLabel.so or dll/ path would be looked up elsewhere).
std::string AbsoluteDir(const std::string& dir, const std::filesystem::path& startFolder) {
  if (dir.empty() || dir.front() == '/' || startFolder.empty()) return dir;
  std::string absolute = (startFolder / dir).lexically_normal().string();
  while (absolute.size() > 1 && absolute.back() == '/')
    absolute.pop_back();
  return absolute;
}

std::filesystem::path CurrentFolder() {
  std::error_code error;
  std::filesystem::path folder = std::filesystem::current_path(error);
  return error ? std::filesystem::path() : folder;
}

QSettings Machine(const std::string& path) {
  return QSettings(Q(path), QSettings::IniFormat);
}
QSettings User() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, "Halvrick", "Lumora Write Utility");
}

}  // namespace

std::string MachineSettings::DefaultPath() {
  const char* overridden = std::getenv("LUMORA_MACHINE_CONFIG");
  if (overridden && *overridden) return overridden;
  return "/etc/xdg/Halvrick/Lumora Utility.conf";
}

MachineSettings::MachineSettings(std::string path) : path_(std::move(path)) {}

std::string MachineSettings::InstallDir() const {
  return S(Machine(path_).value("Install Dir").toString());
}
std::string MachineSettings::Port() const {
  return S(Machine(path_).value("Port").toString());
}

bool MachineSettings::SetValue(const std::string& key, const std::string& value) {
  QSettings settings = Machine(path_);
  if (!settings.isWritable()) return false;
  settings.setValue(Q(key), Q(value));
  settings.sync();
  return settings.status() == QSettings::NoError;
}

bool MachineSettings::SetPort(const std::string& port) {
  return SetValue("Port", port);
}

int MachineSettings::DefaultPlcManufacturerId() const {
  bool ok = false;
  int value = Machine(path_).value("PLC-ManID").toInt(&ok);
  return ok ? value : 31;
}

int MachineSettings::DefaultPlcModelId() const {
  bool ok = false;
  int value = Machine(path_).value("PLC-ModID").toInt(&ok);
  return ok ? value : 2;
}

std::array<std::string, 4> MachineSettings::ComDevices() const {
  QSettings settings = Machine(path_);
  std::array<std::string, 4> devices;
  for (int i = 0; i < 4; ++i) {
    QString key = QString("COM%1").arg(i + 1);
    devices[static_cast<size_t>(i)] = S(settings.value(key, QString("/dev/ttyS%1").arg(i)).toString());
  }
  return devices;
}

UserSettings::UserSettings() = default;

std::string UserSettings::WindowGeometry() const {
  return User().value("Window/Geometry").toByteArray().toStdString();
}

void UserSettings::SetWindowGeometry(const std::string& geometry) {
  QSettings settings = User();
  settings.setValue("Window/Geometry", QByteArray::fromStdString(geometry));
  // The placement as single values, from before: no longer read.
  for (const char* key : {"Window/Maximized", "Window/Left", "Window/Top", "Window/Right", "Window/Bottom"})
    settings.remove(key);
}

std::string UserSettings::WorkingPath() const {
  return S(User().value("Settings/Path").toString());
}
void UserSettings::SetWorkingPath(const std::string& path) {
  User().setValue("Settings/Path", Q(path));
}
std::string UserSettings::FirmwarePath() const {
  return S(User().value("Settings/FirmwarePath").toString());
}
void UserSettings::SetFirmwarePath(const std::string& path) {
  User().setValue("Settings/FirmwarePath", Q(path));
}

int UserSettings::SetPointColumnWidth(int column) const {
  return ColumnWidth("SPListCtrl", column, 100);
}

void UserSettings::SetSetPointColumnWidth(int column, int width) {
  SetColumnWidth("SPListCtrl", column, width);
}

int UserSettings::ColumnWidth(const std::string& control, int column, int fallback) const {
  return User().value(Q(control) + QString("/Width %1").arg(column), fallback).toInt();
}

void UserSettings::SetColumnWidth(const std::string& control, int column, int width) {
  User().setValue(Q(control) + QString("/Width %1").arg(column), width);
}

int UserSettings::HistoryLimit() const {
  bool ok = false;
  int limit = User().value("History/Limit").toInt(&ok);
  return ok && limit > 0 ? limit : 500;
}

void UserSettings::SetHistoryLimit(int limit) {
  User().setValue("History/Limit", limit);
}

bool UserSettings::ReadBeforeWrite() const {
  return User().value("History/ReadBeforeWrite", false).toBool();
}

void UserSettings::SetReadBeforeWrite(bool on) {
  User().setValue("History/ReadBeforeWrite", on);
}

std::string UserSettings::Language() const {
  return User().value("Settings/Language", QString()).toString().toStdString();
}

void UserSettings::SetLanguage(const std::string& language) {
  User().setValue("Settings/Language", QString::fromStdString(language));
}

std::vector<std::string> UserSettings::RecentFiles() const {
  QSettings settings = User();
  std::vector<std::string> files;
  for (int i = 1; i <= 4; ++i) {
    QString file = settings.value(QString("Recent File List/File%1").arg(i)).toString();
    if (!file.isEmpty()) files.push_back(S(file));
  }
  return files;
}

void UserSettings::AddRecentFile(const std::string& path) {
  std::vector<std::string> files = RecentFiles();
  std::erase(files, path);
  files.insert(files.begin(), path);
  if (files.size() > 4) files.resize(4);
  QSettings settings = User();
  for (int i = 1; i <= 4; ++i) {
    QString key = QString("Recent File List/File%1").arg(i);
    if (static_cast<size_t>(i) <= files.size()) {
      settings.setValue(key, Q(files[static_cast<size_t>(i - 1)]));
    } else {
      settings.remove(key);
    }
  }
}

void UserSettings::Sync() {
  User().sync();
}

std::string ConfiguredPort(const MachineSettings& machine) {
  std::string personal = S(User().value("Settings/Port").toString());
  return personal.empty() ? machine.Port() : personal;
}

bool StoreConfiguredPort(MachineSettings& machine, const std::string& port) {
  QSettings user = User();
  if (machine.SetPort(port)) {
    user.remove("Settings/Port");
    return true;
  }
  user.setValue("Settings/Port", Q(port));
  user.sync();
  return user.status() == QSettings::NoError;
}

std::string ExecutableInstallDir() {
  char buffer[PATH_MAX];
  ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return "";
  std::string exe(buffer, static_cast<size_t>(length));
  std::string folder = exe.substr(0, exe.rfind('/'));
  size_t cut = folder.rfind('/');
  if (cut != std::string::npos && folder.substr(cut + 1) == "bin")
    return cut == 0 ? "/" : folder.substr(0, cut);
  return folder;
}

std::string ResolveInstallDir(const std::string& commandLineValue, const MachineSettings& machine) {
  std::filesystem::path start = CurrentFolder();
  if (!commandLineValue.empty()) return AbsoluteDir(commandLineValue, start);
  const char* environment = std::getenv("LUMORA_INSTALL_DIR");
  if (environment && *environment) return AbsoluteDir(environment, start);
  std::string configured = machine.InstallDir();
  if (!configured.empty()) return AbsoluteDir(configured, start);
  return ExecutableInstallDir();
}

void InstallPlatformSettings(const std::string& commandLineInstallDir, const MachineSettings& machine) {
  std::string path = machine.Path();
  std::string fixed = commandLineInstallDir;
  if (fixed.empty()) {
    const char* environment = std::getenv("LUMORA_INSTALL_DIR");
    if (environment && *environment) fixed = environment;
  }
  std::filesystem::path start = CurrentFolder();
  if (!fixed.empty()) {
    fixed = AbsoluteDir(fixed, start);
    SetInstallDirProvider([fixed] { return fixed; });
  } else {
    // Read each time it is needed, as an installation may move.
    SetInstallDirProvider([path, start] {
      std::string configured = MachineSettings(path).InstallDir();
      return configured.empty() ? ExecutableInstallDir() : AbsoluteDir(configured, start);
    });
  }
  SetComPortDevices(machine.ComDevices());
}

}  // namespace lumora
