#pragma once
// CChildFrame: a project window in the main window's MDI area, with the project's main view.

#include <QMdiSubWindow>

namespace lumora::gui {

class CLumoraDoc;
class CLumoraView;

class CChildFrame : public QMdiSubWindow {
  Q_OBJECT

 public:
  CChildFrame(CLumoraDoc* doc, QWidget* parent = nullptr);
  ~CChildFrame() override;
  CLumoraDoc* Document() const { return doc_; }
  CLumoraView* View() const { return view_; }
  static int OpenCount();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void UpdateTitle();
  void Uncount();
  CLumoraDoc* doc_;
  CLumoraView* view_;
  bool counted_ = true;
};

}  // namespace lumora::gui
