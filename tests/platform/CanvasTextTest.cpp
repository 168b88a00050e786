#include <tarvex/platform/Canvas.h>

#include "platform/CanvasText.h"
#include "platform/TextShapes.h"

#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLibraryInfo>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <QPalette>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
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

constexpr int PictureWidth = 320;
constexpr int PictureHeight = 40;

QFont DejaVu(const char* Family = "DejaVu Sans", int Points = 10)
{
    return QFont(QString::fromLatin1(Family), Points);
}

QImage White()
{
    QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The line as Qt's own drawText draws it, from the top left corner of the picture.
QImage DrawnByDrawText(const QString& Line, const QFont& Font)
{
    QImage image = White();
    QPainter painter(&image);
    painter.setFont(Font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, QFontMetricsF(Font).ascent()), Line);
    return image;
}

QImage DrawnByCanvas(const QString& Line, const QFont& Font, int Flags = TextFlags::NoPrefix, int Width = PictureWidth)
{
    QImage image = White();
    QPalette palette;
    Canvas canvas(image, palette);
    Rect bounds { 0, 0, Width, PictureHeight };
    canvas.DrawText(Line, bounds, Flags, Font, 0x000000);
    return image;
}

// Qt's drawText for fonts with a decoration; the glyphs shaping gives the line for the rest, as the
// canvas draws them from the line's top left corner.
QImage DrawnByQt(const QString& Line, const QFont& Font, int Width = PictureWidth)
{
    if (Font.underline() || Font.strikeOut() || Font.overline())
        return DrawnByDrawText(Line, Font);
    QImage image = White();
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.setClipRect(0, 0, Width, PictureHeight);
    QTextLayout layout(Line, Font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns())
        painter.drawGlyphRun(QPointF(0, 0), run);
    return image;
}

testing::AssertionResult DrawnAsQtDrawsIt(const QString& Line, const QFont& Font)
{
    if (DrawnByCanvas(Line, Font) == DrawnByQt(Line, Font))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << Line.toStdString() << " in " << Font.toString().toStdString()
                                       << (Font.overline() ? " with overline" : "");
}

QFont With(QFont Font, const std::function<void(QFont&)>& Change)
{
    Change(Font);
    return Font;
}

} // namespace

// Fonts that differ in no more than a decoration, a later family, kerning, spacing, capitals or
// antialiasing each draw their own, whichever of them drew the same line first, and so does a line
// new to both.
TEST(CanvasText, FontsThatDifferInAnyLookDrawTheirOwn)
{
    const QFont plain = DejaVu();
    // No machine has the first family, so the second one draws.
    QFont serifBehind = DejaVu();
    serifBehind.setFamilies({ QStringLiteral("Tarvex Absent Face"), QStringLiteral("DejaVu Serif") });
    QFont monoBehind = serifBehind;
    monoBehind.setFamilies({ QStringLiteral("Tarvex Absent Face"), QStringLiteral("DejaVu Sans Mono") });
    const std::pair<QFont, QFont> pairs[] {
        { plain, With(plain, [](QFont& F) { F.setOverline(true); }) },
        { plain, With(plain, [](QFont& F) { F.setUnderline(true); }) },
        { plain, With(plain, [](QFont& F) { F.setStrikeOut(true); }) },
        { plain, With(plain, [](QFont& F) { F.setKerning(false); }) },
        { plain, With(plain, [](QFont& F) { F.setLetterSpacing(QFont::AbsoluteSpacing, 2); }) },
        { plain, With(plain, [](QFont& F) { F.setWordSpacing(6); }) },
        { plain, With(plain, [](QFont& F) { F.setCapitalization(QFont::AllUppercase); }) },
        { plain, With(plain, [](QFont& F) { F.setStyleStrategy(QFont::NoAntialias); }) },
        { serifBehind, monoBehind },
    };
    const char* lines[] { "Becker GmbH", "AVAWAY To مرحبا", "1.234,56" };
    int fresh = 0;
    for (const auto& [first, second] : pairs) {
        const QString differs = QString::fromUtf8(lines[1]);
        EXPECT_NE(DrawnByQt(differs, first), DrawnByQt(differs, second)) << second.toString().toStdString();
        for (const QFont& font : { first, second, first }) {
            for (const char* line : lines)
                EXPECT_TRUE(DrawnAsQtDrawsIt(QString::fromUtf8(line), font));
            EXPECT_TRUE(DrawnAsQtDrawsIt(QStringLiteral("Neu %1 مرحبا").arg(++fresh), font));
        }
    }
}

