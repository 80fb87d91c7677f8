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

PortSelectionCommand::PortSelectionCommand(CLumoraDoc& doc, const QString& text,
                                           std::shared_ptr<const ProjectState> before,
                                           std::shared_ptr<const ProjectState> after, int fromPort, int toPort)
    : ProjectChangeCommand(doc, text, std::move(before), std::move(after)), fromPort_(fromPort), toPort_(toPort) {}

bool PortSelectionCommand::mergeWith(const QUndoCommand* other) {
  const auto* next = dynamic_cast<const PortSelectionCommand*>(other);
  if (!next) return false;
  after_ = next->after_;
  toPort_ = next->toPort_;
  setText(next->text());
  setObsolete(toPort_ == fromPort_);
  return true;
}

}  // namespace lumora::gui
