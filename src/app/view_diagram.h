#pragma once
// What the main view paints under its controls: the multiplexer's connectors to the port labels and the
// PLC, the red frame of the configuration steps and the arrows from step 3 to the editors it offers.

class QWidget;

namespace Ui {
class LumoraView;
class MultiplexerGroup;
}

namespace lumora::gui {

// Paints on `view`, whose form `ui` is; call it from the view's paint event.
void PaintViewDiagram(QWidget& view, const Ui::LumoraView& ui, const Ui::MultiplexerGroup& mux, bool multiPanel);

}  // namespace lumora::gui
