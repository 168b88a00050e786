#pragma once

#include <QString>
#include <QtGlobal>

class QPalette;

namespace Tarvex {

// Every colour the grid paints with. OLE colours: &H80000000 + n a system colour, translated at
// paint time; anything else &H00BBGGRR.
struct GridColorSet {
    qint32 m_BackColor { qint32(0x80000005) };         // cell background
    qint32 m_BackColorBkg { qint32(0x8000000C) };      // area outside the cells
    qint32 m_BackColorEdit { qint32(0x80000018) };     // in-place editor background
    qint32 m_BackColorSel { qint32(0x8000000D) };      // selected cell or row background
    qint32 m_ForeColor { qint32(0x80000008) };         // cell text
    qint32 m_ForeColorEdit { qint32(0x80000017) };     // in-place editor text
    qint32 m_ForeColorHdr { qint32(0x80000008) };      // caption and header text
    qint32 m_ForeColorSel { qint32(0x8000000E) };      // selected cell text
    qint32 m_BackColorEvenRows { 0xEDEBE0 };           // even rows, when their own colour is enabled
    qint32 m_FocusRectColor { 0xFFFF };                // focus rectangle
    qint32 m_GridColor { 0xC0C0C0 };                   // grid lines
    qint32 m_ProgressBarColor { 0x8080FF };            // progress bars of column type 4
    qint32 m_CustomColorFrom { 0x404080 };             // header gradient, light end
    qint32 m_CustomColorTo { 0xC0E0FF };               // header gradient, dark end
};

// ThemeColor values beyond the five fixed schemes.
inline constexpr int ThemeColorCustom = 5;
inline constexpr int ThemeColorSystem = 6;

// Fills the gradient pair and the scheme's part of the set for schemes 0..4; any other value changes
// nothing. With a row highlight style the selection text keeps the window text colour.
void ComputeThemeColors(GridColorSet& Colors, int Scheme, int FocusRowHighlightStyle, const QPalette& Palette);

// The colour-scheme name of the current visual style, or "Classic" without one.
QString GetVisualStyleName();
// The scheme that matches a visual style: 1 "Metallic", 2 "HomeStead", else 0; 5 (keep the colours)
// when the application is not themed.
int SchemeForVisualStyle(bool Themed, const QString& ThemeName);

} // namespace Tarvex
