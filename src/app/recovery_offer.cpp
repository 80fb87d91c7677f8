#include "app/recovery_offer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

#include "app/gui_interaction.h"
#include "app/lumora_app.h"
#include "app/main_frame.h"
#include "app/modal_run.h"
#include "app/recovery_dlg.h"
#include "model/file_io.h"
#include "model/recovery_store.h"

namespace lumora::gui {
namespace {

QString CopyName(const RecoveryCopy& copy) {
  return copy.projectPath.empty() ? FromPath(copy.file) : FromPath(copy.projectPath);
}

// A copy that cannot be used is moved where no start offers it again, and the user is told where.
void SetAside(RecoveryStore& store, const RecoveryCopy& copy, const QString& reason) {
  std::string where;
  std::string error;
  QString text;
  if (store.SetAside(copy, &where, &error)) {
    text = QCoreApplication::translate("RecoveryOffer",
                                       "The recovery copy of %1 could not be read (%2). It was kept as\n%3")
               .arg(CopyName(copy), reason, FromPath(where));
  } else {
    text = QCoreApplication::translate(
               "RecoveryOffer", "The recovery copy of %1 could not be read (%2) and stays where it is.\n%3")
               .arg(CopyName(copy), reason, FromPath(error));
  }
  ShowMessageBox(nullptr, text, "", MessageIcon::Exclamation);
}

bool Recover(CLumoraApp& app, const RecoveryCopy& copy) {
  RecoveryStore& store = app.Recovery();
  std::string project;
  std::string error;
  if (!RecoveryStore::ReadProject(copy, project, &error)) {
    SetAside(store, copy, FromPath(error));
    return true;
  }
  CMainFrame* frame = app.MainFrame();
  if (!frame) return false;
  QString path = FromPath(copy.projectPath);
  if (!path.isEmpty() && frame->DocumentOf(path)) {
    ShowMessageBox(nullptr,
                   QCoreApplication::translate("RecoveryOffer",
                                               "%1 is open already: close it first to recover its copy.")
                       .arg(path),
                   "", MessageIcon::Exclamation);
    return false;
  }
  if (!frame->RecoverDocument(project, path)) {
    SetAside(store, copy, QCoreApplication::translate("RecoveryOffer", "not a project"));
    return true;
  }
  // The recovered project's own copy must be on disk before the old one goes.
  store.Flush();
  if (std::string failed = store.TakeWriteError(); !failed.empty()) {
    ShowMessageBox(
        nullptr,
        QCoreApplication::translate("RecoveryOffer",
                                    "The recovered project's new recovery copy could not be written; "
                                    "the old copy is kept.\n%1")
            .arg(FromPath(failed)),
        "", MessageIcon::Exclamation);
    return true;
  }
  if (!store.Discard(copy, &error)) ShowMessageBox(nullptr, FromPath(error), "", MessageIcon::Exclamation);
  return true;
}

bool Discard(CLumoraApp& app, const RecoveryCopy& copy) {
  std::string error;
  if (app.Recovery().Discard(copy, &error)) return true;
  ShowMessageBox(nullptr, FromPath(error), "", MessageIcon::Exclamation);
  return false;
}

}  // namespace

bool OfferRecoveryAtStart(CLumoraApp& app, const QString& openPath) {
  RecoveryStore& store = app.Recovery();
  std::vector<RecoveryCopy> usable;
  for (RecoveryCopy& copy : store.ClaimAbandoned()) {
    if (copy.problem.empty()) {
      usable.push_back(std::move(copy));
    } else {
      SetAside(store, copy, FromPath(copy.problem));
    }
  }
  bool openedFromCopy = false;
  if (!openPath.isEmpty()) {
    for (auto it = usable.begin(); it != usable.end(); ++it) {
      if (!SameFile(it->projectPath, ToPath(openPath)) || !IsNewerThanItsFile(*it)) continue;
      QString when = QDateTime::fromSecsSinceEpoch(it->changed).toString("yyyy-MM-dd HH:mm:ss");
      Answer answer =
          ShowMessageBox(nullptr,
                         QCoreApplication::translate(
                             "RecoveryOffer",
                             "%1 has unsaved changes from %2 that a recovery copy kept. Recover them?\n\n"
                             "No opens the file as it was saved and keeps the copy for later.")
                             .arg(openPath, when),
                         "", MessageIcon::Question, MessageButtons::YesNo, Answer::Yes);
      if (answer == Answer::Yes && Recover(app, *it)) {
        openedFromCopy = app.MainFrame() && app.MainFrame()->DocumentOf(openPath);
        usable.erase(it);
      }
      break;
    }
  }
  if (!usable.empty() && app.MainFrame()) {
    CRecoveryDlg dialog(
        std::move(usable), [&app](const RecoveryCopy& copy) { return Recover(app, copy); },
        [&app](const RecoveryCopy& copy) { return Discard(app, copy); }, app.MainFrame());
    ExecModal(dialog);
  }
  store.EndClaims();
  return openedFromCopy;
}

}  // namespace lumora::gui
