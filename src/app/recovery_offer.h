#pragma once
// What a start does with the recovery copies that programs which ended without saving left behind: copies
// that cannot be read are set aside and reported; a copy of the project named by --open that is newer than
// its file is offered first; the rest are listed in the recovery dialog.

#include <QString>

namespace lumora::gui {

class CLumoraApp;

// True when `openPath` was opened from its recovery copy, so that the caller does not open the file too.
bool OfferRecoveryAtStart(CLumoraApp& app, const QString& openPath);

}  // namespace lumora::gui
