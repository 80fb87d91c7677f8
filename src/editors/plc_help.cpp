#include "editors/plc_help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "editors/help_topics.h"
#include "model/interaction.h"
#include "model/project.h"
#include "plc/install_dir.h"
#include "plc/plc_manager.h"
#include "report/latin1.h"

namespace lumora::gui {

bool OpenPlcAddressHelp(const TQMProject& project) {
  Interaction& ui = project.services.Ui();
  TQMPlcManager manager(project.plcLibrary.get(), ui);
  LumoraPlcDetails details = manager.Details();
  std::string file(details.texts[3], strnlen(details.texts[3], sizeof details.texts[3]));
  std::string path = file.empty() ? std::string() : InstallPath("dll/" + file);
  if (path.empty() || !QFileInfo::exists(QString::fromStdString(path))) {
    ui.ShowMessage(ToLatin1(QCoreApplication::translate(
                       "PlcHelp", "The PLC library has no help on its address format.")),
                   "", MessageIcon::Information);
    return false;
  }
  QUrl url = QUrl::fromLocalFile(QString::fromStdString(path));
  url.setFragment(QString::number(details.integers[0]));
  // In the manual's viewer when the program has one, else in the desktop's browser.
  return ShowHelp(url.toString()) || QDesktopServices::openUrl(url);
}

}  // namespace lumora::gui
