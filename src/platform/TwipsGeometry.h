#pragma once

class QWidget;

namespace Tarvex {

// Constituents are placed on their container in twips, the way a form designer stores them;
// the widget underneath keeps whole pixels (the nearest, ties to even).
void MoveInTwips(QWidget& Widget, double Left, double Top, double Width, double Height);
double LeftInTwips(const QWidget& Widget);
double TopInTwips(const QWidget& Widget);
double WidthInTwips(const QWidget& Widget);
double HeightInTwips(const QWidget& Widget);

} // namespace Tarvex
