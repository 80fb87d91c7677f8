#pragma once
// The address field of an editor: a typed PLC address, or a tag name picked from the project's tag map.
// Both produce the address-entry form "tag\taddress" that the PLC library validates (the typed variant
// with an empty tag name) and take one back to show it.

#include <QWidget>
#include <memory>
#include <string>

#include "model/address_check.h"

class QLineEdit;

namespace lumora {
class TQMProject;
struct TagMapTable;
}

namespace lumora::gui {

class CPlannRunCombo;

class CAddressField {
 public:
  virtual ~CAddressField() = default;
  // "tag\taddress" of what the field holds now.
  virtual std::string Reference() const = 0;
  // Shows a stored tag: its name (tag mode) or its address text.
  virtual void SetReference(const std::string& tagName, const std::string& address) = 0;
  virtual QWidget* Widget() const = 0;
  // How the field names its address; a tag name is handed to the library's validation as it stands.
  virtual lumora::AddressKind Kind() const = 0;

  // A line edit for typed addresses, or a CPlannRunCombo filled from `table` in tag mode.
  static std::unique_ptr<CAddressField> CreateTyped(QWidget* parent);
  static std::unique_ptr<CAddressField> CreateTagPicker(const TagMapTable& table, QWidget* parent);
  // The variant the project's tag mode asks for; the map table is the one for `panelType`.
  static std::unique_ptr<CAddressField> Create(const TQMProject& project, int panelType, QWidget* parent);
};

// Splits "tag\taddress" (no tab: all of it is the address).
void SplitReference(const std::string& reference, std::string& tagName, std::string& address);

}  // namespace lumora::gui
