#include "app/view_address_dlg.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

#include "app/gui_interaction.h"
#include "app/report_printing.h"
#include "editors/help_topics.h"
#include "model/address_list.h"
#include "model/project.h"
#include "shell/app_settings.h"
#include "model/translation.h"
#include "ui_view_address_dlg.h"

namespace lumora::gui {
namespace {

constexpr const char* kColumnWidths = "View Address Control";
constexpr int kDefaultWidths[] = {50, 130, 130, 110, 90, 80};

}  // namespace

// The message addresses of the panel, one row each, in the columns of the printed list.
class AddressTableModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetRows(std::vector<AddressRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 6; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const AddressRow& row = rows_[static_cast<size_t>(index.row())];
    switch (index.column()) {
      case 0: return QString::number(row.item);
      case 1: return FromLatin1(row.address);
      case 2: return CoreText(row.usedIn.c_str());
      case 3: return CoreText(row.function.c_str());
      case 4: return FromLatin1(row.access);
      default: return CoreText(row.password.c_str());
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= 6) return {};
    return CoreText(kAddressListColumns[static_cast<size_t>(section)]);
  }

 private:
  std::vector<AddressRow> rows_;
};

CViewAddressDlg::CViewAddressDlg(const TQMProject& project, const TQMPanel& panel, UserSettings& settings,
                                 QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ViewAddressDlg>()), settings_(settings), panel_(panel) {
  ui_->setupUi(this);
  rows_ = new AddressTableModel(this);
  ui_->addressList->setModel(rows_);
  ui_->plcLabel->setText(FromLatin1(project.plcSettings.plcName));
  ui_->projectLabel->setText(FromPath(project.fileName));
  ui_->totalValue->setText(QString::asprintf("%3d", static_cast<int>(panel.messages.size())));

  Fill();
  for (int column = 0; column < 6; ++column)
    ui_->addressList->setColumnWidth(column,
                                     settings_.ColumnWidth(kColumnWidths, column, kDefaultWidths[column]));

  ui_->editButton->setVisible(!panel.IsSetPointPanel());
  ui_->editButton->setEnabled(false);
  connect(ui_->editButton, &QPushButton::clicked, this, [this] {
    if (!edit_) return;
    edit_();
    Fill();
  });
  connect(ui_->printButton, &QPushButton::clicked, this, [this, &project, &panel] {
    PrintAddressList(this, project, panel);
  });
  auto* pdf = new QPushButton(tr("Export as PDF..."), this);
  pdf->setObjectName("pdfButton");
  ui_->bottom->insertWidget(ui_->bottom->indexOf(ui_->printButton) + 1, pdf);
  connect(pdf, &QPushButton::clicked, this, [this, &project, &panel] { ExportAddressListPdf(this, project, panel); });
  ConnectHelpButton(ui_->buttons->button(QDialogButtonBox::Help), kHelpAddressDatabase);
}

CViewAddressDlg::~CViewAddressDlg() = default;

void CViewAddressDlg::SetEditHandler(std::function<void()> edit) {
  edit_ = std::move(edit);
  ui_->editButton->setEnabled(static_cast<bool>(edit_));
}

void CViewAddressDlg::Fill() {
  while (ui_->systemForm->rowCount() > 0) ui_->systemForm->removeRow(0);
  // The system addresses, greyed as the panel's fixed registers.
  for (const SystemAddress& address : ListSystemAddresses(panel_)) {
    auto* label = new QLabel(FromLatin1(translate("Core", address.label.c_str())), ui_->systemGroup);
    auto* value = new QLabel(FromLatin1(address.value), ui_->systemGroup);
    label->setEnabled(false);
    // Named by its caption; what it shows is its description, so assistive tools read both.
    value->setAccessibleName(label->text());
    value->setAccessibleDescription(value->text());
    ui_->systemForm->addRow(label, value);
  }

  rows_->SetRows(ListMessageAddresses(panel_));
}

void CViewAddressDlg::done(int result) {
  for (int column = 0; column < 6; ++column)
    settings_.SetColumnWidth(kColumnWidths, column, ui_->addressList->columnWidth(column));
  QDialog::done(result);
}

}  // namespace lumora::gui
