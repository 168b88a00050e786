#include "TestFonts.h"

#include <tarvex/platform/Canvas.h>

#include <QFont>
#include <QImage>
#include <QPalette>

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

using namespace Tarvex;

namespace {

constexpr OleColor White = 0xFFFFFF;
constexpr OleColor Black = 0x000000;
constexpr OleColor Red = 0x0000FF;

struct Picture {
    QImage Image;
    QPalette Palette;
    Canvas Draw { Image, Palette };

    explicit Picture(int Width = 12, int Height = 10)
        : Image(Width, Height, QImage::Format_RGB32)
    {
        Draw.Clear(White);
    }
    OleColor At(int X, int Y) const { return Canvas::Pixel(Image, X, Y); }
};

struct Probe {
    int X, Y;
    OleColor Expected;
};

void ExpectPixels(const Picture& Drawn, std::initializer_list<Probe> Probes)
{
    for (const Probe& probe : Probes)
        EXPECT_EQ(probe.Expected, Drawn.At(probe.X, probe.Y)) << probe.X << "," << probe.Y;
}

// The box around the ink of a picture, or an empty rectangle for none.
Rect Ink(const Picture& Drawn)
{
    Rect ink { INT_MAX, INT_MAX, INT_MIN, INT_MIN };
    for (int y = 0; y < Drawn.Image.height(); ++y)
        for (int x = 0; x < Drawn.Image.width(); ++x)
            if (Drawn.At(x, y) != White)
                ink = Rect { std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1), std::max(ink.Bottom, y + 1) };
    return ink.IsEmpty() ? Rect {} : ink;
}

} // namespace

TEST(Canvas, LineCoversItsStartAndLeavesOutItsEndPoint)
{
    Picture picture;
    picture.Draw.Line(1, 1, 5, 1, Black);
    picture.Draw.Line(8, 7, 8, 2, Black);
    picture.Draw.Line(0, 4, 3, 7, Red);
    picture.Draw.Line(10, 8, 10, 8, Red);

    ExpectPixels(picture, { { 1, 1, Black }, { 4, 1, Black }, { 5, 1, White }, { 8, 7, Black }, { 8, 3, Black },
                              { 8, 2, White }, { 2, 6, Red }, { 3, 7, White }, { 10, 8, White } });
}

TEST(Canvas, ExclusiveOrInvertsEveryPixelOfAFrameOnceAndDrawnTwiceRestoresThePicture)
{
    Picture picture;
    picture.Draw.Line(0, 5, 12, 5, Red);
    const QImage before = picture.Image.copy();
    const int corners[][2] = { { 2, 2 }, { 9, 2 }, { 9, 7 }, { 2, 7 }, { 2, 2 } };
    for (int i = 0; i < 4; ++i)
        picture.Draw.Line(corners[i][0], corners[i][1], corners[i + 1][0], corners[i + 1][1], White, DrawModes::XorPen);

    ExpectPixels(picture, { { 2, 2, Black }, { 9, 2, Black }, { 9, 7, Black }, { 2, 7, Black }, { 5, 7, Black }, { 5, 5, Red } });

    for (int i = 0; i < 4; ++i)
        picture.Draw.Line(corners[i][0], corners[i][1], corners[i + 1][0], corners[i + 1][1], White, DrawModes::XorPen);
    EXPECT_EQ(before, picture.Image);
}

TEST(Canvas, DrawingFarOutsideTheImageIsClipped)
{
    Picture picture;
    picture.Draw.Line(-200000000, 5, 200000000, 5, Black);
    picture.Draw.Line(INT_MIN, INT_MIN, INT_MAX, INT_MAX, Red);
    picture.Draw.Line(INT_MIN, 7, INT_MAX, 7, Red);
    picture.Draw.Line(-200000000, -200000000, 200000000, 200000000, Black);
    picture.Draw.DrawFocusRect(Rect { -200000000, -200000000, 200000000, 200000000 });

    ExpectPixels(picture, { { 0, 5, Black }, { 11, 5, Black }, { 3, 3, Black }, { 11, 7, Red }, { 12, 0, Canvas::NoPixel } });
}

