#include "platform/DirectGlyphs.h"
#include "platform/FontLookups.h"

#include <QHash>
#include <QRawFont>

#include <algorithm>
#include <cmath>
#include <limits>

// A line's glyphs placed from pairs: where the font's tables make a line no more than its pairs (see
// FontLookups.h), each character's glyph stands at the previous one's place plus the previous one's
// advance as the pair of the two adjusts it, which is learnt from shaping the pair once. Pairs are
// learnt behind a Latin letter, so they take the Latin script's features as they do inside a Latin
// line, and a line must start with a Latin letter so that shaping takes all of it as Latin. The first
// lines of each font are shaped as well and compared; a difference leaves the font to shaping.

namespace Tarvex {
namespace {

constexpr QChar Prefix = u'n';
constexpr int LinesChecked = 64;
constexpr qreal NotPlaced = std::numeric_limits<qreal>::quiet_NaN();

bool IsLetterLineCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x20 && u < 0x7F) || (u >= 0xC0 && u <= 0xFF);
}

// A character as the last of a line: its glyph, how far its box reaches and how wide it makes the line.
struct LastPlace {
    bool Placed { false };
    quint32 Glyph { 0 };
    qreal Advance { 0 };
    qreal Width { 0 };
};

struct LetterTable {
    bool Usable { false };
    RunFace Face;
    QFont Source;
    LatinLookups Lookups;
    QHash<char16_t, LastPlace> Characters;
    QHash<quint32, qreal> Pairs; // the first character's advance before the second; NotPlaced when shaping
                                 //   places the pair otherwise than one glyph each on the baseline
    int Checked { 0 };
};

// The glyphs a line of Prefix and Text shapes to, when they are one for each character in the font of
// the table, on its baseline.
const QGlyphRun* BehindPrefix(const QList<QGlyphRun>& Runs, const LetterTable& Table, qsizetype Characters)
{
    if (!Table.Face.Shows(Runs) || Runs[0].glyphIndexes().size() != Characters + 1)
        return nullptr;
    for (const QPointF& position : Runs[0].positions())
        if (position.y() != Table.Face.Baseline)
            return nullptr;
    return &Runs[0];
}

LetterTable LearnLetters(const QFont& Font)
{
    LetterTable table;
    table.Source = Font;
    if (Font.letterSpacing() != 0 || Font.wordSpacing() != 0 || Font.capitalization() != QFont::MixedCase)
        return table;
    qreal width = 0;
    const QList<QGlyphRun> prefix = ShapedRuns(QString(Prefix), Font, width);
    if (prefix.size() != 1 || prefix[0].glyphIndexes().size() != 1)
        return table;
    table.Face = RunFace::Of(prefix[0]);
    QString characters;
    for (char16_t u = 0x20; u <= 0xFF; ++u)
        if (IsLetterLineCharacter(QChar(u)))
            characters += QChar(u);
    table.Lookups = ReadLatinLookups(table.Face.Font, table.Face.Font.glyphIndexesForString(characters));
    table.Usable = table.Lookups.Pairwise;
    return table;
}

LastPlace PlaceOf(LetterTable& Table, QChar Character)
{
    auto found = Table.Characters.constFind(Character.unicode());
    if (found != Table.Characters.cend())
        return *found;
    LastPlace place;
    qreal width = 0;
    const QList<QGlyphRun> runs = ShapedRuns(QString(Prefix) + Character, Table.Source, width);
    if (const QGlyphRun* run = BehindPrefix(runs, Table, 1)) {
        const qreal x = run->positions()[1].x();
        place.Glyph = run->glyphIndexes()[1];
        place.Advance = run->boundingRect().right() - x;
        place.Width = width - x;
        place.Placed = !Table.Lookups.LongLigatureStarts.contains(place.Glyph);
    }
    return *Table.Characters.insert(Character.unicode(), place);
}

qreal PairAdvance(LetterTable& Table, QChar First, QChar Second)
{
    const quint32 key = quint32(First.unicode()) << 16 | Second.unicode();
    auto found = Table.Pairs.constFind(key);
    if (found != Table.Pairs.cend())
        return *found;
    qreal advance = NotPlaced;
    qreal width = 0;
    const QList<QGlyphRun> runs = ShapedRuns(QString(Prefix) + First + Second, Table.Source, width);
    if (const QGlyphRun* run = BehindPrefix(runs, Table, 2)) {
        if (run->glyphIndexes()[1] == PlaceOf(Table, First).Glyph && run->glyphIndexes()[2] == PlaceOf(Table, Second).Glyph)
            advance = run->positions()[2].x() - run->positions()[1].x();
    }
    return *Table.Pairs.insert(key, advance);
}

std::optional<DirectShape> Placed(LetterTable& Table, const QString& Text)
{
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(Text.size());
    positions.reserve(Text.size());
    qreal x = 0;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const LastPlace place = PlaceOf(Table, Text[i]);
        if (!place.Placed)
            return std::nullopt;
        glyphs.append(place.Glyph);
        positions.append(QPointF(x, Table.Face.Baseline));
        if (i + 1 == Text.size())
            break;
        const qreal advance = PairAdvance(Table, Text[i], Text[i + 1]);
        if (std::isnan(advance))
            return std::nullopt;
        x += advance;
    }
    const LastPlace last = PlaceOf(Table, Text.back());
    DirectShape shape;
    shape.Run = Table.Face.Run(glyphs, positions, x + last.Advance);
    shape.Width = qRound(x + last.Width);
    return shape;
}

bool LooksShaped(const DirectShape& Shape, const QString& Text, const QFont& Font)
{
    qreal width = 0;
    const QList<QGlyphRun> runs = ShapedRuns(Text, Font, width);
    return runs.size() == 1 && runs[0].glyphIndexes() == Shape.Run.glyphIndexes()
        && runs[0].positions() == Shape.Run.positions() && runs[0].boundingRect() == Shape.Run.boundingRect()
        && runs[0].rawFont() == Shape.Run.rawFont() && runs[0].flags() == Shape.Run.flags() && qRound(width) == Shape.Width;
}

} // namespace

std::optional<DirectShape> PlaceLetters(const QString& Text, const QFont& Font)
{
    if (Text.isEmpty() || Text.size() > 256 || !Text.front().isLetter() || Text.front().script() != QChar::Script_Latin
        || Text.back() == QLatin1Char(' ') || !std::all_of(Text.begin(), Text.end(), IsLetterLineCharacter))
        return std::nullopt;
    LetterTable& table = PerFont<LetterTable>(Font, LearnLetters);
    if (!table.Usable)
        return std::nullopt;
    std::optional<DirectShape> shape = Placed(table, Text);
    if (!shape || table.Checked >= LinesChecked)
        return shape;
    if (!LooksShaped(*shape, Text, Font)) {
        table.Usable = false;
        return std::nullopt;
    }
    ++table.Checked;
    return shape;
}

} // namespace Tarvex
