#include "editors/annunciator_dlg.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

#include "editors/address_field.h"
#include "editors/editor_form.h"
#include "editors/help_topics.h"
#include "lumora_plc_api.h"
#include "model/project.h"
#include "plc/plc_manager.h"
#include "ui_annunciator_dlg.h"

namespace lumora::gui {
namespace {

const char* const kStateNames[] = {QT_TRANSLATE_NOOP("lumora::gui::CAnnunciatorDlg", "off"),
                                   QT_TRANSLATE_NOOP("lumora::gui::CAnnunciatorDlg", "red"),
                                   QT_TRANSLATE_NOOP("lumora::gui::CAnnunciatorDlg", "amber"),
                                   QT_TRANSLATE_NOOP("lumora::gui::CAnnunciatorDlg", "green")};

QString BitName(int bit) {
  return QString::asprintf("BIT%01d", bit);
}

}  // namespace

QColor CAnnunciatorDlg::StateColour(int state) {
  switch (state) {
    case kRed:
      return QColor(255, 0, 0);
    case kAmber:
      return QColor(254, 199, 84);
    case kGreen:
      return QColor(0, 255, 0);
    default:
      return QColor(255, 255, 255);
  }
}

CAnnunciatorDlg::CAnnunciatorDlg(TQMProject& project, const FieldFactory& makeField, const QString& entryCaption,
                                 QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::AnnunciatorDlg>()),
      project_(project),
      word_(project.CurrentPanel()->annunciatorWord) {
  ui_->setupUi(this);
  ConnectHelpButton(ui_->buttons->button(QDialogButtonBox::Help), kHelpAnnunciator);
  ui_->entryLabel->setText(entryCaption);
  entry_ = makeField(ui_->entryField->parentWidget());
  InstallField(ui_->entryField, ui_->entryLabel, entry_->Widget());

  // Lamp k shows bits 2(k-1) (lower) and 2(k-1)+1; dark, red, amber, green from the top.
  static const char* const kPatterns[] = {"\n%1 = 0\n%2 = 0", "\n%1 = 1\n%2 = 0", "\n%1 = 1\n%2 = 1",
                                          "\n%1 = 0\n%2 = 1"};
  for (int lamp = 1; lamp <= 3; ++lamp) {
    int bit = 2 * (lamp - 1);
    for (int state = kDark; state <= kGreen; ++state) {
      QString& caption = captions_[static_cast<size_t>(lamp - 1)][static_cast<size_t>(state)];
      caption = QString(kPatterns[state]).arg(BitName(bit), BitName(bit + 1));
      QLabel* box = LampBox(lamp, state);
      box->setText(caption.mid(1));  // the layout centres the two lines
      box->setFrameShape(QFrame::Box);
      box->setAutoFillBackground(true);
      QPalette palette = box->palette();
      palette.setColor(QPalette::Window, StateColour(state));
      palette.setColor(QPalette::WindowText, Qt::black);
      box->setPalette(palette);
      box->setAccessibleName(
          tr("LAMP %1 %2")
              .arg(lamp)
              .arg(QCoreApplication::translate("lumora::gui::CAnnunciatorDlg", kStateNames[state])));
      box->setAccessibleDescription(caption.mid(1).replace('\n', " / "));  // the two bits it shows
    }
  }
  entry_->SetReference(word_.tagName, word_.address);
}

CAnnunciatorDlg::~CAnnunciatorDlg() = default;

const QString& CAnnunciatorDlg::Caption(int lamp, int state) const {
  return captions_[static_cast<size_t>(lamp - 1)][static_cast<size_t>(state)];
}

QLabel* CAnnunciatorDlg::LampBox(int lamp, int state) const {
  return findChild<QLabel*>(QString("lamp%1State%2").arg(lamp).arg(state));
}

void CAnnunciatorDlg::accept() {
  TQMTag candidate(&project_);
  candidate.SetEntry(entry_->Reference());
  candidate.valueType = kBinary16;
  TQMPlcManager plc(project_.plcLibrary.get(), project_.services.Ui());
  // A picked tag name stays as picked; a typed address becomes the library's rebuilt form.
  bool keepText = KeepsText(entry_->Kind());
  if (!plc.ValidateTag(candidate, LUMORA_ACCESS_READ, keepText, project_.plcSettings.addressSize)) {
    entry_->Widget()->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(entry_->Widget())) edit->selectAll();
    return;
  }
  word_.encodedAddress = candidate.encodedAddress;
  word_.addressAccess = candidate.addressAccess;
  word_.address = candidate.address;
  word_.tagName = candidate.tagName;
  entry_->SetReference(word_.tagName, word_.address);
  QDialog::accept();
}

CPLCAnnunciatorDlg::CPLCAnnunciatorDlg(TQMProject& project, QWidget* parent)
    : CAnnunciatorDlg(
          project, [](QWidget* holder) { return CAddressField::CreateTyped(holder); },
          tr("&PLC Read Word (Bits) :"), parent) {}

CPNRAnnunciatorDlg::CPNRAnnunciatorDlg(TQMProject& project, QWidget* parent)
    : CAnnunciatorDlg(
          project,
          [&project](QWidget* holder) {
            return CAddressField::CreateTagPicker(project.TagMapFor(project.CurrentPanel()->panelType),
                                                  holder);
          },
          tr("&Annunciator (Bit Read) Tag Name :"), parent) {}

}  // namespace lumora::gui