TEST(Canvas, AWidePenCoversASquareBlockOnEveryPixelOfTheThinLineAndItsEndPoint)
{
    struct Case { int X1, Y1, X2, Y2, Width; };
    const Case cases[] = {
        { 2, 3, 20, 9, 2 }, { 20, 9, 2, 3, 3 }, { 3, 18, 9, 1, 4 }, { 21, 2, 17, 19, 5 },
        { -15, -7, 40, 30, 7 }, { 30, -10, -12, 25, 6 }, { 5, 5, 6, 6, 30 }, { -30, 12, 50, 13, 3 },
        // Lines along an axis, as wide grid lines are, take a shorter road through the canvas.
        { 12, 2, 12, 12, 2 }, { 8, 15, 16, 15, 3 }, { 16, 15, 8, 15, 3 },
    };
    constexpr int Offset = 60; // the thin line is traced in a larger picture that holds all of it
    for (const Case& c : cases) {
        Picture thin(160, 160);
        thin.Draw.Line(c.X1 + Offset, c.Y1 + Offset, c.X2 + Offset, c.Y2 + Offset, Black);
        Picture expected(24, 20);
        const auto block = [&](int X, int Y) {
            expected.Draw.FillRect(Rect { X - c.Width / 2, Y - c.Width / 2, X - c.Width / 2 + c.Width, Y - c.Width / 2 + c.Width }, Red);
        };
        for (int y = 0; y < thin.Image.height(); ++y)
            for (int x = 0; x < thin.Image.width(); ++x)
                if (thin.At(x, y) == Black)
                    block(x - Offset, y - Offset);
        block(c.X2, c.Y2);

        Picture drawn(24, 20);
        drawn.Draw.Line(c.X1, c.Y1, c.X2, c.Y2, Red, c.Width);
        EXPECT_EQ(expected.Image, drawn.Image) << c.X1 << "," << c.Y1 << " to " << c.X2 << "," << c.Y2 << " pen " << c.Width;
    }
}

TEST(Canvas, PensAndFramesOfHostileSizesDrawOnlyWhatShows)
{
    struct Case { Rect Line; int Width; bool CoversAll; };
    const Case lines[] = {
        { { -5, 3, 30, 9 }, INT_MAX, true },
        { { INT_MIN, INT_MIN, INT_MAX, INT_MAX }, INT_MAX, true },
        { { INT_MAX, INT_MIN, INT_MIN, INT_MAX }, 1000000, true },
        { { INT_MIN, 0, INT_MAX, 1 }, 1000000, true },
        { { INT_MIN, INT_MIN, INT_MIN + 10, INT_MIN + 7 }, 1000000, false },
        { { INT_MAX, INT_MAX, INT_MAX - 10, INT_MAX - 3 }, INT_MAX, false },
    };
    for (const Case& c : lines) {
        Picture picture;
        picture.Draw.Line(c.Line.Left, c.Line.Top, c.Line.Right, c.Line.Bottom, Red, c.Width);
        const Rect covered = c.CoversAll ? Rect { 0, 0, 12, 10 } : Rect {};
        EXPECT_EQ(covered, Ink(picture)) << c.Line.Left << "," << c.Line.Top << " pen " << c.Width;
    }

    const auto system = [](OleColor Color) { return ToOleColor(TranslateOleColor(Color, QPalette())); };
    Picture whole, beside;
    whole.Draw.Clear(Red);
    beside.Draw.Clear(Red);
    EXPECT_TRUE(whole.Draw.DrawFrameControl(Rect { INT_MIN, INT_MIN, INT_MAX, INT_MAX }, FrameControl::Button,
        FrameControl::Flat | FrameControl::Checked));
    EXPECT_TRUE(beside.Draw.DrawFrameControl(Rect { INT_MIN, 0, INT_MAX, 10 }, FrameControl::Button, FrameControl::Checked));
    EXPECT_EQ(system(SystemColor::Window), whole.At(11, 9)); // inside a box far larger than the picture
    EXPECT_EQ(Red, beside.At(11, 0));                          // a 10-pixel box at the far left of the int range
}

TEST(Canvas, FocusRectangleAtTheEdgesOfTheIntRangeInvertsOnlyWhatShowsAndTwiceRestores)
{
    const Rect cases[] = { { INT_MIN, INT_MIN, INT_MAX, INT_MAX }, { INT_MIN, 3, 5, INT_MAX },
        { 4, INT_MIN, INT_MAX, 6 }, { INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX } };
    for (const Rect& bounds : cases) {
        Picture picture;
        const QImage before = picture.Image.copy();
        picture.Draw.DrawFocusRect(bounds);
        picture.Draw.DrawFocusRect(bounds);
        EXPECT_EQ(before, picture.Image) << bounds.Left << "," << bounds.Top;
    }
    Picture picture;
    picture.Draw.DrawFocusRect(cases[1]);
    ExpectPixels(picture, { { 4, 4, Black }, { 4, 5, White }, { 1, 3, Black }, { 2, 3, White } });
}

