#pragma once
// CLumoraView: the main screen of a project window. Leads through the configuration in three numbered
// steps (system kind; panel type and PLC; the editors), shows the multiplexer's ports, and starts every
// exchange with the panels: write, read, verify, information, firmware upgrades and clearing memory.
// Everything it shows lives in the document's project.

#include <QWidget>
#include <array>
#include <memory>

#include "editors/editor_launcher.h"

class QToolButton;

namespace Ui {
class LumoraView;
}

namespace lumora {
class TQMProject;
}

namespace lumora::gui {

class CLumoraDoc;
class CPortStatic;

class CLumoraView : public QWidget {
  Q_OBJECT

 public:
  explicit CLumoraView(CLumoraDoc* doc, QWidget* parent = nullptr);
  ~CLumoraView() override;
  CLumoraDoc* Document() const { return doc_; }
  // Fills the PLC list and the controls; false (after "Error P005") when no PLC library is available.
  bool OnInitialUpdate();

  int SystemKind() const { return systemKind_; }
  int SelectedPort() const { return selectedPort_; }
  int PanelType() const { return panelType_; }
  bool IsFreshProject() const { return freshProject_; }
  CPortStatic* PortLabel(int port) const;
  QToolButton* PictureButton(EditorKind kind) const;

 public slots:
  void OnSetFile();
  void OnWrite();
  void OnRead();
  void OnVerify();
  void OnInformation();
  void OnConnectionStatus();
  void OnPanelFirmware();
  void OnMultiplexerFirmware();
  void OnClearMemory();
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
  void OnPlcSelected(int comboIndex);
  void OnCommunicationSetup();
  void OnChangeTagMap();
  void OnPortClicked(int port);
  void OnMessages();
  void OnButtonsLeds();
  void OnAnnunciator();
  void OnConfigurePanelAddresses();
  void OnHelp();
  void OnExit();
  // Everything from the project again (after Read, or when the document's project was replaced).
  void Refresh();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool FillPlcList();
  void SelectProjectPlc();
  void ApplyPanelType(int panelType);
  void ApplySystemKind();
  void ShowPictures();
  void RewritePortLabels();
  void UpdateTagMapLabel();
  void PlacePictureButtons();
  void ShowPortMenu(int port, const QPoint& globalPosition);
  void LaunchEditor(EditorKind kind);
  // The project was changed since `before`: one undoable step named `text`.
  void ConfirmedChange(const QString& text, std::unique_ptr<TQMProject> before);
  void Firmware(bool multiplexer);
  // Runs the progress dialog for a write or firmware operation on a copy of the document's project.
  void RunTransferDialog(int operation, const QString& filePath);
  void RefreshWorkingCopy();

  CLumoraDoc* doc_;
  std::unique_ptr<Ui::LumoraView> ui_;
  std::array<CPortStatic*, 5> ports_{};
  QToolButton* messagesPicture_;
  QToolButton* buttonsPicture_;
  QToolButton* annunciatorPicture_;
  std::unique_ptr<TQMProject> workingCopy_;
  int systemKind_ = 0;
  int selectedPort_ = 1;
  int panelType_ = 1;
  int plcIndex_ = 0;
  bool freshProject_ = true;
  bool ready_ = false;
};

}  // namespace lumora::gui
