#pragma once
// Our own drawings of the panels, the multiplexer and the welcome picture.

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace lumora::gui {

// A front view of a unit type (1..5 panels, 6 multiplexer, upright when taller than wide); an empty bezel
// for other types.
QPixmap UnitPicture(int unitType, QSize size);
// The welcome screen's picture: a panel beside a PLC, joined by a cable.
QPixmap WelcomePicture(QSize size);
// The product logo.
QPixmap LogoPicture(QSize size);
// The PLC of the multiplexer diagram.
QPixmap PlcPicture(QSize size);

// The small picture buttons on the panel image: messages, buttons/LEDs, annunciator.
enum class Launcher { Messages, ButtonsLeds, Annunciator };
QIcon LauncherIcon(Launcher launcher, QSize size);

}  // namespace lumora::gui
