#pragma once

#include <QColor>
#include <QtGlobal>

class QPalette;

namespace Tarvex {

// A colour as the components store it: &H00BBGGRR for a plain colour, or &H80000000 plus a system
// colour index. Stored fields and properties keep this form; it becomes a QColor only for drawing.
using OleColor = quint32;

constexpr OleColor SystemColorFlag = 0x80000000u;

// The system colour indices the components use by name.
namespace SystemColor {
constexpr OleColor ApplicationWorkspace = SystemColorFlag | 12;
constexpr OleColor ButtonFace = SystemColorFlag | 15;
constexpr OleColor ButtonShadow = SystemColorFlag | 16;
constexpr OleColor ButtonText = SystemColorFlag | 18;
constexpr OleColor Window = SystemColorFlag | 5;
constexpr OleColor WindowText = SystemColorFlag | 8;
constexpr OleColor Highlight = SystemColorFlag | 13;
constexpr OleColor HighlightText = SystemColorFlag | 14;
} // namespace SystemColor

// System colours come from the given palette's roles; an index the platform does not know gives black.
QColor TranslateOleColor(OleColor Color, const QPalette& Palette);
// The same against the application's palette.
QColor TranslateOleColor(OleColor Color);

// The plain OLE colour of a QColor (alpha dropped).
OleColor ToOleColor(const QColor& Color);

} // namespace Tarvex
