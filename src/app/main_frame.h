#pragma once
// CMainFrame: the main window with its MDI area, menus and status bar.

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QUndoGroup>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;

namespace lumora::gui {

class CChildFrame;
class CLumoraApp;
class CLumoraDoc;
class CLumoraView;
class CSimulatedPanelWnd;
class CWelcomeFrame;

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  explicit CMainFrame(CLumoraApp& app);
  ~CMainFrame() override;

  QMdiArea* MdiArea() const { return mdi_; }
  // Window placement from the settings, the working folder, then the welcome screen.
  void RestorePlacementAndFolders();
  void OpenWelcomeScreen();
  CWelcomeFrame* WelcomeFrame() const;
  // A project window for the document; the welcome screen goes first.
  CChildFrame* CreateProjectFrame(CLumoraDoc* doc);
  CLumoraDoc* NewDocument();
  CLumoraDoc* OpenDocumentFile(const QString& path);
  CLumoraView* ActiveView() const;
  QList<CLumoraDoc*> Documents() const;
  void ChildFrameClosed(CChildFrame* frame);
  void SetMultiPanel(int multiPanel) { multiPanel_ = multiPanel; }

  // The placement the window has and would save.
  bool Maximized() const { return maximized_; }
  QRect NormalRect() const { return normalRect_; }
  void SavePlacement();
  void UpdateMenus();
  QMenu* PortMenu() const { return portMenu_; }
  // The "Simulated Panel" window, once it was opened.
  CSimulatedPanelWnd* SimulatedPanelWindow() const;

 public slots:
  void OnPortChosen(const QString& port);
  void OnOtherPort();
  // Port > "Simulated Panel": the simulator for the active project becomes the port; its window opens.
  void OnSimulatedPanel();
  void OnHelpTopics();
  void OnContextHelp();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildMenus();
  void FillPortMenu();
  void FillRecentFiles();
  void StoreRectIfOnScreen();

  CLumoraApp& app_;
  QMdiArea* mdi_;
  QPointer<CWelcomeFrame> welcome_;
  QMenu* fileMenu_ = nullptr;
  QMenu* editMenu_ = nullptr;
  // The undo stacks of the open projects; the active project's stack drives Edit > Undo and Redo.
  QUndoGroup* undoGroup_ = nullptr;
  QMenu* panelMenu_ = nullptr;
  QMenu* viewMenu_ = nullptr;
  QMenu* portMenu_ = nullptr;
  QMenu* windowMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  QAction* closeAction_ = nullptr;
  QAction* recentSeparator_ = nullptr;
  QList<QAction*> recentActions_;
  QLabel* capsIndicator_ = nullptr;
  QLabel* simulatedIndicator_ = nullptr;
  QPointer<CSimulatedPanelWnd> simulatedPanelWnd_;
  bool maximized_ = false;
  QRect normalRect_{125, 47, 600, 414};
  int multiPanel_ = 0;
  bool placementRestored_ = false;
};

}  // namespace lumora::gui
