#include "platform/CanvasText.h"

#include "platform/TextShapes.h"

#include <tarvex/platform/Canvas.h>

#include <QCache>
#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QTextLayout>

#include <algorithm>
#include <climits>
#include <limits>
#include <utility>
#include <vector>

namespace Tarvex {
namespace {

QString UnifiedBreaks(const QString& Text)
{
    QString unified = Text;
    return unified.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QStringList TextLines(const QString& Text) { return UnifiedBreaks(Text).split(QLatin1Char('\n')); }

// One line as it is drawn: the text without its mnemonic marks, and the character a single
// ampersand underlined (-1 for none).
struct LaidLine {
    QString Text;
    int Underlined { -1 };
};

// A line shaped once, for both its width and its drawing.
struct ShapedLine {
    LaidLine Line;
    Glyphs Shape;
};

ShapedLine Shaped(LaidLine Line, const QFont& Font)
{
    Glyphs shape = ShapeOf(Line.Text, Font);
    return ShapedLine { std::move(Line), std::move(shape) };
}

LaidLine WithoutPrefix(const QString& Line, bool NoPrefix)
{
    if (NoPrefix)
        return LaidLine { Line };
    LaidLine laid;
    for (qsizetype i = 0; i < Line.size(); ++i) {
        if (Line[i] != QLatin1Char('&')) {
            laid.Text += Line[i];
            continue;
        }
        if (++i >= Line.size())
            break;
        if (Line[i] != QLatin1Char('&'))
            laid.Underlined = int(laid.Text.size());
        laid.Text += Line[i];
    }
    return laid;
}

const QString Dots = QStringLiteral("...");

// How much narrower a longer line from the same start can be than a shorter one: only the letters
// at the shorter one's end change, taking another form by their new neighbours (a final letter
// becoming a medial one, a consonant joining the next). Two line heights is far more than that.
double ReshapingSlack(const QFont& Font) { return 2 * QFontMetricsF(Font).height(); }

// How many characters of Line fit with "..." behind them, read off one shaping of the line. Kerning
// at the cut and rounding can put it a character off the measured cut.
qsizetype EstimatedKeep(const QString& Line, const QFont& Font, qreal DotsWidth, int Width)
{
    QTextLayout layout(Line, Font);
    const QTextLine line = UnbrokenLine(layout);
    qsizetype fits = 0;
    qsizetype fails = Line.size() + 1;
    while (fails - fits > 1) {
        const qsizetype middle = fits + (fails - fits) / 2;
        if (line.cursorToX(int(middle)) + DotsWidth <= Width)
            fits = middle;
        else
            fails = middle;
    }
    return fits;
}

// Whether the character is written from right to left or changes the order of what surrounds it.
bool Reorders(QChar c)
{
    switch (c.direction()) {
    case QChar::DirR: case QChar::DirAL: case QChar::DirAN: case QChar::DirRLE: case QChar::DirRLO:
    case QChar::DirLRE: case QChar::DirLRO: case QChar::DirPDF: case QChar::DirRLI: case QChar::DirLRI:
    case QChar::DirFSI: case QChar::DirPDI:
        return true;
    default:
        return false;
    }
}

// Whether each character added to a start of the line leaves it at least as wide, so the widest start
// that fits is found near the estimate. Letters that take another form by their neighbours, runs from
// right to left and pairs cut in half can make a longer start narrower.
bool WidensCharacterByCharacter(const QString& Line)
{
    for (const QChar c : Line) {
        if (c.isSurrogate())
            return false;
        if (Reorders(c))
            return false;
        switch (c.script()) {
        case QChar::Script_Common: case QChar::Script_Inherited: case QChar::Script_Latin: case QChar::Script_Greek:
        case QChar::Script_Cyrillic: case QChar::Script_Han: case QChar::Script_Hiragana: case QChar::Script_Katakana:
            break;
        default:
            return false;
        }
    }
    return true;
}

// Measured as the text is measured everywhere else, a character at a time from the estimate, so the
// cut lands where dropping characters from the end one by one would put it.
qsizetype KeptCharacters(const QString& Line, const QFont& Font, int Width)
{
    const QFontMetrics metrics(Font);
    const auto fits = [&](qsizetype Keep) { return metrics.horizontalAdvance(Line.left(Keep) + Dots) <= Width; };
    qsizetype keep = 0;
    if (WidensCharacterByCharacter(Line)) {
        keep = EstimatedKeep(Line, Font, QFontMetricsF(Font).horizontalAdvance(Dots), Width);
    } else {
        // No start fits from the first on that is too wide even if its last letters change form.
        const double slack = ReshapingSlack(Font);
        const qsizetype tooWide = FirstReaching(0, Line.size() + 1, [&](qsizetype Keep) {
            return metrics.horizontalAdvance(Line.left(Keep) + Dots) > Width + slack;
        });
        keep = std::max<qsizetype>(tooWide - 1, 0);
    }
    while (keep < Line.size() && fits(keep + 1))
        ++keep;
    while (keep > 0 && !fits(keep))
        --keep;
    return keep;
}

// The cuts of lines too wide for their rectangles are kept by font, width and line, as a grid cuts the
// same cells on every paint; the lines kept are held to a bound in bytes, as notes can be long.
struct CutKey {
    QFont Font;
    size_t FontHash;
    int Width;
    QString Line;
    bool operator==(const CutKey& Other) const
    {
        return Width == Other.Width && Line == Other.Line && Font == Other.Font;
    }
};

size_t qHash(const CutKey& Key, size_t Seed = 0) { return qHashMulti(Seed, Key.FontHash, Key.Width, Key.Line); }

constexpr qsizetype CutsKeptLimit = 1024 * 1024;

// Whether the glyphs of a start of a line stand where they stand in the whole line: a line with a
// letter written from left to right before anything else is laid out from the left whatever follows,
// and nothing in it is reordered.
bool PlacedFromTheLeft(const QString& Start)
{
    bool fromTheLeft = false;
    for (const QChar c : Start) {
        if (Reorders(c))
            return false;
        fromTheLeft = fromTheLeft || c.direction() == QChar::DirL;
    }
    return fromTheLeft;
}

// Lines this short are shaped whole: what they keep is small, and measuring the font costs more than
// it could save.
constexpr qsizetype AlwaysWhole = 256;

// The start of a single line that shows all a rectangle Width pixels wide can show of it, from the
// left: a start at least the slack wider than the rectangle, so that no letter whose form its cut
// changes comes inside. The whole line where it is short, or where what follows could move the
// glyphs of its start. Only the start is shaped, and kept, however long the line.
QString ShownStart(const QString& Line, const QFont& Font, int Width)
{
    if (Line.size() <= AlwaysWhole)
        return Line;
    const double reach = Width + ReshapingSlack(Font);
    const double average = std::max(1.0, QFontMetricsF(Font).averageCharWidth());
    qsizetype keep = qsizetype(std::min(reach / average * 2, double(Line.size()))) + 16;
    for (; keep < Line.size(); keep *= 2) {
        if (Line[keep - 1].isHighSurrogate())
            ++keep;
        const QString start = Line.left(keep);
        if (!PlacedFromTheLeft(start))
            return Line;
        if (ShapeOf(start, Font).Width >= reach)
            return start;
    }
    return Line;
}

// Whether a laid-out line shows only from its left edge as far as its rectangle reaches.
bool ShowsItsStart(int Flags)
{
    if (!(Flags & TextFlags::SingleLine) || (Flags & TextFlags::CalcRect))
        return false;
    return (Flags & TextFlags::WordEllipsis) || !(Flags & (TextFlags::Right | TextFlags::Center));
}

std::vector<LaidLine> Layout(const QString& Text, int Flags, const QFont& Font, int Width)
{
    QStringList paragraphs;
    if (Flags & TextFlags::SingleLine)
        paragraphs << UnifiedBreaks(Text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    else
        paragraphs = TextLines(Text);

    std::vector<LaidLine> lines;
    for (const QString& paragraph : paragraphs) {
        LaidLine whole = WithoutPrefix(paragraph, Flags & TextFlags::NoPrefix);
        const bool wraps = (Flags & TextFlags::WordBreak) && !(Flags & TextFlags::SingleLine);
        const QStringList broken = wraps ? BrokenAtWords(whole.Text, Font, Width) : QStringList { whole.Text };
        if (broken.size() == 1) {
            lines.push_back(whole);
            continue;
        }
        for (const QString& line : broken)
            lines.push_back(LaidLine { line });
    }
    return lines;
}

std::vector<ShapedLine> ShapedLayout(const QString& Text, int Flags, const QFont& Font, int Width)
{
    std::vector<ShapedLine> shaped;
    for (LaidLine& line : Layout(Text, Flags, Font, Width)) {
        if (ShowsItsStart(Flags)) {
            line.Text = ShownStart(line.Text, Font, Width);
            if (line.Underlined >= line.Text.size())
                line.Underlined = -1;
        }
        shaped.push_back(Shaped(std::move(line), Font));
        if ((Flags & TextFlags::WordEllipsis) && shaped.back().Shape.Width > Width)
            shaped.back() = Shaped(LaidLine { ElidedLine(shaped.back().Line.Text, Font, Width) }, Font);
    }
    return shaped;
}

// Underlines, strike-outs and overlines are drawn by Qt's drawText, which ends them where its own
// texts end them; drawn with the glyphs they could end a pixel away.
bool Decorated(const QFont& Font) { return Font.underline() || Font.strikeOut() || Font.overline(); }

void DrawShaped(QPainter& Painter, const ShapedLine& Line, const QFont& Font, QPointF TopLeft)
{
    if (!Decorated(Font)) {
        for (const QGlyphRun& run : Line.Shape.Runs)
            Painter.drawGlyphRun(TopLeft, run);
        return;
    }
    if (Line.Shape.Runs.isEmpty())
        return;
    Painter.setFont(Font);
    Painter.drawText(TopLeft + QPointF(0, Line.Shape.Runs[0].positions().value(0).y()), Line.Line.Text);
}

} // namespace

qsizetype FirstReaching(qsizetype From, qsizetype To, const std::function<bool(qsizetype)>& Reaches)
{
    // Steps that double until one reaches, then halve back to the first.
    qsizetype fallsShort = From - 1;
    qsizetype step = 1;
    qsizetype reaches = To;
    for (;;) {
        const qsizetype at = std::min(fallsShort + step, To - 1);
        if (at <= fallsShort)
            return To;
        if (Reaches(at)) {
            reaches = at;
            break;
        }
        fallsShort = at;
        step *= 2;
    }
    while (reaches - fallsShort > 1) {
        const qsizetype middle = fallsShort + (reaches - fallsShort) / 2;
        if (Reaches(middle))
            reaches = middle;
        else
            fallsShort = middle;
    }
    return reaches;
}

qsizetype FirstEndReaching(const QString& Text, qsizetype Start, qsizetype From, const QFont& Font, double Width)
{
    const auto width = [&](qsizetype End) { return Canvas::TextWidth(Font, Text.mid(Start, End + 1 - Start)); };
    // Every end before the first that comes within the slack of Width falls short, whatever the script;
    // from there the ends are measured one by one.
    const double slack = ReshapingSlack(Font);
    qsizetype end = FirstReaching(From, Text.size(), [&](qsizetype End) { return width(End) + slack >= Width; });
    while (end < Text.size() && !(width(end) >= Width))
        ++end;
    return end;
}

// Greedy breaking at blanks; a word wider than the width keeps a line of its own. The blanks a line
// is broken at are dropped. No letter takes another form by a neighbour across a blank, so a line
// of more words is never the narrower one, and the words a line takes are found by halving.
QStringList BrokenAtWords(const QString& Paragraph, const QFont& Font, int Width)
{
    std::vector<qsizetype> starts; // where each word starts; it ends at the blank before the next
    for (qsizetype blank = -1;; ) {
        starts.push_back(blank + 1);
        blank = Paragraph.indexOf(QLatin1Char(' '), blank + 1);
        if (blank < 0)
            break;
    }
    const qsizetype words = qsizetype(starts.size());
    const auto wordsFrom = [&](qsizetype First, qsizetype Last) {
        const qsizetype end = Last + 1 < words ? starts[size_t(Last + 1)] - 1 : Paragraph.size();
        return Paragraph.mid(starts[size_t(First)], end - starts[size_t(First)]);
    };
    const QFontMetrics metrics(Font);
    QStringList lines;
    for (qsizetype first = 0; first < words;) {
        const qsizetype next = FirstReaching(first + 1, words,
            [&](qsizetype Last) { return metrics.horizontalAdvance(wordsFrom(first, Last)) > Width; });
        lines << wordsFrom(first, next - 1);
        first = next;
    }
    return lines;
}

QString ElidedLine(const QString& Line, const QFont& Font, int Width)
{
    thread_local QCache<CutKey, QString> cuts(CutsKeptLimit);
    thread_local int generation = -1;
    if (FontsChangedSince(generation))
        cuts.clear();
    CutKey key { Font, HashOf(Font), Width, Line };
    if (const QString* cached = cuts.object(key))
        return *cached;
    const QString cut = Line.left(KeptCharacters(Line, Font, Width)) + Dots;
    const qsizetype bytes = qsizetype(sizeof(CutKey)) + (Line.size() + cut.size()) * qsizetype(sizeof(QChar));
    cuts.insert(std::move(key), new QString(cut), bytes);
    return cut;
}

void Canvas::DrawText(int X, int Y, const QString& Text, const QFont& Font, OleColor Color)
{
    if (m_Image.isNull() || Text.isEmpty())
        return;
    Paint(Rect { 0, 0, m_Image.width(), m_Image.height() }, [&](QPainter& Painter) {
        Painter.setFont(Font);
        Painter.setPen(TranslateOleColor(Color, m_Palette));
        const QFontMetricsF metrics(Font);
        qreal baseline = Y + metrics.ascent();
        for (const QString& line : TextLines(Text)) {
            Painter.drawText(QPointF(X, baseline), line);
            baseline += metrics.height();
        }
    });
}

int Canvas::DrawText(const QString& Text, Rect& Bounds, int Flags, const QFont& Font, OleColor Color)
{
    if (Text.isEmpty()) {
        if (Flags & TextFlags::CalcRect) {
            Bounds.Right = Bounds.Left;
            Bounds.Bottom = Bounds.Top;
        }
        return 0;
    }
    const QFontMetrics metrics(Font);
    const int width = int(std::clamp((long long)Bounds.Right - Bounds.Left, 0LL, (long long)INT_MAX));
    const std::vector<ShapedLine> lines = ShapedLayout(Text, Flags, Font, width);
    const int lineHeight = metrics.height();
    const int height = int(std::min<long long>((long long)lineHeight * lines.size(), 0x3FFFFFFF));

    if (Flags & TextFlags::CalcRect) {
        int widest = 0;
        for (const ShapedLine& line : lines)
            widest = std::max(widest, line.Shape.Width);
        Bounds.Right = int(std::min<long long>((long long)Bounds.Left + widest, INT_MAX));
        Bounds.Bottom = int(std::min<long long>((long long)Bounds.Top + height, INT_MAX));
        return height;
    }

    long long top = Bounds.Top;
    if (Flags & TextFlags::SingleLine) {
        if (Flags & TextFlags::Bottom)
            top = (long long)Bounds.Bottom - height;
        else if (Flags & TextFlags::VCenter)
            top = Bounds.Top + ((long long)Bounds.Bottom - Bounds.Top - height) / 2;
    }
    const int result = int(std::clamp<long long>(top - Bounds.Top + height, INT_MIN, INT_MAX));

    const QColor color = TranslateOleColor(Color, m_Palette);
    Paint(Bounds, [&](QPainter& Painter) {
        Painter.setPen(color);
        long long y = top;
        for (const ShapedLine& line : lines) {
            long long x = Bounds.Left;
            if (Flags & TextFlags::Right)
                x = (long long)Bounds.Right - line.Shape.Width;
            else if (Flags & TextFlags::Center)
                x = Bounds.Left + ((long long)Bounds.Right - Bounds.Left - line.Shape.Width) / 2;
            DrawShaped(Painter, line, Font, QPointF(qreal(x), qreal(y)));
            if (line.Line.Underlined >= 0) {
                const QString& text = line.Line.Text;
                const int from = metrics.horizontalAdvance(text.left(line.Line.Underlined));
                const int to = metrics.horizontalAdvance(text.left(line.Line.Underlined + 1));
                const qreal under = qreal(y) + metrics.ascent() + metrics.underlinePos();
                Painter.drawLine(QLineF(qreal(x + from), under, qreal(x + to - 1), under));
            }
            y += lineHeight;
        }
    });
    return result;
}

double Canvas::TextWidth(const QFont& Font, const QString& Text)
{
    const QFontMetricsF metrics(Font);
    double widest = 0;
    for (const QString& line : TextLines(Text))
        widest = std::max(widest, double(metrics.horizontalAdvance(line)));
    return widest;
}

double Canvas::TextHeight(const QFont& Font, const QString& Text)
{
    return QFontMetricsF(Font).height() * TextLines(Text).size();
}

} // namespace Tarvex
