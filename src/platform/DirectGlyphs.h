#pragma once

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QTextLayout>
#include <QGlyphRun>
#include <QString>

#include <memory>
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

// A line of Latin letters with the digits, signs and blanks between them, such as a customer's name
// or a document number, placed from the advances of its pairs as shaping places each pair, where the
// font's tables make a line no more than its pairs.
std::optional<DirectShape> PlaceLetters(const QString& Text, const QFont& Font);

// The glyph runs shaping gives a line, from its top left corner, and the line's natural width.
QList<QGlyphRun> ShapedRuns(const QString& Text, const QFont& Font, qreal& Width);

// Lays the layout's text out as one line, kept with the glyphs shaped for it so that asking for its
// glyph runs does not shape it again.
QTextLine UnbrokenLine(QTextLayout& Layout);

// What every glyph run of a font's table shares: the font, the flags, the baseline and the line's
// extent above and below it.
struct RunFace {
    QRawFont Font;
    QGlyphRun::GlyphRunFlags Flags;
    qreal Baseline { 0 };
    qreal Top { 0 };    // of the runs' bounding rectangle: the line's
    qreal Height { 0 };

    // Whether the runs are one run in this face.
    bool Shows(const QList<QGlyphRun>& Runs) const
    {
        return Runs.size() == 1 && Runs[0].rawFont() == Font && Runs[0].flags() == Flags;
    }
    static RunFace Of(const QGlyphRun& Run)
    {
        return RunFace { Run.rawFont(), Run.flags(), Run.positions().value(0).y(), Run.boundingRect().top(),
            Run.boundingRect().height() };
    }
    // A run of these glyphs at these places, as wide as Right.
    QGlyphRun Run(const QList<quint32>& Glyphs, const QList<QPointF>& Positions, qreal Right) const
    {
        QGlyphRun run;
        run.setRawFont(Font);
        run.setFlags(Flags);
        run.setGlyphIndexes(Glyphs);
        run.setPositions(Positions);
        run.setBoundingRect(QRectF(0, Top, Right, Height));
        return run;
    }
};

// What tells fonts apart for whatever is kept of their texts: the font's key, and what shaping reads
// of a font that its key leaves out (kerning, the hinting asked for).
inline QString FontIdentity(const QFont& Font)
{
    return Font.key() + QLatin1String(Font.kerning() ? ",k" : ",-") + QString::number(int(Font.hintingPreference()));
}

// What a font's table learns is kept by the font's identity, and the last font asked for is kept at
// hand: building a font's identity costs more than a cache look-up, and the font rarely changes
// between texts.
template <class Table>
Table& PerFont(const QFont& Font, Table (*Learn)(const QFont&))
{
    thread_local QHash<QString, std::shared_ptr<Table>> tables;
    thread_local QFont lastFont;
    thread_local std::shared_ptr<Table> last;
    if (last && Font == lastFont && Font.resolveMask() == lastFont.resolveMask())
        return *last;
    const QString key = FontIdentity(Font);
    auto found = tables.find(key);
    if (found == tables.end())
        found = tables.insert(key, std::make_shared<Table>(Learn(Font)));
    lastFont = Font;
    last = *found;
    return *last;
}

} // namespace Tarvex
