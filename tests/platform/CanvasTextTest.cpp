#include <tarvex/platform/Canvas.h>

#include "platform/CanvasText.h"
#include "platform/DirectGlyphs.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <QPalette>

#include <gtest/gtest.h>

#include <vector>

using namespace Tarvex;

namespace {

// The cut as it has always been made: characters dropped from the end one at a time, measuring each try.
QString CutOneAtATime(const QString& Line, const QFont& Font, int Width)
{
    const QFontMetrics metrics(Font);
    const QString dots = QStringLiteral("...");
    qsizetype keep = Line.size();
    while (keep > 0 && metrics.horizontalAdvance(Line.left(keep) + dots) > Width)
        --keep;
    return Line.left(keep) + dots;
}

// Lines broken as they have always been: one word more at a time, measuring each try.
QStringList BreakOneWordAtATime(const QString& Paragraph, const QFont& Font, int Width)
{
    const QFontMetrics metrics(Font);
    QStringList lines;
    QString line;
    for (const QString& word : Paragraph.split(QLatin1Char(' '))) {
        const QString joined = line.isNull() ? word : line + QLatin1Char(' ') + word;
        if (!line.isNull() && metrics.horizontalAdvance(joined) > Width) {
            lines << line;
            line = word;
        } else {
            line = joined;
        }
    }
    return lines << line;
}

const char* const Texts[] = {
    "",
    "x",
    "Invoice",
    "alpha beta gamma delta",
    "AVAWAY To Tokyo, LTA",
    "iiiiiiWWWWWWiiiiii",
    "東京",
    "東京都千代田区丸の内 1-1",
    "e\u0301te\u0301 de\u0301ja\u0300 vu",
    "a\u0308\u0301\u0323bc",
    "smile \U0001F600 then go",
    "مرحبا بالعالم",
    "नमस्ते दुनिया",
    "Total: مرحبا 42",
    "  leading and trailing  ",
    "ab ab ab ab ab ab ab ab ab ab ab ab ab ab ab ab ab ab ab ab ab",
    "Größe,  Maß; 42-17 (x_y)",
    "كتب الطالب الدرس في المكتبة الكبيرة",
};

QImage Drawn(const QString& Text, int Flags, const QFont& Font, int Width)
{
    QImage image(Width + 20, 30, QImage::Format_RGB32);
    QPalette palette;
    Canvas canvas(image, palette);
    canvas.Clear(0xFFFFFF);
    Rect bounds { 0, 0, Width, 30 };
    canvas.DrawText(Text, bounds, Flags, Font, 0x000000);
    return image;
}

} // namespace

TEST(CanvasText, CutsAndLineBreaksLandWhereMeasuringEveryStepPutsThem)
{
    QFont bold;
    bold.setBold(true);
    QFont large;
    large.setPointSize(15);
    for (const QFont& font : { QFont(), bold, large }) {
        const QFontMetrics metrics(font);
        for (const char* text : Texts) {
            const QString line = QString::fromUtf8(text);
            const auto where = [&](int Width) { return std::string(text) + " in " + std::to_string(Width) + " px, " + font.key().toStdString(); };
            // The widths at which one more character starts or stops fitting, where an estimate can be off.
            std::vector<int> widths { 0, 1, 2, 5, 10, 1000 };
            for (qsizetype keep = 0; keep <= line.size(); ++keep) {
                const int edge = metrics.horizontalAdvance(line.left(keep) + QStringLiteral("..."));
                widths.insert(widths.end(), { edge - 1, edge, edge + 1 });
            }
            for (int width : widths)
                EXPECT_EQ(CutOneAtATime(line, font, width), ElidedLine(line, font, width)) << where(width);

            // The same at the widths of every run of whole words.
            const QStringList words = line.split(QLatin1Char(' '));
            std::vector<int> wordWidths { -1, 0, 100000 };
            for (qsizetype first = 0; first < words.size(); ++first)
                for (qsizetype last = first; last < words.size(); ++last) {
                    const int edge = metrics.horizontalAdvance(words.mid(first, last - first + 1).join(QLatin1Char(' ')));
                    wordWidths.insert(wordWidths.end(), { edge - 1, edge, edge + 1 });
                }
            for (int width : wordWidths)
                EXPECT_EQ(BreakOneWordAtATime(line, font, width), BrokenAtWords(line, font, width)) << where(width);

            // A line growing a character at a time from its start, or from behind its first blank.
            for (const qsizetype start : { qsizetype(0), line.indexOf(QLatin1Char(' ')) + 1 }) {
                std::vector<double> grown; // the width of the line up to each end
                for (qsizetype end = start; end < line.size(); ++end)
                    grown.push_back(Canvas::TextWidth(font, line.mid(start, end + 1 - start)));
                for (const double width : grown) {
                    for (const qsizetype from : { start, start + 2 }) {
                        qsizetype expected = from;
                        while (expected < line.size() && grown[size_t(expected - start)] < width)
                            ++expected;
                        EXPECT_EQ(std::min(expected, line.size()), FirstEndReaching(line, start, from, font, width))
                            << where(int(width)) << " from " << start << ", ends from " << from;
                    }
                }
            }
        }
    }
}

