#include "editors/editor_launcher.h"

#include <gtest/gtest.h>

#include <string>

#include "model/project.h"

namespace lumora::gui {
namespace {

TEST(EditorLauncherTest, TheTagModeChoosesThePlanAndRunVariantOfEveryEditor) {
  TQMProject project;
  EXPECT_EQ(VariantFor(project), EditorVariant::Plc);
  project.tagMapLinked = true;
  EXPECT_EQ(VariantFor(project), EditorVariant::PlanNRun);
  for (EditorKind kind : {EditorKind::Messages, EditorKind::SetPoints, EditorKind::ButtonsLeds,
                          EditorKind::Annunciator, EditorKind::GeneralSettings}) {
    std::string plc = EditorClassName(kind, EditorVariant::Plc);
    std::string tags = EditorClassName(kind, EditorVariant::PlanNRun);
    EXPECT_EQ(plc.substr(0, 4), "CPLC");
    EXPECT_EQ(tags.substr(0, 4), "CPNR");
    EXPECT_EQ(plc.substr(4), tags.substr(4));
  }
  EXPECT_STREQ(EditorClassName(EditorKind::SetPoints, EditorVariant::PlanNRun), "CPNRSPConfigDlg");
}

}  // namespace
}  // namespace lumora::gui
