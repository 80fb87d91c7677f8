#pragma once
// View > Language: the languages the program speaks, each in its own words; the choice is kept for the
// next start ("Settings/Language"), and "As the System" follows the locale again.

class QMenu;

namespace lumora::gui {

class CLumoraApp;

void AddLanguageMenu(QMenu& viewMenu, CLumoraApp& app);

}  // namespace lumora::gui