TEST(CanvasText, AWordEllipsisCellDrawsExactlyTheCutText)
{
    const QFont font;
    const int flags = TextFlags::SingleLine | TextFlags::VCenter | TextFlags::NoPrefix;
    for (const char* text : { "alpha beta gamma delta", "東京都千代田区丸の内", "e\u0301te\u0301 de\u0301ja\u0300 vu" }) {
        const QString line = QString::fromUtf8(text);
        for (int width : { 3, 17, 40 }) {
            // Twice, so the second paint draws from the kept cut.
            for (int paint = 0; paint < 2; ++paint)
                EXPECT_EQ(Drawn(CutOneAtATime(line, font, width), flags, font, width),
                    Drawn(line, flags | TextFlags::WordEllipsis, font, width))
                    << text << " in " << width << " px";
        }
    }
}

namespace {

// The picture of one line drawn by the canvas against the glyphs shaping gives the same line.
testing::AssertionResult DrawnAsShaped(const QString& Line, const QFont& Font)
{
    QImage shaped(260, 40, QImage::Format_RGB32);
    shaped.fill(Qt::white);
    QPainter painter(&shaped);
    painter.setPen(Qt::black);
    QTextLayout layout(Line, Font);
    layout.beginLayout();
    layout.createLine().setPosition(QPointF(0, 0));
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns())
        painter.drawGlyphRun(QPointF(0, 0), run);
    painter.end();
    QImage direct(260, 40, QImage::Format_RGB32);
    QPalette palette;
    Canvas canvas(direct, palette);
    canvas.Clear(0xFFFFFF);
    Rect bounds { 0, 0, 260, 40 };
    canvas.DrawText(Line, bounds, TextFlags::NoPrefix, Font, 0x000000);
    if (shaped == direct)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << Line.toStdString() << " in " << Font.key().toStdString();
}

QList<QFont> Faces()
{
    QFont bold;
    bold.setBold(true);
    QFont italic;
    italic.setItalic(true);
    QFont underlined;
    underlined.setUnderline(true);
    QFont large;
    large.setPixelSize(23);
    QList<QFont> faces { QFont(), bold, italic, underlined, large };
    for (const char* family : { "DejaVu Serif", "DejaVu Sans Mono", "Nimbus Sans", "URW Gothic", "Noto Sans Mono" })
        faces.append(QFont(QString::fromLatin1(family)));
    return faces;
}

} // namespace

// Amounts, dates and document numbers are placed straight from the font's glyphs: the picture is the
// one the shaped glyphs give, in plain, bold, italic, underlined and large faces.
TEST(CanvasText, NumbersPlacedFromTheGlyphTableLookAsShapedOnes)
{
    for (const QFont& font : Faces()) {
        for (const char* text : { "0", "1,234.56", "-17.05", "02.01.2019", "2019-000123", "(42)-3/4+5%", "10:45" }) {
            const QString line = QString::fromUtf8(text);
            if (QFontInfo(font).family() == QFont().family()) {
                EXPECT_TRUE(ShapeDirectly(line, font).has_value()) << text << " in " << font.key().toStdString();
            }
            EXPECT_TRUE(DrawnAsShaped(line, font));
        }
    }
}

