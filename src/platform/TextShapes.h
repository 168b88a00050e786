#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QString>
#include <QTextLayout>

namespace Tarvex {

// The glyphs of a line as shaping placed them, and its width: shaping is most of what text costs.
struct Glyphs {
    QList<QGlyphRun> Runs; // positioned from the line's top left corner
    int Width { 0 };
};

// The line as Qt shapes it in the font. Shapes are kept by font and text, so a screen painted again,
// as a grid is after every change, draws its texts without shaping them anew; what is kept is held
// to ShapesKeptBytes and given up whenever the fonts on the system change. The shape returned is a
// shallow copy of the kept one, so it outlives its eviction while the line is drawn.
Glyphs ShapeOf(const QString& Text, const QFont& Font);

// How many bytes the kept shapes of the calling thread take, and at most may take.
qsizetype ShapesKeptBytes();
constexpr qsizetype ShapesKeptLimit = 4 * 1024 * 1024;

// The font's hash, for keys of what is kept by font: fonts change rarely between texts, so the hash
// of the last font is kept at hand.
size_t HashOf(const QFont& Font);

// Whether what was kept for fonts is out of date since the caller's Generation, which it updates:
// the fonts on the system changed in between (an application font added or removed).
bool FontsChangedSince(int& Generation);

// Lays the layout's text out as one line, kept with the glyphs shaped for it so that asking for its
// glyph runs does not shape it again.
QTextLine UnbrokenLine(QTextLayout& Layout);

} // namespace Tarvex
