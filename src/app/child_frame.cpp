#include "app/child_frame.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QScrollArea>

#include "app/lumora_app.h"
#include "app/lumora_doc.h"
#include "app/lumora_view.h"
#include "app/main_frame.h"

namespace lumora::gui {
namespace {

int gProjectFrames = 0;

}  // namespace

CChildFrame::CChildFrame(CLumoraDoc* doc, QWidget* parent) : QMdiSubWindow(parent), doc_(doc) {
  setAttribute(Qt::WA_DeleteOnClose);
  view_ = new CLumoraView(doc, this);
  // The form keeps its size; a small window scrolls it.
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName("viewScrollArea");
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidget(view_);
  setWidget(scroll);
  connect(doc_, &CLumoraDoc::titleChanged, this, &CChildFrame::UpdateTitle);
  connect(doc_, &CLumoraDoc::modifiedChanged, this, &CChildFrame::UpdateTitle);
  UpdateTitle();
  ++gProjectFrames;
}

CChildFrame::~CChildFrame() {
  Uncount();
}

void CChildFrame::Uncount() {
  if (counted_) --gProjectFrames;
  counted_ = false;
}

int CChildFrame::OpenCount() {
  return gProjectFrames;
}

void CChildFrame::UpdateTitle() {
  setWindowTitle(doc_->Title() + (doc_->IsModified() ? "*" : ""));
}

void CChildFrame::closeEvent(QCloseEvent* event) {
  CMainFrame* frame = CLumoraApp::Instance() ? CLumoraApp::Instance()->MainFrame() : nullptr;
  int views = 0;
  if (frame) {
    for (QMdiSubWindow* window : frame->MdiArea()->subWindowList()) {
      if (auto* child = qobject_cast<CChildFrame*>(window); child && child->Document() == doc_) ++views;
    }
  }
  // The last window of a modified project offers to save it.
  if (views <= 1) {
    if (!doc_->SaveModified()) {
      event->ignore();
      return;
    }
    // Saved, or the user chose to drop the changes: nothing is left to recover.
    doc_->MarkClean();
  }
  event->accept();
  Uncount();
  if (frame) frame->ChildFrameClosed(this);
}

}  // namespace lumora::gui
