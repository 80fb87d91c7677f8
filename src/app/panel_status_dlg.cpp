#include "app/panel_status_dlg.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "app/pictures.h"
#include "editors/help_topics.h"
#include "model/codes.h"
#include "plc/install_dir.h"

namespace lumora::gui {
namespace {

QLabel* Value(QWidget* parent, const std::string& text, const char* name) {
  auto* label = new QLabel(FromLatin1(text), parent);
  label->setObjectName(name);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

CPanelStatusDlg::CPanelStatusDlg(const UnitInformation& info, QWidget* parent)
    : QDialog(parent), info_(info) {
  setObjectName("panelStatusDlg");
  setWindowTitle("Panel Information");
  auto* preview = new QGroupBox("Panel Preview:", this);
  auto* picture = new QLabel(preview);
  picture->setObjectName("previewPicture");
  if (info.unitType >= kPanelQM210 && info.unitType <= kPanelMultiplexer) {
    picture->setPixmap(
        UnitPicture(info.unitType, QSize(320, info.unitType == kPanelMultiplexer ? 140 : 170)));
  }
  auto* previewLayout = new QVBoxLayout(preview);
  previewLayout->addWidget(picture, 0, Qt::AlignCenter);

  auto* attributes = new QGroupBox("Panel Attributes: ", this);
  auto* attributesLayout = new QVBoxLayout(attributes);
  QLabel* attributesText = Value(attributes, info.attributesText, "attributesText");
  attributesText->setWordWrap(true);
  attributesLayout->addWidget(attributesText);

  auto* form = new QFormLayout;
  form->addRow("Text Panel Model:", Value(this, info.modelText, "modelText"));
  form->addRow("Firmware Revision:", Value(this, info.firmwareRevision, "firmwareText"));
  form->addRow("Memory Size:", Value(this, info.memorySize, "memoryText"));
  form->addRow("Plc Driver:", Value(this, info.driverName, "driverName"));
  form->addRow("Plc Driver Revision:", Value(this, info.driverRevision, "driverRevision"));

  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(preview);
  layout->addWidget(attributes);
  layout->addLayout(form);
  layout->addLayout(buttons);
  setMinimumWidth(480);
}

}  // namespace lumora::gui
