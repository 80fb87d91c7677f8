#include "app/recovery_keeper.h"

#include <QDateTime>

#include "app/gui_interaction.h"
#include "app/lumora_doc.h"
#include "model/project_file.h"
#include "model/recovery_store.h"

namespace lumora::gui {
namespace {

// A disk that takes no copy is said once per run, not every few seconds.
bool gWriteErrorShown = false;

}  // namespace

CRecoveryKeeper::CRecoveryKeeper(RecoveryStore& store, CLumoraDoc& doc)
    : store_(store), doc_(doc), slot_(store.NewSlot()) {
  timer_.setSingleShot(true);
  timer_.setInterval(kDelayMs);
  connect(&timer_, &QTimer::timeout, this, &CRecoveryKeeper::KeepNow);
  connect(&doc_, &CLumoraDoc::projectChanged, this, &CRecoveryKeeper::OnProjectChanged);
  connect(&doc_, &CLumoraDoc::modifiedChanged, this, &CRecoveryKeeper::OnModifiedChanged);
  connect(&doc_, &CLumoraDoc::titleChanged, this, &CRecoveryKeeper::OnProjectChanged);
}

CRecoveryKeeper::~CRecoveryKeeper() {
  // Going away unsaved without the user's word (the program is told to quit): the latest state stays.
  if (doc_.IsModified() && (timer_.isActive() || !kept_)) KeepNow();
}

void CRecoveryKeeper::OnProjectChanged() {
  lastChange_ = QDateTime::currentSecsSinceEpoch();
  if (doc_.IsModified()) timer_.start();
}

void CRecoveryKeeper::OnModifiedChanged(bool modified) {
  if (modified) {
    if (!lastChange_) lastChange_ = QDateTime::currentSecsSinceEpoch();
    timer_.start();
    return;
  }
  timer_.stop();
  if (kept_) store_.Remove(slot_);
  kept_ = false;
}

void CRecoveryKeeper::KeepNow() {
  timer_.stop();
  if (!doc_.IsModified()) return;
  if (!lastChange_) lastChange_ = QDateTime::currentSecsSinceEpoch();
  store_.Keep(slot_, ToPath(doc_.PathName()), lastChange_, ProjectFileText(doc_.Project()));
  kept_ = true;
  ReportWriteError();
}

void CRecoveryKeeper::ReportWriteError() {
  std::string error = store_.TakeWriteError();
  if (error.empty() || gWriteErrorShown) return;
  gWriteErrorShown = true;
  ShowMessageBox(nullptr,
                 tr("The recovery copy of %1 could not be written; until it can, a crash loses the "
                    "unsaved changes.\n%2")
                     .arg(doc_.Title(), FromPath(error)),
                 "", MessageIcon::Exclamation);
}

}  // namespace lumora::gui
