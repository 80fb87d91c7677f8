#pragma once
// CMainFrame: the main window with its MDI area, menus and status bar.

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QSize>
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
  // Shows the window where it was when it last closed; the first time at the size a project's main view
  // needs (maximized when the screen is smaller).
  void RestorePlacement();
  // The window size that shows a project's main view whole, without scroll bars.
  QSize SizeForMainView() const;
  void OpenWelcomeScreen();
  CWelcomeFrame* WelcomeFrame() const;
  // A project window for the document; the welcome screen goes first.
  CChildFrame* CreateProjectFrame(CLumoraDoc* doc);
  CLumoraDoc* NewDocument();
  CLumoraDoc* OpenDocumentFile(const QString& path);
  // A document made from a recovery copy (see CLumoraDoc::OnRecoverDocument); null when it cannot be loaded.
  CLumoraDoc* RecoverDocument(const std::string& projectFile, const QString& path);
  // The open document of that file, if any.
  CLumoraDoc* DocumentOf(const QString& path) const;
  CLumoraView* ActiveView() const;
  QList<CLumoraDoc*> Documents() const;
  void ChildFrameClosed(CChildFrame* frame);
  void SetMultiPanel(bool multiPanel) { multiPanel_ = multiPanel; }

  // Stores the window's placement and the working folder.
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
  // Panel > "Panel History...": what was written to and read from the units.
  void OnPanelHistory();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void FillPortMenu();
  void FillRecentFiles();

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
  QLabel* simulatedIndicator_ = nullptr;
  QPointer<CSimulatedPanelWnd> simulatedPanelWnd_;
  bool multiPanel_ = false;
};

// Where a window that needs `needed` goes on a screen whose free area is `available`: centred there at
// that size, or maximized (an empty rectangle) when it does not fit.
QRect FirstPlacement(const QSize& needed, const QRect& available);

}  // namespace lumora::gui
