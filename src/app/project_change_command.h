#pragma once
// One undoable change of a document's project: the project as it was before and after. Undo and redo put
// a project made from one of them in place, so either gives back the project byte for byte.

#include <QUndoCommand>
#include <memory>

#include "model/project_state.h"

namespace lumora::gui {

class CLumoraDoc;

class ProjectChangeCommand : public QUndoCommand {
 public:
  // `after` is the project as the change left it; the first redo (when pushed) changes nothing.
  ProjectChangeCommand(CLumoraDoc& doc, const QString& text, std::shared_ptr<const ProjectState> before,
                       std::shared_ptr<const ProjectState> after);

  void undo() override;
  void redo() override;

 private:
  CLumoraDoc& doc_;
  std::shared_ptr<const ProjectState> before_;
  std::shared_ptr<const ProjectState> after_;
  bool pushed_ = false;
};

}  // namespace lumora::gui
