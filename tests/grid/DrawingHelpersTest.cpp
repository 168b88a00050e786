#include "grid/paint/DrawingHelpers.h"

#include <tarvex/platform/VisualStyle.h>

#include <QFont>
#include <QImage>
#include <QPalette>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

constexpr qint32 White = 0xFFFFFF;

struct Picture {
    QImage Image;
    QPalette Palette;
    Canvas Draw { Image, Palette };

    Picture(int Width, int Height)
        : Image(Width, Height, QImage::Format_RGB32)
    {
        Draw.Clear(White);
    }
    qint32 At(int X, int Y) const { return qint32(Canvas::Pixel(Image, X, Y)); }
};

QPalette WhiteWindow()
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Base, Qt::white);
    return palette;
}

// Text fitted as it has always been: every character added to the line and the whole line measured.
QString FitOneCharacterAtATime(const QString& Text, double Width, qint16 MaxLines,
                               const std::function<double(const QString&)>& TextWidth)
{
    const auto trim = [](const QString& Line) {
        qsizetype first = 0;
        qsizetype last = Line.size();
        while (first < last && Line[first] == QLatin1Char(' '))
            ++first;
        while (last > first && Line[last - 1] == QLatin1Char(' '))
            --last;
        return Line.mid(first, last - first);
    };
    const QString crLf = QStringLiteral("\r\n");
    const bool limited = MaxLines != -1;
    QString line, result;
    qsizetype breakAt = 0;
    int count = 0;
    const QString source = trim(Text).replace(crLf, QStringLiteral(" "));
    for (const QChar ch : source) {
        line += ch;
        if (!((ch >= QLatin1Char('A') && ch <= QLatin1Char('Z')) || (ch >= QLatin1Char('a') && ch <= QLatin1Char('z')) || ch == QLatin1Char('_')))
            breakAt = line.size();
        if (TextWidth(line) >= Width && breakAt != 0) {
            result += (result.isEmpty() ? QString() : crLf) + trim(line.left(breakAt));
            line = trim(line.mid(breakAt));
            breakAt = 0;
            count += limited ? 1 : 0;
        }
        if (limited && count == MaxLines)
            break;
    }
    if (!limited)
        return result.isEmpty() ? line : line.isEmpty() ? result : result + crLf + line;
    if (count >= MaxLines) {
        if (!line.isEmpty())
            line[line.size() - 1] = QLatin1Char(' ');
        result += line;
        return trim(result.left(std::max<qsizetype>(result.size() - 3, 0))) + QStringLiteral("...");
    }
    return result.isEmpty() ? trim(line) : result + crLf + trim(line);
}

} // namespace

