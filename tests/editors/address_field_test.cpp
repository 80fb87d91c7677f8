#include "editors/address_field.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "editors/plannrun_combo.h"
#include "model/project.h"

namespace lumora::gui {
namespace {

TagMapTable PlantMap() {
  TagMapTable table;
  table.entries["TANK"] = "V2000";
  table.entries["PUMP"] = "V2001";
  return table;
}

TEST(AddressFieldTest, TypedAddressesHaveAnEmptyTagName) {
  QWidget parent;
  std::unique_ptr<CAddressField> field = CAddressField::CreateTyped(&parent);
  field->SetReference("ignored", "V2000");
  EXPECT_EQ(qobject_cast<QLineEdit*>(field->Widget())->text(), QString("V2000"));
  EXPECT_EQ(field->Reference(), "\tV2000");
  EXPECT_EQ(field->Kind(), AddressKind::Typed);
}

TEST(AddressFieldTest, TagPickerOffersTheMapsNamesAfterAnEmptyEntry) {
  QWidget parent;
  TagMapTable map = PlantMap();
  std::unique_ptr<CAddressField> field = CAddressField::CreateTagPicker(map, &parent);
  auto* combo = qobject_cast<CPlannRunCombo*>(field->Widget());
  ASSERT_NE(combo, nullptr);
  ASSERT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->itemText(0), QString());
  EXPECT_EQ(combo->itemText(1), QString("PUMP"));  // key order
  field->SetReference("TANK", "whatever the tag held");
  EXPECT_EQ(field->Reference(), "TANK\tV2000");
  combo->setCurrentIndex(1);  // chosen by the user
  EXPECT_EQ(field->Reference(), "PUMP\tV2001");
  // A name the map does not know selects nothing.
  EXPECT_FALSE(combo->SelectByText("VALVE"));
  EXPECT_EQ(field->Reference(), "\t");
}

TEST(AddressFieldTest, TheProjectsTagModeChoosesTheVariant) {
  TQMProject project;
  QWidget parent;
  EXPECT_NE(qobject_cast<QLineEdit*>(CAddressField::Create(project, kPanelQM210, &parent)->Widget()), nullptr);
  project.tagMapLinked = true;
  project.textPanelTagMap = PlantMap();
  auto field = CAddressField::Create(project, kPanelQM210, &parent);
  auto* combo = qobject_cast<QComboBox*>(field->Widget());
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->count(), 3);
  // The set-point panel has its own table.
  EXPECT_EQ(qobject_cast<QComboBox*>(CAddressField::Create(project, kPanelQMSV, &parent)->Widget())->count(), 1);

  std::string tag, address;
  SplitReference("TANK\tV2000", tag, address);
  EXPECT_EQ(tag, "TANK");
  EXPECT_EQ(address, "V2000");
  SplitReference("V7", tag, address);
  EXPECT_EQ(tag, "");
  EXPECT_EQ(address, "V7");
}

}  // namespace
}  // namespace lumora::gui
