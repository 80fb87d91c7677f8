#include "report/address_list_layout.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

#include "model/project.h"
#include "report/latin1.h"

namespace lumora {
namespace {

constexpr ReportFont kBody{9, false, false};
constexpr ReportFont kBodyBold{9, true, false};
// Shares of the table's width in percent.
constexpr int kShares[6] = {8, 22, 20, 20, 15, 15};

ReportItem TextItem(int left, int top, int right, int bottom, std::string text, ReportFont font,
                    bool centred = false) {
  ReportItem item;
  item.left = left;
  item.top = top;
  item.right = right;
  item.bottom = bottom;
  item.text = std::move(text);
  item.font = font;
  item.centred = centred;
  return item;
}

// A fixed text of the list (marked in the context "AddressListLayout") in the user's language, Latin-1 as
// the pages hold their texts.
std::string Tr(const char* text) {
  return ToLatin1(QCoreApplication::translate("AddressListLayout", text));
}

ReportItem Box(ReportItem::Kind kind, int left, int top, int right, int bottom) {
  ReportItem item;
  item.kind = kind;
  item.left = left;
  item.top = top;
  item.right = right;
  item.bottom = bottom;
  return item;
}

}  // namespace

AddressListLayout::AddressListLayout(const TQMProject& project, const TQMPanel& panel,
                                     const ReportDevice& device, TextMeasure measure)
    : rows_(ListMessageAddresses(panel)),
      measure_(std::move(measure)),
      width_(MillimetresToUnits(device.widthMm)),
      height_(MillimetresToUnits(device.heightMm) - 20) {
  heading_.emplace_back(Tr(QT_TRANSLATE_NOOP("AddressListLayout", "Project Name : ")), project.fileName);
  heading_.emplace_back(Tr(QT_TRANSLATE_NOOP("AddressListLayout", "Project PLC(s)/Controller(s) : ")),
                        project.plcSettings.plcName);
  for (int n = 1; n <= panel.LineCount() && n <= 4; ++n) {
    heading_.emplace_back(ToLatin1(QCoreApplication::translate("AddressListLayout", "Line %1 :").arg(n)),
                          panel.lineRegisters[static_cast<size_t>(n - 1)].address);
  }
  if (panel.UsesButtons()) {
    heading_.emplace_back(Tr(QT_TRANSLATE_NOOP("AddressListLayout", "Bit Write(Button's) :")),
                          panel.buttonLeds.buttonWord.address);
    heading_.emplace_back(Tr(QT_TRANSLATE_NOOP("AddressListLayout", "Bit Read(LED's) :")),
                          panel.buttonLeds.ledWord.address);
  }
  if (panel.IsKeypadPanel()) {
    heading_.emplace_back(Tr(QT_TRANSLATE_NOOP("AddressListLayout", "Bit Read (Annunciator Lights) :")),
                          panel.annunciatorWord.address);
    heading_.emplace_back(Tr(QT_TRANSLATE_NOOP("AddressListLayout", "PLC Register :")),
                          panel.passwordRegister.address);
    heading_.emplace_back(Tr(QT_TRANSLATE_NOOP("AddressListLayout", "Local Password :")),
                          std::to_string(panel.localPassword));
  }

  // The table follows the heading block after one free line; later pages start it at the top. Rows stay
  // clear of the page number's band.
  int firstTop = kMargin + 30 + static_cast<int>(heading_.size() + 1) * kLineHeight;
  int bottom = height_ - kMargin - 20;
  size_t next = 0;
  int top = firstTop;
  do {
    int capacity = std::max(1, (bottom - top - kRowHeight) / kRowHeight);
    size_t end = std::min(rows_.size(), next + static_cast<size_t>(capacity));
    pages_.push_back({top, next, end});
    next = end;
    top = kMargin + 30;
  } while (next < rows_.size());
}

ReportPage AddressListLayout::Page(int number) const {
  ReportPage page;
  page.number = number;
  if (number >= 1 && number <= PageCount()) {
    if (number == 1) {
      int y = kMargin + 30;
      for (const auto& [label, value] : heading_) {
        page.items.push_back(TextItem(kMargin + 30, y, kMargin + 300, y + kLineHeight, label, kBody));
        page.items.push_back(TextItem(kMargin + 300, y, width_ - kMargin, y + kLineHeight, value, kBody));
        page.items.back().fileName = &value == &heading_.front().second;
        y += kLineHeight;
      }
    }
    AddTable(page, pages_[static_cast<size_t>(number - 1)]);
  }
  page.items.push_back(Box(ReportItem::Kind::Frame, kMargin, kMargin, width_ - kMargin, height_ - kMargin));
  char text[16];
  std::snprintf(text, sizeof text, "%d", number);
  page.items.push_back(
      TextItem(kMargin, height_ - kMargin - 20, width_ - kMargin, height_ - kMargin, text, kBody, true));
  return page;
}

void AddressListLayout::AddTable(ReportPage& page, const PageRows& rows) const {
  const int left = kMargin + 30;
  const int right = width_ - kMargin - 30;
  std::vector<int> edges{left};
  for (int share : kShares)
    edges.push_back(edges.back() + (right - left) * share / 100);
  int y = rows.tableTop;
  page.items.push_back(Box(ReportItem::Kind::Shade, left, y, edges.back(), y + kRowHeight));
  for (size_t c = 0; c < kAddressListColumns.size(); ++c)
    page.items.push_back(TextItem(edges[c] + 3, y, edges[c + 1], y + kRowHeight,
                                  ToLatin1(CoreText(kAddressListColumns[c])), kBodyBold));
  y += kRowHeight;
  page.items.push_back(Box(ReportItem::Kind::Line, left, y, edges.back(), y));
  for (size_t i = rows.first; i < rows.end; ++i) {
    const AddressRow& row = rows_[i];
    if (row.item % 2 == 0) page.items.push_back(Box(ReportItem::Kind::Shade, left, y, edges.back(), y + kRowHeight));
    const std::string cells[6] = {std::to_string(row.item),
                                  row.address,
                                  ToLatin1(CoreText(row.usedIn.c_str())),
                                  ToLatin1(CoreText(row.function.c_str())),
                                  row.access,
                                  ToLatin1(CoreText(row.password.c_str()))};
    for (size_t c = 0; c < 6; ++c)
      page.items.push_back(TextItem(edges[c] + 3, y, edges[c + 1], y + kRowHeight, cells[c], kBody));
    y += kRowHeight;
  }
  page.items.push_back(Box(ReportItem::Kind::Frame, left, rows.tableTop, edges.back(), y));
  for (size_t c = 1; c + 1 < edges.size(); ++c)
    page.items.push_back(Box(ReportItem::Kind::Line, edges[c], rows.tableTop, edges[c], y));
}

}  // namespace lumora
