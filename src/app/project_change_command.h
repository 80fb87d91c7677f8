#pragma once
// One undoable change of a document's project: the project as it was before and after, whole. Undo and
// redo put a copy of one of them in place, so either gives back the project byte for byte.

#include <QUndoCommand>
#include <memory>

#include "model/project.h"

namespace lumora::gui {

class CLumoraDoc;

class ProjectChangeCommand : public QUndoCommand {
 public:
  // `after` is the project as the change left it; the first redo (when pushed) changes nothing.
  ProjectChangeCommand(CLumoraDoc& doc, const QString& text, std::unique_ptr<TQMProject> before,
                       std::unique_ptr<TQMProject> after);

  void undo() override;
  void redo() override;

 private:
  CLumoraDoc& doc_;
  std::unique_ptr<TQMProject> before_;
  std::unique_ptr<TQMProject> after_;
  bool pushed_ = false;
};

}  // namespace lumora::gui
