#pragma once
// CLumoraView: the main screen of a project window. Leads through the configuration in three numbered
// steps (system kind; panel type and PLC; the editors), shows the multiplexer's ports, and starts every
// exchange with the panels: write, read, verify, information, firmware upgrades and clearing memory.
// Everything it shows lives in the document's project; it keeps no copy of it.

#include <QWidget>
#include <array>
#include <memory>

#include "app/lumora_doc.h"
#include "editors/editor_launcher.h"

class QToolButton;

namespace Ui {
class LumoraView;
class MultiplexerGroup;
}

namespace lumora::gui {

class CUnitCommands;
class CPlcSelection;
class CPortStatic;

class CLumoraView : public QWidget {
  Q_OBJECT

 public:
  explicit CLumoraView(CLumoraDoc* doc, QWidget* parent = nullptr);
  ~CLumoraView() override;
  CLumoraDoc* Document() const { return doc_; }
  // Fills the PLC list and the controls; false (after "Error P005") when no PLC library is available.
  bool OnInitialUpdate();

  // Puts the view's form, without its behaviour, on `widget` (its size hint is the view's).
  static void SetUpForm(QWidget& widget);

  CPortStatic* PortLabel(int port) const;
  QToolButton* PictureButton(EditorKind kind) const;
  // The exchanges with the panels: write, read, verify, information, firmware upgrades and clearing
  // memory (unit_commands.h).
  CUnitCommands* UnitCommands() const { return commands_; }

 public slots:
  void OnSetFile();
  void OnImportConfiguration();
  void OnExportConfiguration();
  void OnDeletePanel();
  void OnAddressDatabase();
  // The project documentation: File > Print, Print Preview and Export as PDF.
  void OnFilePrint();
  void OnFilePrintPreview();
  void OnExportPdf();
  void OnSelectPanel();
  void OnSinglePanelSystem();
  void OnMultiPanelSystem();
  void OnPortClicked(int port);
  void OnMessages();
  void OnButtonsLeds();
  void OnAnnunciator();
  void OnConfigurePanelAddresses();
  void OnHelp();
  void OnExit();
  // The parts of the view that show `parts` of the project, again from the document.
  void Refresh(ProjectPart parts = ProjectPart::All);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The view's form on `widget` with the multi-panel group's form in its place.
  static void SetUpForms(QWidget& widget, Ui::LumoraView& form, Ui::MultiplexerGroup& mux);
  // The picture, launchers and captions of the selected port's panel.
  void ApplyPanelType();
  // The radio buttons, the multiplexer group and the captions that follow the system kind.
  void ApplySystemKind();
  void ShowPictures();
  void RewritePortLabels();
  void PlacePictureButtons();
  void ShowPortMenu(int port, const QPoint& globalPosition);
  void LaunchEditor(EditorKind kind);

  CLumoraDoc* doc_;
  std::unique_ptr<Ui::LumoraView> ui_;
  std::unique_ptr<Ui::MultiplexerGroup> mux_;  // the multi-panel system's group, a form of its own
  std::array<CPortStatic*, 5> ports_{};
  QToolButton* messagesPicture_;
  QToolButton* buttonsPicture_;
  QToolButton* annunciatorPicture_;
  CUnitCommands* commands_;
  CPlcSelection* plc_ = nullptr;
  bool ready_ = false;
};

}  // namespace lumora::gui
