#include "app/project_change_command.h"

#include "app/lumora_doc.h"

namespace lumora::gui {

ProjectChangeCommand::ProjectChangeCommand(CLumoraDoc& doc, const QString& text,
                                           std::shared_ptr<const ProjectState> before,
                                           std::shared_ptr<const ProjectState> after)
    : QUndoCommand(text), doc_(doc), before_(std::move(before)), after_(std::move(after)) {}

void ProjectChangeCommand::undo() {
  doc_.RestoreState(before_);
}

void ProjectChangeCommand::redo() {
  // Pushing calls redo() once; the change is already in the document then.
  if (!pushed_) {
    pushed_ = true;
    return;
  }
  doc_.RestoreState(after_);
}

}  // namespace lumora::gui
