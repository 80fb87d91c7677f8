#pragma once
// The help window: the user's manual (help/lumora.qch of the install tree) with its contents, index and
// full-text search, and the PLC libraries' address-format pages in the same browser.

#include <QMainWindow>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

class QHelpEngine;
class QTabWidget;

namespace lumora::gui {

class CHelpBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  CHelpBrowser(QHelpEngine& engine, QWidget* parent);
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  QHelpEngine& engine_;
};

class CHelpWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The manual's pages live under this URL: qthelp://<namespace>/manual/<page>.
  static constexpr const char* kNamespace = "invalid.lumora.manual";
  static constexpr const char* kHelpContentsPage = "index.html";

  // Shows `topic` (a page of the manual such as "messages.html#data", or a file URL) in the process's
  // help window, made on first use. False, after telling the user, when the manual is not installed.
  static bool ShowTopic(const QString& topic);
  // The window while it exists.
  static CHelpWindow* Instance();
  // Where the manual is installed: <Install Dir>/help/lumora.qch.
  static QString HelpFile();
  // The URL a topic opens.
  static QUrl TopicUrl(const QString& topic);

  ~CHelpWindow() override;
  QHelpEngine& Engine() { return *engine_; }
  CHelpBrowser* Browser() { return browser_; }
  QUrl CurrentUrl() const;
  // The bytes of a page of the manual ("" when there is no such page).
  QByteArray PageData(const QUrl& url) const;

 private:
  explicit CHelpWindow(const QString& helpFile);
  bool Ready() const { return ready_; }
  void Open(const QUrl& url);

  QHelpEngine* engine_ = nullptr;
  CHelpBrowser* browser_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  bool ready_ = false;
};

}  // namespace lumora::gui
