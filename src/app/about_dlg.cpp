#include "app/about_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/gui_interaction.h"
#include "app/pictures.h"
#include "shell/version_loader.h"

namespace lumora::gui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("aboutDlg");
  setWindowTitle("About Lumora Write Utility");
  auto* logo = new QLabel(this);
  logo->setPixmap(LogoPicture(QSize(48, 48)));
  auto* version =
      new QLabel(QString("Lumora Write Utility Version %1").arg(FromLatin1(ApplicationVersion())), this);
  version->setObjectName("versionLabel");
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* row = new QHBoxLayout;
  row->addWidget(logo);
  row->addWidget(version, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace lumora::gui
