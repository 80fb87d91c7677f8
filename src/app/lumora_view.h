#pragma once
// CLumoraView: a project window's view. Shows the project (panels, messages in display form, PLC) and
// runs the commands that exchange data with the panels: write, read, verify, information, firmware
// upgrades and clearing the panel memory.

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace lumora {
class TQMProject;
}

namespace lumora::gui {

class CLumoraDoc;

class CLumoraView : public QWidget {
  Q_OBJECT

 public:
  explicit CLumoraView(CLumoraDoc* doc, QWidget* parent = nullptr);
  ~CLumoraView() override;
  CLumoraDoc* Document() const { return doc_; }
  // Fills the PLC and the view; false (after "Error P005") when no PLC library is available.
  bool OnInitialUpdate();
  QTreeWidget* Summary() const { return summary_; }

 public slots:
  void OnSetFile();
  void OnWrite();
  void OnRead();
  void OnVerify();
  void OnInformation();
  void OnPanelFirmware();
  void OnMultiplexerFirmware();
  void OnClearMemory();
  void OnImportConfiguration();
  void OnExportConfiguration();
  void OnAddressDatabase();
  void OnSelectPanel();
  void OnSinglePanelSystem();
  void OnMultiPanelSystem();
  void Refresh();

 private:
  bool FillPlc();
  void SetLinkSpeedForProject();
  void Firmware(bool multiplexer);

  CLumoraDoc* doc_;
  QTreeWidget* summary_;
  QLabel* heading_;
  QLabel* picture_;
  QPushButton* writeButton_;
  QPushButton* readButton_;
  bool freshProject_ = true;
};

}  // namespace lumora::gui
