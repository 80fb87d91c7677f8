#pragma once
// The printed address database of one panel: the project's name and PLC, the panel's system addresses,
// then the six-column table of every address its messages use, over as many pages as it needs.

#include <string>
#include <utility>
#include <vector>

#include "model/address_list.h"
#include "report/report_page.h"

namespace lumora {

class TQMPanel;
class TQMProject;

class AddressListLayout {
 public:
  static constexpr int kMargin = 10;
  static constexpr int kRowHeight = 20;
  static constexpr int kLineHeight = 30;

  AddressListLayout(const TQMProject& project, const TQMPanel& panel, const ReportDevice& device,
                    TextMeasure measure);

  int PageCount() const { return static_cast<int>(pages_.size()); }
  ReportPage Page(int number) const;
  // The heading block and system addresses as printed: label and value.
  const std::vector<std::pair<std::string, std::string>>& HeadingLines() const { return heading_; }

 private:
  struct PageRows {
    int tableTop;
    size_t first;
    size_t end;
  };
  void AddTable(ReportPage& page, const PageRows& rows) const;

  std::vector<std::pair<std::string, std::string>> heading_;
  std::vector<AddressRow> rows_;
  std::vector<PageRows> pages_;
  TextMeasure measure_;
  int width_;
  int height_;
};

}  // namespace lumora
