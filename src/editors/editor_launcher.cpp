#include "editors/editor_launcher.h"

#include <memory>

#include "editors/annunciator_dlg.h"
#include "editors/led_dlg.h"
#include "editors/message_dlg.h"
#include "editors/dialog_runner.h"
#include "editors/msg_general_dlg.h"
#include "editors/sp_config_dlg.h"
#include "model/project.h"

namespace lumora::gui {
namespace {

AddressDatabaseViewer& Viewer() {
  static AddressDatabaseViewer viewer;
  return viewer;
}

}  // namespace

void SetAddressDatabaseViewer(AddressDatabaseViewer viewer) {
  Viewer() = std::move(viewer);
}

const AddressDatabaseViewer& GetAddressDatabaseViewer() {
  return Viewer();
}

EditorVariant VariantFor(const TQMProject& project) {
  return project.tagMapLinked ? EditorVariant::PlanNRun : EditorVariant::Plc;
}

const char* EditorClassName(EditorKind kind, EditorVariant variant) {
  bool tags = variant == EditorVariant::PlanNRun;
  switch (kind) {
    case EditorKind::Messages:
      return tags ? "CPNRMessageDlg" : "CPLCMessageDlg";
    case EditorKind::SetPoints:
      return tags ? "CPNRSPConfigDlg" : "CPLCSPConfigDlg";
    case EditorKind::ButtonsLeds:
      return tags ? "CPNRLedDlg" : "CPLCLedDlg";
    case EditorKind::Annunciator:
      return tags ? "CPNRAnnunciatorDlg" : "CPLCAnnunciatorDlg";
    case EditorKind::GeneralSettings:
      return tags ? "CPNRGeneralDlg" : "CPLCGeneralDlg";
  }
  return "";
}

const char* EditorCommandText(EditorKind kind) {
  switch (kind) {
    case EditorKind::Messages:
      return QT_TRANSLATE_NOOP("CEditorLauncher", "Edit Messages");
    case EditorKind::SetPoints:
      return QT_TRANSLATE_NOOP("CEditorLauncher", "Edit Set Points");
    case EditorKind::ButtonsLeds:
      return QT_TRANSLATE_NOOP("CEditorLauncher", "Edit Buttons / LEDs");
    case EditorKind::Annunciator:
      return QT_TRANSLATE_NOOP("CEditorLauncher", "Edit Annunciator");
    case EditorKind::GeneralSettings:
      break;
  }
  return QT_TRANSLATE_NOOP("CEditorLauncher", "Edit Panel System PLC Addresses");
}

EditorOutcome CEditorLauncher::Launch(EditorKind kind, TQMProject& project, QWidget* parent) {
  EditorOutcome outcome;
  bool tags = VariantFor(project) == EditorVariant::PlanNRun;
  switch (kind) {
    case EditorKind::Messages: {
      std::unique_ptr<CMessageDlg> dialog;
      if (tags)
        dialog = std::make_unique<CPNRMessageDlg>(project, parent);
      else
        dialog = std::make_unique<CPLCMessageDlg>(project, parent);
      outcome.opened = true;
      outcome.accepted = RunDialog(*dialog) == QDialog::Accepted;
      break;
    }
    case EditorKind::SetPoints: {
      const TQMPanel* panel = project.CurrentPanel();
      if (!panel || panel->panelType != kPanelQMSV) break;
      std::unique_ptr<CSPConfigDlg> dialog;
      if (tags)
        dialog = std::make_unique<CPNRSPConfigDlg>(project, parent);
      else
        dialog = std::make_unique<CPLCSPConfigDlg>(project, parent);
      outcome.opened = true;
      outcome.accepted = RunDialog(*dialog) == QDialog::Accepted;
      break;
    }
    case EditorKind::ButtonsLeds: {
      if (!project.CurrentPanel()) break;
      std::unique_ptr<CLedDlg> dialog;
      if (tags) {
        dialog = std::make_unique<CPNRLedDlg>(project, parent);
      } else {
        dialog = std::make_unique<CPLCLedDlg>(project, parent);
      }
      outcome.opened = true;
      outcome.accepted = RunDialog(*dialog) == QDialog::Accepted;
      break;
    }
    case EditorKind::Annunciator: {
      if (!project.CurrentPanel()) break;
      std::unique_ptr<CAnnunciatorDlg> dialog;
      if (tags) {
        dialog = std::make_unique<CPNRAnnunciatorDlg>(project, parent);
      } else {
        dialog = std::make_unique<CPLCAnnunciatorDlg>(project, parent);
      }
      outcome.opened = true;
      outcome.accepted = RunDialog(*dialog) == QDialog::Accepted;
      break;
    }
    case EditorKind::GeneralSettings: {
      TQMPanel* panel = project.CurrentPanel();
      if (!panel) break;
      std::unique_ptr<CMsgGeneralDlg> dialog;
      if (tags) {
        dialog = std::make_unique<CPNRGeneralDlg>(*panel, parent);
      } else {
        dialog = std::make_unique<CPLCGeneralDlg>(*panel, parent);
      }
      outcome.opened = true;
      outcome.accepted = RunDialog(*dialog) == QDialog::Accepted;
      break;
    }
  }
  return outcome;
}

}  // namespace lumora::gui
