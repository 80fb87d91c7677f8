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

TEST(EditorLauncherTest, WhichEditorsMarkTheDocumentModified) {
  EditorOutcome cancelledButTouched{true, false, true};
  EditorOutcome okUntouched{true, true, false};
  // Buttons/LEDs and the annunciator count OK, whatever the project says.
  EXPECT_TRUE(MarksDocumentModified(EditorKind::ButtonsLeds, okUntouched));
  EXPECT_FALSE(MarksDocumentModified(EditorKind::Annunciator, cancelledButTouched));
  // The others go by the project's own flag.
  for (EditorKind kind : {EditorKind::Messages, EditorKind::SetPoints, EditorKind::GeneralSettings}) {
    EXPECT_TRUE(MarksDocumentModified(kind, cancelledButTouched));
    EXPECT_FALSE(MarksDocumentModified(kind, okUntouched));
  }
  // An editor that did not open changes nothing.
  EXPECT_FALSE(MarksDocumentModified(EditorKind::ButtonsLeds, EditorOutcome{false, true, true}));
}

}  // namespace
}  // namespace lumora::gui
