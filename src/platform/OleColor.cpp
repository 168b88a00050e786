#include <tarvex/platform/OleColor.h>

#include <QGuiApplication>
#include <QPalette>

#include <array>

namespace Tarvex {
namespace {

struct SystemRole {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

// Indexed by the system colour number; each entry is the palette role that plays the same part in a
// Qt style (the white of an edit field is Base, the grey of a button face is Button, and so on).
constexpr std::array<SystemRole, 31> SystemRoles { {
    { QPalette::Active, QPalette::Button },          // 0 scroll bar
    { QPalette::Active, QPalette::Dark },            // 1 desktop
    { QPalette::Active, QPalette::Highlight },       // 2 active caption
    { QPalette::Inactive, QPalette::Mid },           // 3 inactive caption
    { QPalette::Active, QPalette::Window },          // 4 menu
    { QPalette::Active, QPalette::Base },            // 5 window
    { QPalette::Active, QPalette::Shadow },          // 6 window frame
    { QPalette::Active, QPalette::WindowText },      // 7 menu text
    { QPalette::Active, QPalette::Text },            // 8 window text
    { QPalette::Active, QPalette::HighlightedText }, // 9 caption text
    { QPalette::Active, QPalette::Window },          // 10 active border
    { QPalette::Inactive, QPalette::Window },        // 11 inactive border
    { QPalette::Active, QPalette::Dark },            // 12 application workspace
    { QPalette::Active, QPalette::Highlight },       // 13 highlight
    { QPalette::Active, QPalette::HighlightedText }, // 14 highlight text
    { QPalette::Active, QPalette::Button },          // 15 button face
    { QPalette::Active, QPalette::Dark },            // 16 button shadow
    { QPalette::Disabled, QPalette::Text },          // 17 grey text
    { QPalette::Active, QPalette::ButtonText },      // 18 button text
    { QPalette::Disabled, QPalette::WindowText },    // 19 inactive caption text
    { QPalette::Active, QPalette::Light },           // 20 3D highlight
    { QPalette::Active, QPalette::Shadow },          // 21 3D dark shadow
    { QPalette::Active, QPalette::Midlight },        // 22 3D light
    { QPalette::Active, QPalette::ToolTipText },     // 23 tool tip text
    { QPalette::Active, QPalette::ToolTipBase },     // 24 tool tip background
    { QPalette::Active, QPalette::Window },          // 25 unused by the system; a neutral face
    { QPalette::Active, QPalette::Link },            // 26 hot-tracked item
    { QPalette::Active, QPalette::Highlight },       // 27 active caption gradient
    { QPalette::Inactive, QPalette::Mid },           // 28 inactive caption gradient
    { QPalette::Active, QPalette::Highlight },       // 29 menu highlight
    { QPalette::Active, QPalette::Window },          // 30 menu bar
} };

} // namespace

QColor TranslateOleColor(OleColor Color, const QPalette& Palette)
{
    if ((Color & SystemColorFlag) == 0)
        return QColor(int(Color & 0xFF), int((Color >> 8) & 0xFF), int((Color >> 16) & 0xFF));
    const OleColor index = Color & ~SystemColorFlag;
    if (index >= SystemRoles.size())
        return QColor(Qt::black);
    const SystemRole& entry = SystemRoles[index];
    return Palette.color(entry.Group, entry.Role);
}

QColor TranslateOleColor(OleColor Color)
{
    return TranslateOleColor(Color, QGuiApplication::palette());
}

OleColor ToOleColor(const QColor& Color)
{
    return OleColor(Color.red()) | (OleColor(Color.green()) << 8) | (OleColor(Color.blue()) << 16);
}

} // namespace Tarvex