// Names, places and document numbers with letters are placed from pairs learnt from shaping: kerned
// pairs, German letters, ligatures and the font's other faces look as shaped; lines that start with
// something else than a Latin letter, end in a blank or hold another script are shaped.
TEST(CanvasText, LettersPlacedFromTheirPairsLookAsShapedOnes)
{
    const char* lines[] { "RE-0000123", "Müller Bau GmbH & Co. KG", "Schäfer Holz e.K.", "Weiß Glas OHG", "AVAWAY Tee To Yo",
        "Pfeiffer Haffner fi fl ffi", "Ärzte Öl Über straße", "Mönchengladbach", "Schulze Transport UG", "L'Tay, W.Y.", "x" };
    for (const QFont& font : Faces()) {
        for (const char* text : lines)
            EXPECT_TRUE(DrawnAsShaped(QString::fromUtf8(text), font));
    }
    // The font of every platform this runs on places these from pairs.
    for (const char* text : { "RE-0000123", "Müller Bau GmbH & Co. KG", "AVAWAY Tee To Yo", "Ärzte Öl Über straße" })
        EXPECT_TRUE(ShapeDirectly(QString::fromUtf8(text), QFont()).has_value()) << text;
    for (const char* text : { "12 345", "Москва", "Bau ", "-Bau", "Café\u0301" })
        EXPECT_FALSE(ShapeDirectly(QString::fromUtf8(text), QFont()).has_value()) << text;
}

// Past the lines each font is checked with, placed lines still come out as shaping places them.
TEST(CanvasText, ManyLinesPlacedFromPairsMatchShaping)
{
    const QStringList words = QString::fromUtf8(
        "Müller Schäfer Weiß Groß Köhler AVAWAY Tee To Yo LT Vogel Wolf Fuchs Kraus Jäger Straße RE-0000123 e.K. "
        "GmbH & Co. KG Düsseldorf Mönchengladbach Würzburg (Bau) 1.234,56 Ärzte Öl Über quay rkyv")
                                  .split(QLatin1Char(' '));
    for (const QFont& font : Faces()) {
        int placed = 0;
        for (int i = 0; i < 400; ++i) {
            QString line = words[(i * 7) % words.size()];
            for (int w = 1; w <= i % 4; ++w)
                line += QLatin1Char(' ') + words[(i * 13 + w * 5) % words.size()];
            const std::optional<DirectShape> direct = ShapeDirectly(line, font);
            if (!direct)
                continue;
            ++placed;
            qreal width = 0;
            const QList<QGlyphRun> runs = ShapedRuns(line, font, width);
            ASSERT_EQ(1, runs.size()) << line.toStdString();
            EXPECT_EQ(runs[0].glyphIndexes(), direct->Run.glyphIndexes()) << line.toStdString() << " in " << font.key().toStdString();
            EXPECT_EQ(runs[0].positions(), direct->Run.positions()) << line.toStdString() << " in " << font.key().toStdString();
            EXPECT_EQ(qRound(width), direct->Width) << line.toStdString() << " in " << font.key().toStdString();
        }
        if (QFontInfo(font).family() == QFont().family()) {
            EXPECT_GT(placed, 200) << font.key().toStdString();
        }
    }
}

// Fonts that differ only in what their key leaves out are kept apart: a line drawn without kerning
// after the same line with it is placed as shaping without kerning places it.
TEST(CanvasText, AFontWithoutKerningKeepsItsOwnPlaces)
{
    QFont unkerned;
    unkerned.setKerning(false);
    for (const QFont& font : { QFont(), unkerned, QFont() })
        for (const char* text : { "AVAWAY Tee To", "RE-0000123 Yo" })
            EXPECT_TRUE(DrawnAsShaped(QString::fromUtf8(text), font)) << (font.kerning() ? "kerned" : "unkerned");
}
