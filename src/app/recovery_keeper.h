#pragma once
// CRecoveryKeeper: keeps one document's recovery copy while it has unsaved changes. The copy is taken a
// few seconds after the last change, so a burst of edits costs one copy; the project's bytes are made on
// the UI thread and written by the store's own thread. A save (or the user's "No" on closing, which marks
// the document as saved) removes the copy; a document that goes away with unsaved changes keeps it.

#include <QObject>
#include <QTimer>

namespace lumora {
class RecoveryStore;
}

namespace lumora::gui {

class CLumoraDoc;

class CRecoveryKeeper : public QObject {
  Q_OBJECT

 public:
  // How long after the last change the copy is taken.
  static constexpr int kDelayMs = 3000;

  CRecoveryKeeper(RecoveryStore& store, CLumoraDoc& doc);
  ~CRecoveryKeeper() override;

  // Takes the copy now (a recovered document, which must not wait for its first change).
  void KeepNow();
  // Whether a copy of the document stands in the recovery folder (or is on its way there).
  bool HasCopy() const { return kept_; }

 private:
  void OnProjectChanged();
  void OnModifiedChanged(bool modified);
  void ReportWriteError();

  RecoveryStore& store_;
  CLumoraDoc& doc_;
  int slot_;
  QTimer timer_;
  qint64 lastChange_ = 0;
  bool kept_ = false;
};

}  // namespace lumora::gui
