#include "app/welcome.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/exchange_wait.h"
#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "app/main_frame.h"
#include "app/modal_run.h"
#include "app/panel_status_dlg.h"
#include "app/pictures.h"
#include "shell/version_loader.h"
#include "transfer/unit_exchange.h"

namespace lumora::gui {
namespace {

QLabel* StaticEx(QWidget* parent, const QString& text, int pointSize, const char* name,
                 QColor colour = QColor()) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  QFont font("Arial");
  font.setPointSize(pointSize);
  label->setFont(font);
  if (colour.isValid()) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
  }
  label->setAlignment(Qt::AlignCenter);
  return label;
}

QPushButton* BigButton(QWidget* parent, const QString& text, const char* name) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  QFont font("Arial");
  font.setPointSize(11);
  font.setBold(true);
  button->setFont(font);
  button->setMinimumSize(220, 64);
  return button;
}

}  // namespace

CWelcomView::CWelcomView(QWidget* parent) : QWidget(parent) {
  setObjectName("welcomeView");
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(238, 240, 244));
  setPalette(palette);

  auto* logo = new QLabel(this);
  logo->setObjectName("logo");
  logo->setPixmap(LogoPicture(QSize(64, 64)));
  auto* title = StaticEx(this, kApplicationTitle, 34, "titleLabel");
  auto* version = StaticEx(this, tr("Version %1").arg(FromLatin1(ApplicationVersion())), 15, "versionLabel",
                           QColor(0, 0, 255));
  auto* greeting = StaticEx(this, tr("Welcome to Lumora Write Utility Software"), 15, "greetingLabel");
  auto* info1 = StaticEx(this, tr("Halvrick Controls - operator interfaces for industrial automation"), 15,
                         "infoLine1");
  auto* info2 = StaticEx(this, tr("Configure, write, read and verify your Lumora panels"), 15, "infoLine2");
  auto* picture = new QLabel(this);
  picture->setObjectName("welcomePicture");
  picture->setPixmap(WelcomePicture(QSize(440, 270)));
  auto* product = new QLabel(this);
  product->setObjectName("productPicture");
  product->setPixmap(UnitPicture(4, QSize(240, 130)));

  new_ = BigButton(this, tr("&New System"), "newButton");
  existing_ = BigButton(this, tr("&Existing System"), "existingButton");
  connect_ =
      BigButton(this, tr("&Connect to Panel\nView panel status\n && Firmware version"), "connectButton");
  connect_->setMinimumHeight(84);
  exit_ = BigButton(this, tr("E&xit"), "exitButton");
  connect(new_, &QPushButton::clicked, this, [] {
    if (CLumoraApp* app = CLumoraApp::Instance()) app->OnFileNew();
  });
  connect(existing_, &QPushButton::clicked, this, [] {
    if (CLumoraApp* app = CLumoraApp::Instance()) app->OnFileOpen();
  });
  connect(connect_, &QPushButton::clicked, this, &CWelcomView::OnConnect);
  connect(exit_, &QPushButton::clicked, this, [] {
    if (CLumoraApp* app = CLumoraApp::Instance(); app && app->MainFrame()) app->MainFrame()->close();
  });

  auto* heading = new QHBoxLayout;
  heading->addStretch();
  heading->addWidget(logo);
  heading->addWidget(title);
  heading->addStretch();
  auto* buttons = new QVBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {new_, existing_, connect_, exit_})
    buttons->addWidget(button);
  buttons->addStretch();
  auto* pictures = new QVBoxLayout;
  pictures->addWidget(picture, 0, Qt::AlignCenter);
  pictures->addWidget(product, 0, Qt::AlignCenter);
  auto* body = new QHBoxLayout;
  body->addStretch();
  body->addLayout(pictures);
  body->addSpacing(40);
  body->addLayout(buttons);
  body->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(heading);
  layout->addWidget(version);
  layout->addWidget(greeting);
  layout->addLayout(body, 1);
  layout->addWidget(info1);
  layout->addWidget(info2);
}

void CWelcomView::OnConnect() {
  CLumoraApp* app = CLumoraApp::Instance();
  if (!app) return;
  GuiInteraction prompts(this);
  TransferContext context(nullptr, TransferOperation::Read, &prompts, nullptr);
  context.portName = app->PortName();
  UnitExchange exchange(context, [&prompts] { prompts.ReleaseWaiters(); });
  ExchangeOutcome outcome = RunShortExchange(exchange, short_exchange::ConnectionTest);
  if (!outcome.unit) {
    QString text = FromLatin1(outcome.text);
    if (!outcome.hint.empty()) text += "\n\n" + FromLatin1(outcome.hint);
    ShowMessageBox(this, text, "", MessageIcon::Exclamation);
    return;
  }
  CPanelStatusDlg dialog(*outcome.unit, this);
  ExecModal(dialog);
}

}  // namespace lumora::gui
