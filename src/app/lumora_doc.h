#pragma once
// CLumoraDoc: one open project. Owns its TQMProject; opens and saves the .lmx file.

#include <QObject>
#include <QString>
#include <memory>

#include "model/project.h"

namespace lumora::gui {

class CLumoraApp;

class CLumoraDoc : public QObject {
  Q_OBJECT

 public:
  explicit CLumoraDoc(CLumoraApp& app, QObject* parent = nullptr);
  ~CLumoraDoc() override;

  TQMProject& Project() { return *project_; }
  // A read replaces the project; the old one is destroyed.
  void ReplaceProject(std::unique_ptr<TQMProject> project);

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
  bool IsModified() const { return modified_; }
  void SetModifiedFlag(bool modified = true);
  // Set at construction, cleared by opening a file: the main view tells new projects from opened ones.
  bool IsNewDocument() const { return newDocument_; }

 signals:
  void modifiedChanged(bool modified);
  void titleChanged(const QString& title);
  void projectReplaced();

 private:
  CLumoraApp& app_;
  std::unique_ptr<TQMProject> project_;
  QString path_;
  bool modified_ = false;
  bool newDocument_ = true;
};

}  // namespace lumora::gui
