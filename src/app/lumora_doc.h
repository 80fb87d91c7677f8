#pragma once
// CLumoraDoc: one open project. Owns its TQMProject and the undo stack of its changes, and is the project's
// only writer; opens and saves the .lmx file. The document is modified exactly while its undo stack is away
// from the state last saved.

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <memory>

#include "model/project.h"
#include "model/project_state.h"

namespace lumora::gui {

class CLumoraApp;
class CRecoveryKeeper;

// What a change of the project reached, so that a view refreshes that part: the selected panel (its type,
// messages, the selected port), the system (single or multi-panel, the multiplexer's ports) or the PLC.
enum class ProjectPart : unsigned { Panel = 1, System = 2, Plc = 4, All = 7 };
constexpr ProjectPart operator|(ProjectPart a, ProjectPart b) {
  return static_cast<ProjectPart>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool Touches(ProjectPart parts, ProjectPart part) {
  return (static_cast<unsigned>(parts) & static_cast<unsigned>(part)) != 0;
}

class CLumoraDoc : public QObject {
  Q_OBJECT

 public:
  explicit CLumoraDoc(CLumoraApp& app, QObject* parent = nullptr);
  ~CLumoraDoc() override;

  // The project as it stands. Nothing writes it but the document: a change is made on a copy and handed to
  // Change.
  const TQMProject& Project() const { return *project_; }

  // The one way the project changes: `after` takes the project's place as one step of the undo history named
  // `text` ("Change PLC"), and the views hear which part changed. A project that is the same as the current
  // one, byte for byte as a file holds it, pushes no step and changes nothing: false then.
  bool Change(const QString& text, const TQMProject& after, ProjectPart parts);
  // Selects a multiplexer port (1..5) of a multi-panel project. The selected port is saved in the file, so
  // this is a step too; consecutive selections merge into one, named after the last.
  bool SelectPort(int port);
  // A new document's first project (its PLC and default attributes set up as the view opens it): no step,
  // and the document stays unmodified.
  void SetUpNewProject(const TQMProject& project);
  QUndoStack& UndoStack() { return undoStack_; }

  // Opens the file: Z002 on failure, the backup offer, the tag-map conversion of a linked project.
  bool OnOpenDocument(const QString& path);
  // Opens the project a recovery copy holds (`projectFile`, the bytes of a project file) under the name of
  // the project it was taken from (`path`, empty for none). The document counts as modified until it is
  // saved, and keeps its own recovery copy at once; the file at `path` is not touched.
  bool OnRecoverDocument(const std::string& projectFile, const QString& path);
  // Saves to `path` (atomically), sets the project's file name and clears the modified flag.
  bool OnSaveDocument(const QString& path);
  // Saves to the document's path, or asks for one.
  bool DoFileSave();
  // Asks for a name and saves there; the document (its window title, the recent files) takes that name.
  bool DoFileSaveAs();
  // Offers to save a modified document; false when the user cancels.
  bool SaveModified();

  const QString& PathName() const { return path_; }
  void SetPathName(const QString& path, bool addToRecentFiles = true);
  QString Title() const;
  bool IsModified() const { return !undoStack_.isClean(); }
  // The project as it is counts as saved (after a save, or when the user chose not to save on closing).
  void MarkClean() { undoStack_.setClean(); }
  // Set at construction, cleared by opening a file: the main view tells new projects from opened ones.
  bool IsNewDocument() const { return newDocument_; }
  // A new project that no change, read or undo has reached yet: its PLC changes without a question.
  bool IsFreshProject() const { return freshProject_; }

  // Undo and redo: puts a project made from `state` in place of the document's.
  void RestoreState(const std::shared_ptr<const ProjectState>& state);

 signals:
  void modifiedChanged(bool modified);
  void titleChanged(const QString& title);
  void projectChanged(lumora::gui::ProjectPart parts);

 private:
  void Install(std::unique_ptr<TQMProject> project);
  // What every opened project goes through: a linked tag map read again, the addresses checked.
  bool PrepareOpened(TQMProject& project);
  void TakeOpened(std::unique_ptr<TQMProject> project, const QString& path);
  std::shared_ptr<const ProjectState> CurrentState();

  CLumoraApp& app_;
  std::unique_ptr<TQMProject> project_;
  QString path_;
  QUndoStack undoStack_;
  // The project as the last step recorded or restored it: the next step shares its unchanged panels.
  std::shared_ptr<const ProjectState> state_;
  bool newDocument_ = true;
  bool freshProject_ = true;
  // Last, so that it goes first: its end may keep the project's latest state.
  std::unique_ptr<CRecoveryKeeper> recovery_;
};

}  // namespace lumora::gui
