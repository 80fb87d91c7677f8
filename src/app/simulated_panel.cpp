#include "app/simulated_panel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "app/gui_interaction.h"
#include "model/codes.h"
#include "model/project.h"
#include "plc/install_dir.h"
#include "report/latin1.h"
#include "transfer/simulated_port.h"

namespace lumora::gui {

CSimulatedPanel::CSimulatedPanel(QObject* parent) : QObject(parent) {}

CSimulatedPanel::~CSimulatedPanel() {
  process_.reset();
}

QStringList CSimulatedPanel::OptionsFor(const TQMProject* project) {
  if (!project || !project->IsMultiPanel()) {
    int type = project && project->PanelCount() > 0 ? project->Panel(0).panelType : kPanelQM210;
    return {"--panel", QString::fromStdString(PanelModelText(type))};
  }
  QStringList ports;
  for (int port = 1; port <= 5; ++port) {
    int type = project->multiplexer.portType[static_cast<size_t>(port - 1)];
    if (type != kPanelNone && type != kPanelMultiplexer)
      ports << QString("%1:%2").arg(port).arg(QString::fromStdString(PanelModelText(type)));
  }
  // The multiplexer answers even before the project has a panel; one is there to write to.
  if (ports.isEmpty()) ports << "1:QM210";
  return {"--mux", ports.join(',')};
}

QString CSimulatedPanel::Program() {
  const QString name = "lumora-panel-sim";
  for (const QString& dir : {QCoreApplication::applicationDirPath(), FromPath(InstallDir()) + "/bin"}) {
    QFileInfo candidate(dir + "/" + name);
    if (candidate.isFile() && candidate.isExecutable()) return candidate.absoluteFilePath();
  }
  return QStandardPaths::findExecutable(name);
}

QString CSimulatedPanel::StateDir() {
  QString base = qEnvironmentVariable("XDG_STATE_HOME");
  if (base.isEmpty() || !QDir::isAbsolutePath(base)) base = QDir::homePath() + "/.local/state";
  return base + "/lumora";
}

bool CSimulatedPanel::Running() const {
  return process_ && process_->Pid() > 0 && !process_->Path().empty();
}

QString CSimulatedPanel::Path() const {
  return Running() ? FromPath(process_->Path()) : QString();
}

qint64 CSimulatedPanel::ProcessId() const {
  return process_ ? process_->Pid() : -1;
}

bool CSimulatedPanel::Start(const TQMProject* project, QString* error) {
  QStringList options = OptionsFor(project);
  if (Running() && options == options_) return true;
  Stop();
  QString program = Program();
  if (program.isEmpty()) {
    if (error) *error = tr("The panel simulator (lumora-panel-sim) is not installed.");
    return false;
  }
  QString dir = StateDir();
  if (!QDir().mkpath(dir)) {
    if (error) *error = tr("Cannot create the folder %1 for the simulated panel's memory.").arg(dir);
    return false;
  }
  // One memory per set-up: a QM410 does not get the messages written to a QM210.
  QString setUp = options.value(1);
  setUp.replace(':', '-').replace(',', '_');
  statePath_ = dir + "/panel-sim-" + (options.value(0) == "--mux" ? "mux-" : "") + setUp + ".json";

  std::vector<std::string> arguments;
  for (const QString& option : options)
    arguments.push_back(ToPath(option));
  arguments.push_back("--state");
  arguments.push_back(ToPath(statePath_));
  process_ = std::make_unique<SimulatedPort>(ToPath(program), arguments);
  if (!Running()) {
    QString reason = FromReasonText(process_->Error());
    process_.reset();
    if (error)
      *error =
          tr("The panel simulator %1 did not start.").arg(program) + (reason.isEmpty() ? "" : " " + reason);
    emit changed();
    return false;
  }
  options_ = options;
  units_.clear();
  if (options.value(0) == "--mux") {
    QStringList parts;
    for (const QString& entry : options.value(1).split(',')) {
      units_ << entry.section(':', 0, 0).toInt();
      parts << entry.section(':', 0, 0) + ": " + entry.section(':', 1);
    }
    description_ = tr("multiplexer (%1)").arg(parts.join(", "));
  } else {
    units_ = {0};
    description_ = options.value(1);
  }
  emit changed();
  return true;
}

void CSimulatedPanel::Stop() {
  if (!process_) return;
  process_.reset();
  options_.clear();
  emit changed();
}

QString CSimulatedPanel::Display(int port, int number) const {
  if (statePath_.isEmpty()) return tr("The simulated panel is not running.");
  QProcess display;
  QStringList arguments = {"display", "--state", statePath_, "--show", QString::number(number)};
  if (port > 0) arguments << "--port" << QString::number(port);
  display.start(Program(), arguments);
  if (!display.waitForFinished(10000)) {
    display.kill();
    display.waitForFinished();
    return tr("The panel simulator did not answer.");
  }
  QString out = QString::fromLocal8Bit(display.readAllStandardOutput());
  if (display.exitStatus() == QProcess::NormalExit && display.exitCode() == 0) return out;
  QString message = QString::fromLocal8Bit(display.readAllStandardError()).trimmed();
  message.remove(QRegularExpression("^lumora-panel-sim: "));
  return message.isEmpty() ? tr("Message %1 is not in the panel.").arg(number) : message;
}

}  // namespace lumora::gui
