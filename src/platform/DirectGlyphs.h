#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QString>

#include <optional>

namespace Tarvex {

// A line of digits and the signs between numbers (. , - + / : % and brackets), such as an amount, a
// date or a document number, placed straight from the font's glyph table: shaping places these one
// glyph for one character, each the same width wherever it stands, in the fonts it is used with,
// and looking them up costs a fraction of shaping. Each font is checked once against shaping, every
// pair of those characters; a font where shaping places any of them otherwise (a kerning pair, a
// ligature) is left to shaping, as is any text with another character.
struct DirectShape {
    QGlyphRun Run; // positioned from the line's top left corner, as shaping positions it
    int Width { 0 }; // the line's width, rounded as shaping's
};

std::optional<DirectShape> ShapeDirectly(const QString& Text, const QFont& Font);

} // namespace Tarvex
