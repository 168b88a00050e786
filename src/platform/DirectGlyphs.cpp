#include "platform/DirectGlyphs.h"

#include <QHash>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <limits>
#include <memory>

namespace Tarvex {
namespace {

const QString Characters = QStringLiteral("0123456789.,-+/:%()");

// How one font places the characters, learnt from shaping them.
struct FontTable {
    bool Direct { false };          // shaping places every pair of them one for one
    RunFace Face;
    std::array<quint32, 128> Glyph {};
    std::array<qreal, 128> Advance {};  // where the next character starts
    std::array<qreal, 128> Overhang {}; // what a line ending in it is wider than its advances, such
                                        //   as the stroke of a slash reaching past its advance
};

bool OneForOne(const QList<QGlyphRun>& Runs, const FontTable& Table, const QString& Text, qreal& Width)
{
    if (!Table.Face.Shows(Runs) || Runs[0].glyphIndexes().size() != Text.size())
        return false;
    qreal x = 0;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const ushort c = Text[i].unicode();
        if (Runs[0].glyphIndexes()[i] != Table.Glyph[c] || Runs[0].positions()[i] != QPointF(x, Table.Face.Baseline))
            return false;
        x += Table.Advance[c];
    }
    Width = x + Table.Overhang[Text.back().unicode()];
    return Runs[0].boundingRect() == QRectF(0, Table.Face.Top, x, Table.Face.Height);
}

// Every character alone gives its glyph, its baseline and its width; followed by a digit, its
// advance. Every pair must then come out as the two glyphs side by side on one run of the same font,
// as wide as the advances say.
FontTable Learn(const QFont& Font)
{
    FontTable table;
    for (const QChar c : Characters) {
        qreal width = 0;
        const QList<QGlyphRun> runs = ShapedRuns(QString(c), Font, width);
        if (runs.size() != 1 || runs[0].glyphIndexes().size() != 1 || runs[0].positions()[0].x() != 0)
            return table;
        if (table.Face.Font.isValid() && !(runs[0].rawFont() == table.Face.Font))
            return table;
        table.Face = RunFace::Of(runs[0]);
        table.Glyph[c.unicode()] = runs[0].glyphIndexes()[0];
        table.Overhang[c.unicode()] = width;
    }
    for (const QChar c : Characters) {
        qreal width = 0;
        const QList<QGlyphRun> runs = ShapedRuns(QString(c) + QLatin1Char('0'), Font, width);
        if (runs.size() != 1 || runs[0].positions().size() != 2)
            return table;
        table.Advance[c.unicode()] = runs[0].positions()[1].x();
        table.Overhang[c.unicode()] -= table.Advance[c.unicode()];
    }
    for (const QChar first : Characters) {
        for (const QChar second : Characters) {
            const QString pair = QString(first) + second;
            qreal width = 0;
            qreal expected = 0;
            const QList<QGlyphRun> runs = ShapedRuns(pair, Font, width);
            if (!OneForOne(runs, table, pair, expected) || width != expected)
                return table;
        }
    }
    table.Direct = true;
    return table;
}

bool IsDirect(QChar c)
{
    return c.unicode() < 128 && Characters.contains(c);
}

} // namespace

QTextLine UnbrokenLine(QTextLayout& Layout)
{
    Layout.setCacheEnabled(true);
    Layout.beginLayout();
    QTextLine line = Layout.createLine();
    line.setLineWidth(std::numeric_limits<qreal>::max() / 4);
    line.setPosition(QPointF(0, 0));
    Layout.endLayout();
    return line;
}

QList<QGlyphRun> ShapedRuns(const QString& Text, const QFont& Font, qreal& Width)
{
    QTextLayout layout(Text, Font);
    Width = UnbrokenLine(layout).naturalTextWidth();
    return layout.glyphRuns();
}

std::optional<DirectShape> ShapeDirectly(const QString& Text, const QFont& Font)
{
    if (Text.isEmpty() || Text.size() > 256)
        return std::nullopt;
    if (!std::all_of(Text.begin(), Text.end(), IsDirect))
        return PlaceLetters(Text, Font);
    const FontTable& table = PerFont<FontTable>(Font, Learn);
    if (!table.Direct)
        return std::nullopt;
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(Text.size());
    positions.reserve(Text.size());
    qreal x = 0;
    for (const QChar c : Text) {
        glyphs.append(table.Glyph[c.unicode()]);
        positions.append(QPointF(x, table.Face.Baseline));
        x += table.Advance[c.unicode()];
    }
    DirectShape shape;
    shape.Run = table.Face.Run(glyphs, positions, x);
    shape.Width = qRound(x + table.Overhang[Text.back().unicode()]);
    return shape;
}

} // namespace Tarvex
