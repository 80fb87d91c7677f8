#include "sample_plc.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace sample_plc {
namespace {

std::atomic<int> gApplicationType{2};

void CopyText(char* target, const char* text) {
  std::snprintf(target, LUMORA_PLC_TEXT_SIZE, "%s", text);
}

}  // namespace

void FillDetails(LumoraPlcDetails* details, const char* name, const char* driver, int manufacturerId,
                 int modelId, const char* helpFile, int helpTopic, int addressSize) {
  std::memset(details, 0, sizeof *details);
  CopyText(details->plcName, name);
  CopyText(details->driverName, driver);
  details->manufacturerId = static_cast<unsigned char>(manufacturerId);
  details->modelId = static_cast<unsigned char>(modelId);
  CopyText(details->texts[3], helpFile);
  details->integers[0] = helpTopic;
  details->integers[kAddressSizeSlot] = addressSize;
}

std::vector<uint8_t> MakeAttributeBlock(int manufacturerId, int modelId,
                                        const std::vector<uint8_t>& settings) {
  std::vector<uint8_t> block(32, 0);
  block[0] = static_cast<uint8_t>(manufacturerId);
  block[1] = static_cast<uint8_t>(modelId);
  size_t length = settings.size() + 2;
  block.push_back(static_cast<uint8_t>(length & 0xFF));
  block.push_back(static_cast<uint8_t>(length >> 8));
  block.insert(block.end(), settings.begin(), settings.end());
  return block;
}

bool WriteBlock(const char* path, const std::vector<uint8_t>& block) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(block.size()));
  return static_cast<bool>(out);
}

unsigned char WriteDefaultBlock(const char* path, int manufacturerId, int modelId,
                                const std::vector<uint8_t>& settings) {
  return WriteBlock(path, MakeAttributeBlock(manufacturerId, modelId, settings)) ? 1 : 0;
}

AttributeField BaudRateField(int offset) {
  return {"Baud rate", offset, 0, 4, {"1200", "2400", "4800", "9600", "19200"}};
}
AttributeField ParityField(int offset) {
  return {"Parity", offset, 0, 2, {"None", "Odd", "Even"}};
}

bool ReadBlock(const char* path, std::vector<uint8_t>& block) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  block.assign(std::istreambuf_iterator<char>(in), {});
  return true;
}

bool EditAttributes(const char* path, const char* title, const std::vector<AttributeField>& fields) {
  std::vector<uint8_t> block;
  if (!ReadBlock(path, block)) return false;
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return true;  // no GUI: accept as it is

  QDialog dialog(QApplication::activeWindow());
  dialog.setObjectName("plcAttributeDialog");
  dialog.setWindowTitle(QString::fromLatin1(title) +
                        (ApplicationType() == 1 ? QStringLiteral(" (Multiplexer)") : QString()));
  auto* layout = new QFormLayout(&dialog);
  std::vector<QWidget*> editors;
  for (const AttributeField& field : fields) {
    size_t at = 34 + static_cast<size_t>(field.offset);
    int value = at < block.size() ? block[at] : field.minimum;
    if (!field.choices.empty()) {
      auto* combo = new QComboBox(&dialog);
      for (const std::string& choice : field.choices)
        combo->addItem(QString::fromStdString(choice));
      combo->setCurrentIndex(std::min(value, static_cast<int>(field.choices.size()) - 1));
      layout->addRow(QString::fromLatin1(field.label), combo);
      editors.push_back(combo);
    } else {
      auto* spin = new QSpinBox(&dialog);
      spin->setRange(field.minimum, field.maximum);
      spin->setValue(value);
      layout->addRow(QString::fromLatin1(field.label), spin);
      editors.push_back(spin);
    }
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return false;

  for (size_t i = 0; i < fields.size(); ++i) {
    size_t at = 34 + static_cast<size_t>(fields[i].offset);
    if (at >= block.size()) block.resize(at + 1, 0);
    int value = fields[i].choices.empty() ? static_cast<QSpinBox*>(editors[i])->value()
                                          : static_cast<QComboBox*>(editors[i])->currentIndex();
    block[at] = static_cast<uint8_t>(value);
  }
  return WriteBlock(path, block);
}

void SetReason(LumoraPlcAddress* address, const std::string& reason) {
  std::snprintf(address->reason, sizeof address->reason, "%s", reason.c_str());
}

int ApplicationType() {
  return gApplicationType.load();
}
void StoreApplicationType(int type) {
  gApplicationType.store(type);
}

}  // namespace sample_plc
