#pragma once

#include <QString>

class QFont;

namespace Tarvex {

// The longest start of Line that fits in Width pixels with "..." behind it, followed by "...";
// "..." alone where not even one character fits. Cuts are kept by font, text and width, as a grid
// cuts the same cells on every paint.
QString ElidedLine(const QString& Line, const QFont& Font, int Width);

} // namespace Tarvex