// Wide lines are the wide-pen table's; a wide frame keeps its width inside the rectangle.
TEST(Canvas, RectanglesLeaveOutRightAndBottomAndWideFramesCoverTheirWidth)
{
    Picture picture(20, 20);
    picture.Draw.FillRect(Rect { 1, 1, 4, 3 }, Black);
    picture.Draw.FrameRect(Rect { 5, 1, 10, 8 }, Red);
    picture.Draw.FrameRect(Rect { 0, 4, 5, 10 }, Black, 2);

    ExpectPixels(picture, { { 1, 1, Black }, { 3, 2, Black }, { 4, 2, White }, { 3, 3, White }, { 5, 1, Red }, { 9, 7, Red },
        { 10, 7, White }, { 9, 8, White }, { 6, 2, White }, { 1, 6, Black }, { 2, 7, White }, { 3, 9, Black } });
}

TEST(Canvas, GradientsRunFromTheFirstColourTowardsTheSecondAtTheExcludedEdge)
{
    for (bool vertical : { false, true }) {
        Picture picture(20, 20);
        picture.Draw.GradientFill(Rect { 2, 2, 12, 12 }, 0x000000, 0xC8643C, vertical);
        const auto at = [&](int Step) { return vertical ? picture.At(7, 2 + Step) : picture.At(2 + Step, 7); };
        EXPECT_EQ(0x000000u, at(0));
        EXPECT_EQ(0x64321Eu, at(5));
        EXPECT_EQ(0xB45A36u, at(9));
        EXPECT_EQ(White, at(10));
        EXPECT_EQ(vertical ? picture.At(11, 7) : picture.At(7, 11), at(5));
    }
}

TEST(Canvas, TheClipRectangleLimitsEveryKindOfDrawingUntilItIsCleared)
{
    Picture picture(40, 30);
    picture.Draw.SetClip(Rect { 10, 10, 20, 20 });
    picture.Draw.FillRect(Rect { 0, 0, 40, 30 }, Red);
    picture.Draw.Line(0, 5, 40, 5, Black);
    Rect text { 0, 0, 40, 30 };
    picture.Draw.DrawText(QStringLiteral("WWWWWWWW"), text, 0, DejaVuSans(), Black); // its letters end above y 10
    ExpectPixels(picture, { { 10, 10, Red }, { 19, 19, Red }, { 9, 10, White }, { 20, 19, White }, { 3, 5, White } });

    picture.Draw.ClearClip();
    picture.Draw.Line(0, 5, 40, 5, Black);
    EXPECT_EQ(Black, picture.At(3, 5));
}

TEST(Canvas, FlatCheckBoxShowsItsMarkOnlyWhenCheckedAndAPushedButtonIsSunken)
{
    Picture plain(14, 14), checked(14, 14), pushed(20, 16);
    EXPECT_TRUE(plain.Draw.DrawFrameControl(Rect { 0, 0, 14, 14 }, FrameControl::Button, FrameControl::Flat));
    EXPECT_TRUE(checked.Draw.DrawFrameControl(Rect { 0, 0, 14, 14 }, FrameControl::Button, FrameControl::Flat | FrameControl::Checked));
    EXPECT_FALSE(plain.Draw.DrawFrameControl(Rect { 0, 0, 14, 14 }, 3, 0));
    pushed.Draw.DrawFrameControl(Rect { 0, 0, 20, 16 }, FrameControl::Button, FrameControl::ButtonPush | FrameControl::Pushed);

    const auto system = [&](OleColor Color) { return ToOleColor(TranslateOleColor(Color, plain.Palette)); };
    EXPECT_EQ(system(SystemColor::ButtonShadow), plain.At(13, 13));
    EXPECT_EQ(White, plain.At(6, 7));
    EXPECT_EQ(Black, checked.At(6, 7));
    EXPECT_EQ(White, checked.At(1, 1));
    EXPECT_EQ(system(SystemColorFlag | 21), pushed.At(19, 0));
    EXPECT_EQ(system(SystemColor::ButtonFace), pushed.At(10, 8));
}

