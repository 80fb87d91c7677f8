#include "editors/led_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <utility>
#include <QPushButton>

#include "editors/address_field.h"
#include "editors/editor_form.h"
#include "editors/help_topics.h"
#include "lumora_plc_api.h"
#include "model/project.h"
#include "plc/plc_manager.h"
#include "ui_led_dlg.h"

namespace lumora::gui {
namespace {

const QColor kConnectorColour(0, 0, 160);

TQMPanel& CurrentPanelOf(TQMProject& project) {
  return *project.CurrentPanel();
}

// A typed address is selected whole, ready to be typed over; a tag picker just takes the focus.
void FocusAndSelect(QWidget* field) {
  field->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
}

}  // namespace

CLedDlg::CLedDlg(TQMProject& project, const FieldFactory& makeField, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::LedDlg>()),
      project_(project),
      record_(CurrentPanelOf(project).buttonLeds),
      saved_(record_) {
  ui_->setupUi(this);
  ConnectHelpButton(ui_->buttons->button(QDialogButtonBox::Help), kHelpButtonsLeds);

  CLedCombo* leds[] = {ui_->ledCombo1, ui_->ledCombo2, ui_->ledCombo3, ui_->ledCombo4, ui_->ledCombo5};
  CButtonCombo* keys[] = {ui_->buttonCombo1, ui_->buttonCombo2, ui_->buttonCombo3, ui_->buttonCombo4,
                          ui_->buttonCombo5};
  QLabel* ledLabels[] = {ui_->led1Label, ui_->led2Label, ui_->led3Label, ui_->led4Label, ui_->led5Label};
  QLabel* keyLabels[] = {ui_->key1Label, ui_->key2Label, ui_->key3Label, ui_->key4Label, ui_->key5Label};
  for (int i = 0; i < 5; ++i) {
    leds[i]->Attach(i + 1, record_);
    keys[i]->Attach(i + 1, record_);
    // The row's caption ("LED 1", "F1") names its combo box for assistive tools.
    for (auto [label, combo] : {std::pair<QLabel*, QComboBox*>{ledLabels[i], leds[i]}, {keyLabels[i], keys[i]}}) {
      label->setBuddy(combo);
      label->setAccessibleName(combo->accessibleName());
    }
  }

  ledField_ = makeField(ui_->ledWordField->parentWidget());
  buttonField_ = makeField(ui_->buttonWordField->parentWidget());
  InstallField(ui_->ledWordField, ui_->ledWordLabel, ledField_->Widget());
  InstallField(ui_->buttonWordField, ui_->buttonWordLabel, buttonField_->Widget());
  ledField_->SetReference(record_.ledWord.tagName, record_.ledWord.address);
  buttonField_->SetReference(record_.buttonWord.tagName, record_.buttonWord.address);

  // The PLC's LED word drives the LEDs; the keys report into the button word.
  for (int i = 0; i < 5; ++i) {
    double at = (i + 1) / 6.0;
    ui_->ledArea->AddConnector(ledField_->Widget(), leds[i], kConnectorColour, at);
    ui_->buttonArea->AddConnector(keys[i], buttonField_->Widget(), kConnectorColour, 0.5, at);
  }
}

CLedDlg::~CLedDlg() = default;

bool CLedDlg::StoreWord(const std::string& entry, int access, TQMTag& word) {
  TQMTag candidate(&project_);
  candidate.SetEntry(entry);
  candidate.valueType = kBinary16;
  TQMPlcManager plc(project_.plcLibrary.get(), project_.services.Ui());
  bool keepText = KeepsText(ledField_->Kind());
  if (!plc.ValidateTag(candidate, access, keepText, project_.plcSettings.addressSize)) return false;
  word.encodedAddress = candidate.encodedAddress;
  word.addressAccess = candidate.addressAccess;
  word.address = candidate.address;
  word.tagName = candidate.tagName;
  return true;
}

void CLedDlg::accept() {
  if (!StoreWord(ledField_->Reference(), LUMORA_ACCESS_READ, record_.ledWord)) {
    FocusAndSelect(ledField_->Widget());
    return;
  }
  ledField_->SetReference(record_.ledWord.tagName, record_.ledWord.address);
  if (!StoreWord(buttonField_->Reference(), LUMORA_ACCESS_READ_WRITE, record_.buttonWord)) {
    FocusAndSelect(buttonField_->Widget());
    return;
  }
  buttonField_->SetReference(record_.buttonWord.tagName, record_.buttonWord.address);
  QDialog::accept();
}

void CLedDlg::reject() {
  record_.ledWord = saved_.ledWord;
  record_.buttonWord = saved_.buttonWord;
  record_.ledMode = saved_.ledMode;
  record_.buttonMode = saved_.buttonMode;
  QDialog::reject();
}

CPLCLedDlg::CPLCLedDlg(TQMProject& project, QWidget* parent)
    : CLedDlg(project, [](QWidget* holder) { return CAddressField::CreateTyped(holder); }, parent) {}

CPNRLedDlg::CPNRLedDlg(TQMProject& project, QWidget* parent)
    : CLedDlg(project,
              [&project](QWidget* holder) {
                return CAddressField::CreateTagPicker(project.TagMapFor(project.CurrentPanel()->panelType),
                                                      holder);
              },
              parent) {}

}  // namespace lumora::gui
