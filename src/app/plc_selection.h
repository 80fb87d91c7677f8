#pragma once
// CPlcSelection: the main view's second step on the PLC side: the PLC list, the PLC library's
// communication set-up and the Plan & Run tag map the project is linked to. Every change is one step
// of the document's undo history.

#include <QObject>

class QAbstractButton;
class QComboBox;
class QLabel;
class QWidget;

namespace lumora::gui {

class CLumoraDoc;

class CPlcSelection : public QObject {
  Q_OBJECT

 public:
  // `view` parents the dialogs; the list, the tag-map label and its button are the view's.
  CPlcSelection(CLumoraDoc* doc, QComboBox* list, QLabel* tagMapLabel, QAbstractButton* changeTagMap,
                QWidget* view);

  // Fills the list with the installed PLCs and selects the project's; a new project gets the PLC's
  // address size and default attributes. False when no PLC is installed or the attributes fail.
  bool Fill();
  // Selects the project's PLC in the list (the default PLC for a new project) and loads its library.
  void SelectProjectPlc();
  void UpdateTagMapLabel();

 public slots:
  void OnPlcSelected(int listIndex);
  void OnCommunicationSetup();
  void OnChangeTagMap();

 private:
  CLumoraDoc* doc_;
  QComboBox* list_;
  QLabel* tagMapLabel_;
  QAbstractButton* changeTagMap_;
  QWidget* view_;
  // The catalogue position of the PLC the list shows: a refused change goes back to it.
  int plcIndex_ = 0;
  bool filled_ = false;
};

}  // namespace lumora::gui