// A face that comes after its family was first drawn (an application adding its own font file) draws
// the lines drawn before and new ones alike. The machine has one font file that is not among its
// fonts and that every build of the components has: the icon font of Qt's documentation, whose
// blank and icons are its own while its family falls back for every other character.
TEST(CanvasText, AFaceAddedWhileRunningDrawsKeptAndNewLines)
{
    const QString file = QLibraryInfo::path(QLibraryInfo::DocumentationPath) + QStringLiteral("/global/template/style/icomoon.ttf");
    if (!QFile::exists(file))
        GTEST_SKIP() << "no " << file.toStdString();
    const QFont font(QStringLiteral("icomoon"), 12);
    const QString kept = QStringLiteral("Müller Bau GmbH 02.01.2019 \uE600\uE601");
    const QImage before = DrawnByCanvas(kept, font);
    const int id = QFontDatabase::addApplicationFont(file);
    ASSERT_GE(id, 0);
    QCoreApplication::processEvents();
    EXPECT_NE(before, DrawnByQt(kept, font)) << "the face changes nothing";
    for (const QString& line : { kept, QStringLiteral("Schäfer Holz 1.234,56 \uE602") })
        EXPECT_TRUE(DrawnAsQtDrawsIt(line, font));
    QFontDatabase::removeApplicationFont(id);
    QCoreApplication::processEvents();
    EXPECT_TRUE(DrawnAsQtDrawsIt(kept, font));
}

// A soft hyphen inside a word shows nothing, and underlines, strike-outs and overlines start and end
// where Qt's drawText puts them, in every face and size.
TEST(CanvasText, SoftHyphensAndDecorationsDrawAsQtDrawsThem)
{
    QList<QFont> fonts;
    for (const char* family : { "DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono" })
        for (const int points : { 8, 9, 10, 11, 13 })
            for (const int decorations : { 0, 1, 2, 4, 7 }) {
                QFont font = DejaVu(family, points);
                font.setBold(points % 2 == 0);
                font.setUnderline(decorations & 1);
                font.setStrikeOut(decorations & 2);
                font.setOverline(decorations & 4);
                fonts.append(font);
            }
    const char* lines[] { "Donau\u00ADdampf\u00ADschiff\u00ADfahrt", "Becker GmbH", "RE-0000123", "1.234,56", "Ärzte Öl Über",
        "AVAWAY To", "x", "Weiß Glas OHG ", "東京 1-1", "smile \U0001F600 go" };
    for (const QFont& font : fonts)
        for (const char* line : lines)
            EXPECT_TRUE(DrawnAsQtDrawsIt(QString::fromUtf8(line), font));
}

namespace {

// A note far wider than any cell: words of letters that differ from note to note.
QString NoteOf(int Number, int Length)
{
    QString note = QStringLiteral("Note %1: ").arg(Number);
    for (int i = 0; note.size() < Length; ++i)
        note += (i + Number) % 7 == 6 ? QChar(u' ') : QChar(u'a' + (i * 7 + Number) % 26);
    return note;
}

} // namespace

// A single-line cell shows the start of a long text as the whole text shaped shows it, cut with its
// ellipsis or clipped, in every script; only what it shows is shaped, so notes of thousands of
// characters keep no more shapes than the cache's bound.
TEST(CanvasText, LongLinesInSingleLineCellsShowTheirStartAsTheWholeLineDoes)
{
    const int flags = TextFlags::SingleLine | TextFlags::NoPrefix;
    const QString tail = NoteOf(1, 400);
    const char* starts[] { "Müller Bau GmbH & Co. KG, AVAWAY To ", "e\u0301te\u0301 de\u0301ja\u0300 vu ", "नमस्ते दुनिया ",
        "東京都千代田区丸の内 ", "مرحبا بالعالم ", "12 345 ", "Total: مرحبا 42 " };
    for (const QFont& font : { DejaVu(), DejaVu("DejaVu Serif", 9), With(DejaVu(), [](QFont& F) { F.setItalic(true); }) }) {
        for (const char* start : starts) {
            const QString line = QString::fromUtf8(start) + tail;
            for (const int width : { 7, 60, 190 }) {
                EXPECT_EQ(DrawnByQt(line, font, width), DrawnByCanvas(line, font, flags, width)) << start << width;
                EXPECT_EQ(DrawnByCanvas(CutOneAtATime(line, font, width), font, flags, width),
                    DrawnByCanvas(line, font, flags | TextFlags::WordEllipsis, width))
                    << start << width;
            }
        }
    }

    const qsizetype keptBefore = ShapesKeptBytes();
    DrawnByCanvas(NoteOf(2, 10000), DejaVu(), flags | TextFlags::WordEllipsis, 190);
    EXPECT_LT(ShapesKeptBytes() - keptBefore, 10000) << "more than the shown start is shaped";
    for (int note = 0; note < 800; ++note)
        DrawnByCanvas(NoteOf(note, 2000), DejaVu(), flags | (note % 2 ? TextFlags::WordEllipsis : 0), PictureWidth);
    EXPECT_LE(ShapesKeptBytes(), ShapesKeptLimit);
}
