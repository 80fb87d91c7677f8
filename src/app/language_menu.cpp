#include "app/language_menu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "shell/translations.h"

namespace lumora::gui {

void AddLanguageMenu(QMenu& viewMenu, CLumoraApp& app) {
  QMenu* menu = viewMenu.addMenu(QCoreApplication::translate("LanguageMenu", "&Language"));
  menu->setObjectName("languageMenu");
  auto* group = new QActionGroup(menu);
  std::string chosen = app.User().Language();
  auto add = [&](const QString& text, const std::string& code) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString("actionLanguage_%1").arg(code.empty() ? "system" : QString::fromStdString(code)));
    action->setCheckable(true);
    action->setChecked(chosen == code);
    group->addAction(action);
    QObject::connect(action, &QAction::triggered, menu, [&app, code] {
      app.User().SetLanguage(code);
      app.User().Sync();
      ShowMessageBox(nullptr,
                     QCoreApplication::translate("LanguageMenu",
                                                 "The program speaks the chosen language from its next start."),
                     "", MessageIcon::Information);
    });
  };
  add(QCoreApplication::translate("LanguageMenu", "As the &System"), "");
  menu->addSeparator();
  // Each language in its own words, with a key of its own letter.
  for (const ShippedLanguage& language : ShippedLanguages())
    add(QString("&") + QString::fromUtf8(language.name), language.code);
}

}  // namespace lumora::gui
