#include "app/help_window.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLineEdit>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/gui_interaction.h"
#include "plc/install_dir.h"

namespace lumora::gui {
namespace {

QPointer<CHelpWindow> gWindow;

// Above a modal dialog the help window has to be the dialog's own window, or the dialog blocks it; when
// the dialog closes it becomes a window of its own again.
void KeepUsableAbove(CHelpWindow* window) {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || modal == window || window->parentWidget() == modal) return;
  window->setParent(modal, Qt::Window);
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    QObject::connect(dialog, &QDialog::finished, window, [window, dialog] {
      if (window->parentWidget() != dialog) return;
      bool shown = window->isVisible();
      window->setParent(nullptr, Qt::Window);
      if (shown) window->show();
    });
  }
}

}  // namespace

CHelpBrowser::CHelpBrowser(QHelpEngine& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {
  setOpenLinks(false);
  connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    QUrl target = url.isRelative() ? source().resolved(url) : url;
    if (target.scheme() == "qthelp" || target.isLocalFile()) {
      setSource(target);
    } else {
      QDesktopServices::openUrl(target);
    }
  });
}

QVariant CHelpBrowser::loadResource(int type, const QUrl& name) {
  if (name.scheme() != "qthelp") return QTextBrowser::loadResource(type, name);
  QByteArray data = engine_.fileData(name);
  if (type == QTextDocument::StyleSheetResource || type == QTextDocument::HtmlResource)
    return QString::fromUtf8(data);
  return data;
}

QString CHelpWindow::HelpFile() {
  return FromPath(InstallPath("help/lumora.qch"));
}

QUrl CHelpWindow::TopicUrl(const QString& topic) {
  QUrl url(topic);
  if (!url.scheme().isEmpty()) return url;
  return QUrl(QString("qthelp://%1/manual/%2").arg(kNamespace, topic.isEmpty() ? "index.html" : topic));
}

CHelpWindow* CHelpWindow::Instance() {
  return gWindow.data();
}

bool CHelpWindow::ShowTopic(const QString& topic) {
  QString file = HelpFile();
  if (!gWindow) {
    if (!QFileInfo::exists(file)) {
      ShowMessageBox(QApplication::activeWindow(), tr("The help file %1 is not installed.").arg(file),
                     tr("Help"), MessageIcon::Information);
      return false;
    }
    gWindow = new CHelpWindow(file);
  }
  if (!gWindow->Ready()) {
    ShowMessageBox(QApplication::activeWindow(), tr("The help file %1 cannot be read.").arg(file), tr("Help"),
                   MessageIcon::Information);
    return false;
  }
  KeepUsableAbove(gWindow);
  gWindow->Open(TopicUrl(topic));
  gWindow->show();
  gWindow->raise();
  gWindow->activateWindow();
  return true;
}

CHelpWindow::CHelpWindow(const QString& helpFile) {
  setObjectName("helpWindow");
  setWindowTitle(tr("Lumora Write Utility Help"));
  resize(1000, 700);
  // The collection (registration and search index) is the user's own: the install tree is read-only.
  QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/help";
  QDir().mkpath(cache);
  engine_ = new QHelpEngine(cache + "/lumora.qhc", this);
  engine_->setReadOnly(false);
  ready_ = engine_->setupData();
  if (ready_ && engine_->documentationFileName(kNamespace) != helpFile) {
    if (!engine_->documentationFileName(kNamespace).isEmpty()) engine_->unregisterDocumentation(kNamespace);
    ready_ = engine_->registerDocumentation(helpFile) && engine_->setupData();
  }

  browser_ = new CHelpBrowser(*engine_, this);
  browser_->setObjectName("helpBrowser");

  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("helpTabs");
  QHelpContentWidget* contents = engine_->contentWidget();
  tabs_->addTab(contents, tr("&Contents"));
  connect(contents, &QHelpContentWidget::linkActivated, this, &CHelpWindow::Open);
  connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, contents,
          [contents] { contents->expandToDepth(0); });

  auto* indexPage = new QWidget(tabs_);
  auto* lookFor = new QLineEdit(indexPage);
  lookFor->setObjectName("indexFilter");
  lookFor->setPlaceholderText(tr("Type a word to look for"));
  QHelpIndexWidget* index = engine_->indexWidget();
  auto* indexLayout = new QVBoxLayout(indexPage);
  indexLayout->addWidget(lookFor);
  indexLayout->addWidget(index);
  tabs_->addTab(indexPage, tr("&Index"));
  connect(lookFor, &QLineEdit::textChanged, index, [index](const QString& text) { index->filterIndices(text); });
  connect(lookFor, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
  connect(index, &QHelpIndexWidget::documentActivated, this,
          [this](const QHelpLink& document, const QString&) { Open(document.url); });
  connect(index, &QHelpIndexWidget::documentsActivated, this,
          [this](const QList<QHelpLink>& documents, const QString&) {
            if (!documents.isEmpty()) Open(documents.first().url);
          });

  QHelpSearchEngine* search = engine_->searchEngine();
  auto* searchPage = new QWidget(tabs_);
  auto* searchLayout = new QVBoxLayout(searchPage);
  searchLayout->addWidget(search->queryWidget());
  searchLayout->addWidget(search->resultWidget(), 1);
  tabs_->addTab(searchPage, tr("&Search"));
  connect(search->queryWidget(), &QHelpSearchQueryWidget::search, search,
          [search] { search->search(search->queryWidget()->searchInput()); });
  connect(search->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this, &CHelpWindow::Open);

  auto* splitter = new QSplitter(this);
  splitter->addWidget(tabs_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 3);
  setCentralWidget(splitter);

  QToolBar* tools = addToolBar(tr("Navigation"));
  tools->setMovable(false);
  QAction* back = tools->addAction(tr("&Back"), browser_, &QTextBrowser::backward);
  back->setShortcut(QKeySequence::Back);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  QAction* forward = tools->addAction(tr("&Forward"), browser_, &QTextBrowser::forward);
  forward->setShortcut(QKeySequence::Forward);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  tools->addAction(tr("&Contents"), this, [this] { Open(TopicUrl(kHelpContentsPage)); });
  QAction* close = new QAction(this);
  close->setShortcut(QKeySequence::Close);
  connect(close, &QAction::triggered, this, &QWidget::close);
  addAction(close);

  if (ready_) {
    engine_->contentModel()->createContents(QString());
    engine_->indexModel()->createIndex(QString());
    search->reindexDocumentation();
  }
}

CHelpWindow::~CHelpWindow() = default;

QUrl CHelpWindow::CurrentUrl() const {
  return browser_->source();
}

QByteArray CHelpWindow::PageData(const QUrl& url) const {
  QUrl page = url.adjusted(QUrl::RemoveFragment);
  return page.scheme() == "qthelp" ? engine_->fileData(page) : QByteArray();
}

void CHelpWindow::Open(const QUrl& url) {
  browser_->setSource(url);
}

}  // namespace lumora::gui
