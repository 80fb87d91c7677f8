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

 protected:
  CLumoraDoc& doc_;
  std::shared_ptr<const ProjectState> before_;
  std::shared_ptr<const ProjectState> after_;

 private:
  bool pushed_ = false;
};

// A click on a port label: consecutive selections merge into one step, named after the last; one that
// ends on the port it started from is no step at all.
class PortSelectionCommand : public ProjectChangeCommand {
 public:
  PortSelectionCommand(CLumoraDoc& doc, const QString& text, std::shared_ptr<const ProjectState> before,
                       std::shared_ptr<const ProjectState> after, int fromPort, int toPort);

  int id() const override { return kId; }
  bool mergeWith(const QUndoCommand* other) override;

 private:
  static constexpr int kId = 1;
  int fromPort_;
  int toPort_;
};

}  // namespace lumora::gui
