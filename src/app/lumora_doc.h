#pragma once
// CLumoraDoc: one open project. Owns its TQMProject and the undo stack of its changes; opens and saves the
// .lmx file. The document is modified exactly while its undo stack is away from the state last saved.

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <memory>

#include "model/project.h"
#include "model/project_state.h"

namespace lumora::gui {

class CLumoraApp;

class CLumoraDoc : public QObject {
  Q_OBJECT

 public:
  explicit CLumoraDoc(CLumoraApp& app, QObject* parent = nullptr);
  ~CLumoraDoc() override;

  TQMProject& Project() { return *project_; }
  // Puts `project` in place of the document's (the old one is destroyed) and tells the views.
  void ReplaceProject(std::unique_ptr<TQMProject> project);

  // A copy of the project as it is now: take one before changing the project, for RecordChange.
  std::unique_ptr<TQMProject> Snapshot() const;
  // Makes what was changed since `before` one step of the undo stack, named `text` ("Change PLC").
  void RecordChange(const QString& text, std::unique_ptr<TQMProject> before);
  // Puts a project made from `state` in place of the document's (undo and redo).
  void RestoreState(const std::shared_ptr<const ProjectState>& state);
  QUndoStack& UndoStack() { return undoStack_; }

  // Opens the file: Z002 on failure, the backup offer, the tag-map conversion of a linked project.
  bool OnOpenDocument(const QString& path);
  // Saves to `path` (atomically), sets the project's file name and clears the modified flag.
  bool OnSaveDocument(const QString& path);
  // Saves to the document's path, or asks for one.
  bool DoFileSave();
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
  // A new project that no recorded change, read or undo has reached yet: its PLC changes without a
  // question.
  bool IsFreshProject() const { return freshProject_; }

 signals:
  void modifiedChanged(bool modified);
  void titleChanged(const QString& title);
  void projectReplaced();

 private:
  CLumoraApp& app_;
  std::unique_ptr<TQMProject> project_;
  QString path_;
  QUndoStack undoStack_;
  // The project as the last step recorded or restored it: the next step shares its unchanged panels.
  std::shared_ptr<const ProjectState> state_;
  bool newDocument_ = true;
  bool freshProject_ = true;
};

}  // namespace lumora::gui