TEST(Canvas, TextFlagsPlaceTheTextInItsRectangleAndAPointPlacesItsTopLeftCorner)
{
    const Rect bounds { 10, 10, 110, 70 };
    enum Place { Start, Middle, End };
    struct Case { int Flags; Place Across, Down; };
    const Case cases[] = {
        { TextFlags::Left, Start, Start }, { TextFlags::Center, Middle, Start }, { TextFlags::Right, End, Start },
        { TextFlags::Right | TextFlags::VCenter | TextFlags::SingleLine, End, Middle },
        { TextFlags::Bottom | TextFlags::SingleLine, Start, End }, { TextFlags::Bottom, Start, Start },
    };
    for (const Case& c : cases) {
        Picture picture(120, 80);
        Rect r = bounds;
        picture.Draw.DrawText(QStringLiteral("Hi"), r, c.Flags, QFont(), Black);
        const Rect ink = Ink(picture);
        const auto place = [](int Low, int High, int From, int To) {
            return Low < From + 8 ? Start : High > To - 8 ? End : std::abs((Low + High) / 2 - (From + To) / 2) <= 4 ? Middle : Place(-1);
        };
        EXPECT_EQ(c.Across, place(ink.Left, ink.Right, bounds.Left, bounds.Right)) << c.Flags;
        EXPECT_EQ(c.Down, place(ink.Top, ink.Bottom, bounds.Top, bounds.Bottom)) << c.Flags;
        EXPECT_LE(ink.Right, bounds.Right);
    }
    Picture picture(80, 40);
    picture.Draw.DrawText(20, 10, QStringLiteral("HH"), QFont(), Black);
    const Rect ink = Ink(picture);
    EXPECT_FALSE(ink.IsEmpty());
    EXPECT_GE(ink.Left, 20);
    EXPECT_GE(ink.Top, 10);
}

TEST(Canvas, MeasuringLaysTextOutWithoutDrawing)
{
    const QFont font = DejaVuSans(); // whose widths of whole words and of their letters agree to a pixel
    const auto width = [&](const char* Text) { return int(Canvas::TextWidth(font, QString::fromUtf8(Text))); };
    Picture picture(50, 50);
    Rect one { 0, 0, 100, 0 };
    const int line = picture.Draw.DrawText(QStringLiteral("x"), one, TextFlags::CalcRect, font, Black);
    const QString words = QStringLiteral("alpha beta gamma delta");
    const int narrow = width("alpha beta gamma") + 1;
    // Right -1: not checked.
    struct Case { QString Text; int Width, Flags, Lines, Right; };
    const Case cases[] = {
        { words, narrow, TextFlags::SingleLine, 1, -1 },
        { words, narrow, TextFlags::WordBreak, 2, narrow - 1 },
        { words, narrow, TextFlags::WordBreak | TextFlags::SingleLine, 1, -1 },
        { "one\r\ntwo\nthree", 500, 0, 3, width("three") },
        { "one\r\ntwo", 500, TextFlags::SingleLine, 1, width("one two") },
        { "unbreakablewordthatistoolong", 10, TextFlags::WordBreak, 1, width("unbreakablewordthatistoolong") },
        { "&Save && go", 500, 0, 1, width("Save & go") },
        { "&Save && go", 500, TextFlags::NoPrefix, 1, width("&Save && go") },
    };
    for (const Case& c : cases) {
        Rect r { 5, 5, 5 + c.Width, 6 };
        EXPECT_EQ(c.Lines * line, picture.Draw.DrawText(c.Text, r, c.Flags | TextFlags::CalcRect, font, Black)) << c.Text.toStdString();
        EXPECT_EQ(5 + c.Lines * line, r.Bottom) << c.Text.toStdString();
        if (c.Right >= 0) {
            EXPECT_NEAR(5 + c.Right, r.Right, 1) << c.Text.toStdString();
        }
    }
    EXPECT_EQ(Rect {}, Ink(picture));

    Rect cut { 0, 0, width("abcdefgh"), 30 };
    picture.Draw.DrawText("abcdefghijklmnopqrstuvwxyz", cut, TextFlags::SingleLine | TextFlags::WordEllipsis | TextFlags::CalcRect, font, Black);
    EXPECT_LE(cut.Right, width("abcdefgh"));
    EXPECT_GT(cut.Right, width("abcd"));
}
