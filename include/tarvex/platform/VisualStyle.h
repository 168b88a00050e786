#pragma once

#include <tarvex/platform/Rect.h>

#include <QString>

#include <optional>

namespace Tarvex {

class Canvas;

// Themed drawing, answered from the application's QStyle. The theme classes and the part and state
// numbers are the platform's:
//   "Button": part 1 push button, states 1 normal, 2 hot, 3 pressed, 4 disabled, 5 default;
//             part 3 check box, states 1..4 unchecked normal/hot/pressed/disabled, 5..8 the same
//             checked (0 counts as unchecked normal);
//   "Header": part 1 item, states 1 normal, 2 hot, 3 pressed;
//   "ExplorerBar": opens (it names the scheme) but has no part drawn here.
// Whatever the style cannot draw reports false, so callers run their classic drawing instead.
class VisualStyle {
public:
    // Whether the application is drawn with a style at all.
    static bool AppThemed();
    // Whether theme data of the class can be had (the platform's "open theme data" succeeding).
    static bool HasThemeData(const QString& ClassName);
    // Draws part and state of the class into the rectangle, clipped to it; true when drawn.
    static bool DrawThemeBackground(Canvas& Drawing, const QString& ClassName, int Part, int State,
                                    const Rect& Bounds);
    // The colour-scheme name of the current style, or "" when there is no themed drawing.
    static QString CurrentSchemeName();

    // Replaces the answers while it lives, for tests: themed drawing off, or a scheme name of choice.
    class Override {
    public:
        explicit Override(bool Themed, const QString& SchemeName = QString());
        ~Override();
        Override(const Override&) = delete;
        Override& operator=(const Override&) = delete;

    private:
        std::optional<bool> m_PreviousThemed;       // what was in force before this one
        std::optional<QString> m_PreviousSchemeName;
    };
};

} // namespace Tarvex
