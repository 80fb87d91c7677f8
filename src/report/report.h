#pragma once
// TQMReport: the project documentation printed on a paint device. Created when a print job begins and
// deleted when it ends; pages can be printed in any order (preview, page ranges).

#include <QString>

#include "report/report_layout.h"

class QPainter;
class QPaintDevice;

namespace lumora {

class TQMProject;

class TQMReport {
 public:
  // `project` and `device` must outlive the report.
  TQMReport(const TQMProject& project, const QString& documentPath, const QPaintDevice& device, bool landscape,
            bool colour);
  virtual ~TQMReport();

  int PageCount() { return layout_.PageCount(); }
  void PrintPage(QPainter& painter, int page);
  ReportLayout& Layout() { return layout_; }

 private:
  const QPaintDevice& device_;
  ReportLayout layout_;
};

}  // namespace lumora
