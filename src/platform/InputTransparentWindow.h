#pragma once

class QWidget;

namespace Tarvex {

// Shows a window made with Qt::WindowTransparentForInput where it stands, without its taking the
// pointer from the window under it: no leave for that window, no enter for this one.
void ShowTransparentForInput(QWidget& Window);

} // namespace Tarvex