TEST(DrawingHelpers, ColourArithmeticFollowsItsDocumentedRounding)
{
    struct Case { const char* What; qint32 Result, Expected; };
    const Case cases[] = {
        { "blend half", BlendColor(0xFFFFFF, 0, 128), 0x808080 },
        { "blend all of c1", BlendColor(0x0000FF, 0xFF0000, 255), 0x0000FF },
        { "blend none of c1", BlendColor(0x0000FF, 0xFF0000, 0), 0xFF0000 },
        // red 3 x 128/255 + 2 x 127/255 = 2.502 -> 3, green 1.004 -> 1, blue 0.502 -> 1
        { "blend channels apart", BlendColor(0x010203, 0x000002, 128), 0x010103 },
        { "blend selection", BlendColor(0x000003, 0x000002, 150), 0x000003 },
        { "blend tie to even", BlendColor(0x000001, 0x000000, 127) , 0x000000 },
        { "shift window down", ShiftColor(qint32(0x80000005), -50, WhiteWindow()), 0xCDCDCD },
        { "shift clamps up", ShiftColor(0xF01080, 25, WhiteWindow()), 0xFF2999 },
        { "shift clamps down", ShiftColor(0x102030, -40, WhiteWindow()), 0x000008 },
        { "adjust up", AdjustColor(0x102030, 50), 0x425262 },
        { "adjust up clamps", AdjustColor(0xF0F0F0, 50), 0xFFFFFF },
        { "adjust down clamps", AdjustColor(0x101010, -40), 0 },
        { "adjust system colour", AdjustColor(qint32(0x8000000F), -40), 0 },
        // -255 x 65536 - 255 x 256 + 15 + 50: the system colour's channels stay below zero
        { "adjust system colour up", AdjustColor(qint32(0x8000000F), 50), 65 - 205 * 256 - 205 * 65536 },
        { "adjust nothing", AdjustColor(qint32(0x8000000F), 0), 15 - 255 * 256 - 255 * 65536 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.Expected, c.Result) << c.What;

    qint32 result = 0;
    EXPECT_TRUE(TranslateOleColor(qint32(0x80000005), WhiteWindow(), result));
    EXPECT_EQ(0xFFFFFF, result);
    EXPECT_FALSE(TranslateOleColor(qint32(0x80000040), WhiteWindow(), result));
    EXPECT_EQ(-1, result);
}

TEST(DrawingHelpers, FitCellTextBreaksAfterNonLettersAndCutsAtTheLineLimit)
{
    // One unit per character makes every width exact.
    const auto width = [](const QString& Text) { return double(Text.size()); };
    struct Case { QString Text; double Width; qint16 MaxLines; QString Expected; };
    const Case cases[] = {
        { "alpha beta gamma", 8, -1, "alpha\r\nbeta\r\ngamma" },
        { "alpha beta gamma", 8, 1, "alph..." },
        { "alpha beta gamma", 8, 2, "alpha\r\nbeta..." },
        { "a_b_c,d", 3, -1, "a_b_c,\r\nd" },
        // A text with nowhere to break stays whole, neither cut nor shortened, whatever the limit.
        { "unbreakablewordlongerthanthewidth", 5, -1, "unbreakablewordlongerthanthewidth" },
        { "unbreakablewordlongerthanthewidth", 5, 1, "unbreakablewordlongerthanthewidth" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.Expected.toStdString(), FitCellText(c.Text, c.Width, c.MaxLines, width).toStdString())
            << c.Text.toStdString() << " at " << c.Width << ", " << c.MaxLines;

    // Every width and limit, in units and in a font's pixels, lands where fitting a character at a
    // time puts it.
    const QFont font;
    const auto pixels = [&](const QString& Text) { return Canvas::TextWidth(font, Text); };
    const char* const texts[] = { "alpha beta gamma", "a  b,,c d_e-f g", "unbreakable then x", " x,y\rz 42-17 ",
        "  padded\r\ntext  ", "Größe, Maß; 42-17 (x_y)", "كتب الطالب الدرس في المكتبة", "東京都千代田区 丸の内" };
    for (const char* text : texts) {
        const QString line = QString::fromUtf8(text);
        for (const qint16 maxLines : { -1, 0, 1, 2, 3, -5 }) {
            for (int w = -1; w <= 20; ++w)
                EXPECT_EQ(FitOneCharacterAtATime(line, w, maxLines, width), FitCellText(line, w, maxLines, width))
                    << text << " at " << w << " units, " << maxLines;
            for (int w = 0; w <= 160; w += 9)
                EXPECT_EQ(FitOneCharacterAtATime(line, w, maxLines, pixels), FitCellText(line, w, maxLines, font))
                    << text << " at " << w << " px, " << maxLines;
        }
    }
}

TEST(DrawingHelpers, SortArrowIsDrawnRowByRowNarrowingToItsTip)
{
    struct Case { int Direction, FirstRow, Step; };
    for (const Case& c : { Case { 1, 20, 1 }, Case { 2, 24, -1 } }) {
        Picture picture(30, 30);
        DrawSortArrow(picture.Draw, 10, 20, 9, 5, c.Direction);
        const qint32 ink = qint32(ToOleColor(TranslateOleColor(0x80000015, picture.Palette)));
        for (int k = 0; k < 5; ++k) {
            const int row = c.FirstRow + c.Step * k;
            EXPECT_EQ(White, picture.At(9 + k, row)) << c.Direction << " row " << row;
            EXPECT_EQ(ink, picture.At(10 + k, row)) << c.Direction << " row " << row;
            EXPECT_EQ(ink, picture.At(18 - k, row)) << c.Direction << " row " << row;
            EXPECT_EQ(White, picture.At(19 - k, row)) << c.Direction << " row " << row;
        }
        EXPECT_EQ(White, picture.At(14, 19));
        EXPECT_EQ(White, picture.At(14, 25));
    }
    Picture none(30, 30);
    DrawSortArrow(none.Draw, 10, 20, 9, 5, 0);
    EXPECT_EQ(White, none.At(14, 22));
}

TEST(DrawingHelpers, DrawStringNeverTreatsAnAmpersandAsAMnemonicAndAddsTheEllipsisFlags)
{
    Picture picture(200, 40);
    const QFont font;
    const auto drawn = [&](const char* Text, int Length, int Width, int Ellipsis) {
        Rect r { 0, 0, Width, 40 };
        DrawString(picture.Draw, QString::fromLatin1(Text), Length, r, TextFlags::CalcRect | TextFlags::SingleLine, Ellipsis, font, 0);
        return r.Right;
    };
    const auto width = [&](const char* Text) { return Canvas::TextWidth(font, QString::fromLatin1(Text)); };
    EXPECT_NEAR(width("A&B"), drawn("A&B", -1, 200, 0), 1);
    EXPECT_NEAR(width("abc"), drawn("abcdefghijkl", 3, 200, 0), 1);
    EXPECT_LE(drawn("abcdefghijkl", -1, int(width("abcdef")), TextFlags::WordEllipsis), int(width("abcdef")));
}

TEST(DrawingHelpers, ThemedButtonGrowsItsRectangleAndFallsBackWithoutAStyle)
{
    for (bool themed : { true, false }) {
        VisualStyle::Override style(themed);
        Picture picture(40, 30);
        Rect bounds { 5, 5, 25, 20 };
        Rect classic {};
        DrawThemedButton(picture.Draw, bounds, 1, [&](Rect& R, int State) {
            classic = R;
            EXPECT_EQ(1, State);
        });
        EXPECT_EQ((Rect { 5, 5, 26, 21 }), bounds);
        EXPECT_EQ(themed ? Rect {} : bounds, classic) << themed;
        EXPECT_EQ(themed, picture.At(15, 12) != White) << themed;
    }
}
