#include "platform/CanvasText.h"

#include "platform/DirectGlyphs.h"

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

// The glyphs of a line as shaping placed them, and its width: shaping is most of what text costs.
struct Glyphs {
    QList<QGlyphRun> Runs; // positioned from the line's top left corner
    int Width { 0 };
};

// A line shaped once, for both its width and its drawing. The shape is a shallow copy of the cached
// one, so it outlives an eviction while the line is drawn.
struct ShapedLine {
    LaidLine Line;
    Glyphs Shape;
};

// A small number for each font, which a cache key hashes and compares faster than the font's
// identity, which is long.
struct FontNumber {
    int Value { 0 };
};

FontNumber NextFontNumber(const QFont&)
{
    thread_local int next = 0;
    return FontNumber { next++ };
}

int NumberOf(const QFont& Font)
{
    return PerFont<FontNumber>(Font, NextFontNumber).Value;
}

struct ShapeKey {
    int Font;
    QString Text; // shares the caller's text: building the key copies nothing
    bool operator==(const ShapeKey&) const = default;
};

size_t qHash(const ShapeKey& Key, size_t Seed = 0) { return qHashMulti(Seed, Key.Font, Key.Text); }

// Shaped lines are kept by font and text, so a screen painted again, as a grid is after every
// change, draws its texts without shaping them anew.
Glyphs ShapeOf(const QString& Text, const QFont& Font)
{
    thread_local QCache<ShapeKey, Glyphs> shapes(4096);
    // One layout serves every text: building a layout costs a tenth of shaping a short text.
    thread_local QTextLayout layout;
    thread_local int layoutFont = -1;
    ShapeKey key { NumberOf(Font), Text };
    if (const Glyphs* cached = shapes.object(key))
        return *cached;
    Glyphs shape;
    if (const std::optional<DirectShape> direct = ShapeDirectly(Text, Font)) {
        shape = Glyphs { { direct->Run }, direct->Width };
    } else {
        if (std::exchange(layoutFont, key.Font) != key.Font)
            layout.setFont(Font);
        layout.setText(Text);
        const QTextLine line = UnbrokenLine(layout);
        shape = Glyphs { layout.glyphRuns(), qRound(line.naturalTextWidth()) };
    }
    shapes.insert(std::move(key), new Glyphs(shape));
    return shape;
}

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

// Whether each character added to a start of the line leaves it at least as wide, so the widest start
// that fits is found near the estimate. Letters that take another form by their neighbours, runs from
// right to left and pairs cut in half can make a longer start narrower.
bool WidensCharacterByCharacter(const QString& Line)
{
    for (const QChar c : Line) {
        if (c.isSurrogate())
            return false;
        switch (c.direction()) {
        case QChar::DirR: case QChar::DirAL: case QChar::DirAN: case QChar::DirRLE: case QChar::DirRLO:
        case QChar::DirLRE: case QChar::DirLRO: case QChar::DirPDF: case QChar::DirRLI: case QChar::DirLRI:
        case QChar::DirFSI: case QChar::DirPDI:
            return false;
        default:
            break;
        }
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
        shaped.push_back(Shaped(std::move(line), Font));
        if ((Flags & TextFlags::WordEllipsis) && shaped.back().Shape.Width > Width)
            shaped.back() = Shaped(LaidLine { ElidedLine(shaped.back().Line.Text, Font, Width) }, Font);
    }
    return shaped;
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
    thread_local QCache<QString, QString> cuts(4096);
    const QString key = QString::number(NumberOf(Font)) + QChar(0x1F) + QString::number(Width) + QChar(0x1F) + Line;
    if (const QString* cached = cuts.object(key))
        return *cached;
    const QString cut = Line.left(KeptCharacters(Line, Font, Width)) + Dots;
    cuts.insert(key, new QString(cut));
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
            for (const QGlyphRun& run : line.Shape.Runs)
                Painter.drawGlyphRun(QPointF(qreal(x), qreal(y)), run);
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
