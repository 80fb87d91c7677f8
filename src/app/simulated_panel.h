#pragma once
// CSimulatedPanel: lumora-panel-sim on a private pseudo-terminal, used as the port until another port is
// chosen. It simulates the current project's panel (a multiplexer with the project's panels for a
// multi-panel project) and keeps each set-up's memory in a state file of the user's, so what was
// written is there to read, also in the next session.

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

namespace lumora {
class SimulatedPort;
class TQMProject;
}  // namespace lumora

namespace lumora::gui {

// Its name in the Port menu and in the progress dialog's port list (English; shown through
// QCoreApplication::translate in the context "lumora::gui::CSimulatedPanel").
inline constexpr const char* kSimulatedPanelText =
    QT_TRANSLATE_NOOP("lumora::gui::CSimulatedPanel", "Simulated Panel");

class CSimulatedPanel : public QObject {
  Q_OBJECT

 public:
  explicit CSimulatedPanel(QObject* parent = nullptr);
  ~CSimulatedPanel() override;

  // Starts the simulator for the project's panels (a QM210 without a project); one that already runs
  // for the same set-up goes on. False, with `error`, when it cannot start.
  bool Start(const TQMProject* project, QString* error = nullptr);
  // Stops the simulator (it saves its memory first).
  void Stop();
  bool Running() const;
  // The pseudo-terminal, the port of the transfers.
  QString Path() const;
  // The state file of the running set-up.
  QString StatePath() const { return statePath_; }
  // "QM210", or "multiplexer (2: QM210, 5: QMSV)".
  QString Description() const { return description_; }
  // The ports behind the multiplexer, or {0} for a single panel.
  QList<int> Units() const { return units_; }
  qint64 ProcessId() const;

  // The simulator's options for the project: --panel TYPE, or --mux PORT:TYPE,...
  static QStringList OptionsFor(const TQMProject* project);
  // The program: beside this one, in the install tree's bin/, or on the PATH; "" when not found.
  static QString Program();
  // Where the state files go: $XDG_STATE_HOME/lumora, or ~/.local/state/lumora.
  static QString StateDir();
  // The text of `display` for message `number` of the unit on `port` (0: a single panel); the error
  // text when the simulator cannot show it.
  QString Display(int port, int number) const;

 signals:
  // Started, stopped or changed to another set-up.
  void changed();

 private:
  std::unique_ptr<SimulatedPort> process_;
  QStringList options_;
  QString statePath_;
  QString description_;
  QList<int> units_;
};

}  // namespace lumora::gui
