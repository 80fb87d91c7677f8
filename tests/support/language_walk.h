#pragma once
// What a user of another language finds in a window: the texts it shows (to tell the ones still in English),
// and the labels, buttons and check boxes too narrow for their text.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTranslator>
#include <string>
#include <vector>

#include "model/translation.h"
#include "shell/translations.h"

namespace lumora::testing {

// A shown text as a translation compares it: no mnemonic marks, no shortcut, no surrounding spaces.
inline QString ShownText(QString text) {
  int tab = text.indexOf('\t');
  if (tab >= 0) text = text.left(tab);
  text.replace("&&", "\x01").remove('&').replace("\x01", "&");
  return text.simplified();
}

inline void AddMenuTexts(const QList<QAction*>& actions, QSet<QString>& texts) {
  for (QAction* action : actions) {
    if (!action->isVisible() || action->isSeparator()) continue;
    texts.insert(ShownText(action->text()));
    if (action->menu()) AddMenuTexts(action->menu()->actions(), texts);
  }
}

// The texts a window shows: its title, its menus, labels, buttons, group titles, tabs, column headers and
// the hints of empty fields.
inline QSet<QString> VisibleTexts(QWidget* window) {
  QSet<QString> texts;
  texts.insert(ShownText(window->windowTitle()));
  if (auto* main = qobject_cast<QMainWindow*>(window)) AddMenuTexts(main->menuBar()->actions(), texts);
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(window)) continue;
    if (auto* label = qobject_cast<QLabel*>(widget)) texts.insert(ShownText(label->text()));
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts.insert(ShownText(button->text()));
    if (auto* group = qobject_cast<QGroupBox*>(widget)) texts.insert(ShownText(group->title()));
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) texts.insert(ShownText(edit->placeholderText()));
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
      for (int i = 0; i < tabs->count(); ++i) texts.insert(ShownText(tabs->tabText(i)));
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      for (int i = 0; i < combo->count(); ++i) texts.insert(combo->itemText(i).trimmed());  // '&' is no key here
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model()) {
      QAbstractItemModel* model = view->model();
      for (int column = 0; column < model->columnCount(); ++column) {
        texts.insert(ShownText(model->headerData(column, Qt::Horizontal).toString()));
        for (int row = 0; row < model->rowCount() && row < 50; ++row)
          texts.insert(model->index(row, column).data().toString().trimmed());
      }
    }
  }
  texts.remove(QString());
  return texts;
}

// Texts that are the same in English and German, or are no language at all: codes and names in capitals
// (OK, QM210, a panel's own texts), numbers, file names and paths, product names, and words both languages
// use.
inline bool SameInBothLanguages(const QString& text) {
  static const QSet<QString> shared = {"Port", "Panel", "Status", "Firmware", "Multiplexer", "Name", "Start",
                                       "Version", "Filter", "Details", "Text", "Tag", "Min", "Max", "Minimum",
                                       "Maximum", "Info", "Modus", "Online", "Byte", "Bytes", "Offline",
                                       "Export", "Import", "Ports", "Tags", "English", "Deutsch", "System",
                                       "Details..."};
  static const QRegularExpression lowercaseWord("[a-zäöüß]{2,}");
  static const QRegularExpression product(
      "^(Lumora|Tarvo|Plan & Run|Modbus|QM[-0-9]|Version [0-9]|Panel [1-5]$)|Port[0-9]$");
  if (shared.contains(text) || text.size() <= 2 || !lowercaseWord.match(text).hasMatch()) return true;
  if (text.contains(".lmx") || text.contains('/') || product.match(text).hasMatch()) return true;
  return false;
}

// The texts of Qt's own standard buttons, which Qt's translation gives; the pseudo-translation has none.
inline bool QtStandardText(const QString& text) {
  static const QSet<QString> texts = {"OK", "Cancel", "Help", "Close", "Yes", "No", "Apply", "Save", "Open",
                                      "Discard", "Reset", "Abort", "Retry", "Ignore"};
  return texts.contains(text);
}

// Labels, buttons and check boxes whose text needs more room than they have.
inline std::vector<std::string> CutTexts(QWidget* window) {
  std::vector<std::string> problems;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(window)) continue;
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (label->wordWrap() || !label->pixmap().isNull()) continue;
      text = label->text();
    } else if (qobject_cast<QPushButton*>(widget) || qobject_cast<QCheckBox*>(widget) ||
               qobject_cast<QRadioButton*>(widget)) {
      text = static_cast<QAbstractButton*>(widget)->text();
    } else {
      continue;
    }
    if (ShownText(text).isEmpty()) continue;
    // Blanks around a caption are the English form's way of placing it, not text that must show.
    const QFontMetrics metrics = widget->fontMetrics();
    int needed = widget->sizeHint().width() - metrics.horizontalAdvance(text) +
                 metrics.horizontalAdvance(text.trimmed());
    if (needed > widget->width()) {
      problems.push_back(("\"" + ShownText(text) + "\" (" + widget->objectName() + ") needs " +
                          QString::number(needed) + " px, has " + QString::number(widget->width()))
                             .toStdString());
    }
  }
  return problems;
}

// Puts the program's translation of `language` in place of the one loaded ("en": none); for the windows
// made afterwards.
inline bool SwitchLanguage(QCoreApplication& app, const std::string& language) {
  for (QTranslator* translator : app.findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
  SetTranslator(nullptr);
  return InstallTranslations(app, language) == language;
}

}  // namespace lumora::testing
