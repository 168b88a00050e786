#include "platform/Canvas.h"

#include <QElapsedTimer>
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

} // namespace

TEST(Canvas, LineCoversItsStartAndLeavesOutItsEndPoint)
{
    Picture picture;
    picture.Draw.Line(1, 1, 5, 1, Black);
    picture.Draw.Line(8, 7, 8, 2, Black);
    picture.Draw.Line(0, 4, 3, 7, Red);
    picture.Draw.Line(10, 8, 10, 8, Red);

    EXPECT_EQ(Black, picture.At(1, 1));
    EXPECT_EQ(Black, picture.At(4, 1));
    EXPECT_EQ(White, picture.At(5, 1));
    EXPECT_EQ(Black, picture.At(8, 7));
    EXPECT_EQ(Black, picture.At(8, 3));
    EXPECT_EQ(White, picture.At(8, 2));
    EXPECT_EQ(Red, picture.At(2, 6));
    EXPECT_EQ(White, picture.At(3, 7));
    EXPECT_EQ(White, picture.At(10, 8));
}

TEST(Canvas, ExclusiveOrInvertsEveryPixelOfAFrameOnceAndDrawnTwiceRestoresThePicture)
{
    Picture picture;
    picture.Draw.Line(0, 5, 12, 5, Red);
    const QImage before = picture.Image.copy();
    const int corners[][2] = { { 2, 2 }, { 9, 2 }, { 9, 7 }, { 2, 7 }, { 2, 2 } };
    for (int i = 0; i < 4; ++i)
        picture.Draw.Line(corners[i][0], corners[i][1], corners[i + 1][0], corners[i + 1][1], White, DrawModes::XorPen);

    for (const auto& corner : corners)
        EXPECT_EQ(Black, picture.At(corner[0], corner[1]));
    EXPECT_EQ(Black, picture.At(5, 7));
    EXPECT_EQ(Red, picture.At(5, 5));

    for (int i = 0; i < 4; ++i)
        picture.Draw.Line(corners[i][0], corners[i][1], corners[i + 1][0], corners[i + 1][1], White, DrawModes::XorPen);
    EXPECT_EQ(before, picture.Image);
}

TEST(Canvas, DrawingFarOutsideTheImageIsClippedWithoutWalkingTheWholeLine)
{
    Picture picture;
    QElapsedTimer timer;
    timer.start();
    picture.Draw.Line(-200000000, 5, 200000000, 5, Black);
    picture.Draw.Line(INT_MIN, INT_MIN, INT_MAX, INT_MAX, Red);
    picture.Draw.Line(INT_MIN, 7, INT_MAX, 7, Red);
    picture.Draw.Line(-200000000, -200000000, 200000000, 200000000, Black);
    picture.Draw.DrawFocusRect(Rect { -200000000, -200000000, 200000000, 200000000 });
    EXPECT_LT(timer.elapsed(), 1000);

    EXPECT_EQ(Black, picture.At(0, 5));
    EXPECT_EQ(Black, picture.At(11, 5));
    EXPECT_EQ(Black, picture.At(3, 3));
    EXPECT_EQ(Red, picture.At(11, 7));
    EXPECT_EQ(Canvas::NoPixel, picture.At(12, 0));
}

TEST(Canvas, TextStartsAtItsTopLeftCorner)
{
    Picture picture(80, 40);
    picture.Draw.DrawText(20, 10, QStringLiteral("HH"), QFont(), Black);

    bool inkAboveOrLeft = false;
    bool inkInside = false;
    for (int y = 0; y < picture.Image.height(); ++y)
        for (int x = 0; x < picture.Image.width(); ++x)
            if (picture.At(x, y) != White)
                (x < 20 || y < 10 ? inkAboveOrLeft : inkInside) = true;
    EXPECT_FALSE(inkAboveOrLeft);
    EXPECT_TRUE(inkInside);
}

TEST(Canvas, FocusRectangleAtTheEdgesOfTheIntRangeInvertsOnlyWhatShowsAndTwiceRestores)
{
    const Rect cases[] = {
        { INT_MIN, INT_MIN, INT_MAX, INT_MAX },
        { INT_MIN, 3, 5, INT_MAX },
        { 4, INT_MIN, INT_MAX, 6 },
        { INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX },
        { 2, 2, 9, 7 },
    };
    for (const Rect& bounds : cases) {
        Picture picture;
        const QImage before = picture.Image.copy();
        picture.Draw.DrawFocusRect(bounds);
        picture.Draw.DrawFocusRect(bounds);
        EXPECT_EQ(before, picture.Image) << bounds.Left << "," << bounds.Top;
    }
    Picture picture;
    picture.Draw.DrawFocusRect(Rect { INT_MIN, 3, 5, INT_MAX });
    EXPECT_EQ(Black, picture.At(4, 4));
    EXPECT_EQ(White, picture.At(4, 5));
    EXPECT_EQ(Black, picture.At(1, 3));
    EXPECT_EQ(White, picture.At(2, 3));
}

TEST(Canvas, RectanglesLeaveOutTheirRightAndBottomEdges)
{
    Picture picture;
    picture.Draw.FillRect(Rect { 1, 1, 4, 3 }, Black);
    picture.Draw.FrameRect(Rect { 5, 1, 10, 8 }, Red);
    picture.Draw.FrameRect(Rect { 0, 4, 5, 10 }, Black, 2);

    struct Probe { int X, Y; OleColor Expected; };
    const Probe probes[] = {
        { 1, 1, Black }, { 3, 2, Black }, { 4, 2, White }, { 3, 3, White },
        { 5, 1, Red }, { 9, 7, Red }, { 10, 7, White }, { 9, 8, White }, { 6, 2, White },
        { 1, 6, Black }, { 2, 7, White }, { 3, 9, Black }, { 2, 8, Black },
    };
    for (const Probe& probe : probes)
        EXPECT_EQ(probe.Expected, picture.At(probe.X, probe.Y)) << probe.X << "," << probe.Y;
}

TEST(Canvas, WidePensCoverTheirWidthAroundTheLine)
{
    Picture picture(20, 20);
    picture.Draw.Line(5, 2, 5, 12, Black, 2);
    picture.Draw.Line(8, 10, 16, 10, Red, 3);
    picture.Draw.Line(2, 16, 6, 16, Black, 1);

    struct Probe { int X, Y; OleColor Expected; };
    const Probe probes[] = {
        { 4, 5, Black }, { 5, 5, Black }, { 6, 5, White }, { 3, 5, White }, { 5, 12, Black }, { 5, 13, White },
        { 7, 9, Red }, { 16, 11, Red }, { 12, 8, White }, { 12, 12, White }, { 17, 10, Red }, { 18, 10, White },
        { 5, 16, Black }, { 6, 16, White },
    };
    for (const Probe& probe : probes)
        EXPECT_EQ(probe.Expected, picture.At(probe.X, probe.Y)) << probe.X << "," << probe.Y;
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
    Picture falling(20, 4);
    falling.Draw.GradientFill(Rect { 0, 0, 4, 4 }, 0xFFFFFF, 0x000000, false);
    EXPECT_EQ(0xFFFFFFu, falling.At(0, 0));
    EXPECT_EQ(0x3F3F3Fu, falling.At(3, 0));
}

TEST(Canvas, TheClipRectangleLimitsEveryKindOfDrawingUntilItIsCleared)
{
    Picture picture(40, 30);
    picture.Draw.SetClip(Rect { 10, 10, 20, 20 });
    picture.Draw.FillRect(Rect { 0, 0, 40, 30 }, Red);
    picture.Draw.Line(0, 5, 40, 5, Black);
    Rect text { 0, 0, 40, 30 };
    picture.Draw.DrawText(QStringLiteral("WWWWWWWW"), text, 0, QFont(), Black);
    EXPECT_EQ(Red, picture.At(10, 10));
    EXPECT_EQ(Red, picture.At(19, 19));
    EXPECT_EQ(White, picture.At(9, 10));
    EXPECT_EQ(White, picture.At(20, 19));
    EXPECT_EQ(White, picture.At(3, 5));

    picture.Draw.ClearClip();
    picture.Draw.Line(0, 5, 40, 5, Black);
    EXPECT_EQ(Black, picture.At(3, 5));
}

TEST(Canvas, FlatCheckBoxShowsItsMarkOnlyWhenChecked)
{
    Picture plain(14, 14), checked(14, 14), pushed(20, 16);
    plain.Draw.Clear(Red);
    checked.Draw.Clear(Red);
    EXPECT_TRUE(plain.Draw.DrawFrameControl(Rect { 0, 0, 14, 14 }, FrameControl::Button, FrameControl::Flat));
    EXPECT_TRUE(checked.Draw.DrawFrameControl(Rect { 0, 0, 14, 14 }, FrameControl::Button, FrameControl::Flat | FrameControl::Checked));
    EXPECT_FALSE(plain.Draw.DrawFrameControl(Rect { 0, 0, 14, 14 }, 3, 0));

    const OleColor frame = ToOleColor(TranslateOleColor(SystemColor::ButtonShadow, plain.Palette));
    EXPECT_EQ(frame, plain.At(0, 0));
    EXPECT_EQ(frame, plain.At(13, 13));
    EXPECT_EQ(White, plain.At(7, 7));
    EXPECT_EQ(Black, checked.At(6, 7));
    EXPECT_EQ(White, checked.At(1, 1));

    pushed.Draw.DrawFrameControl(Rect { 0, 0, 20, 16 }, FrameControl::Button, FrameControl::ButtonPush | FrameControl::Pushed);
    EXPECT_EQ(ToOleColor(TranslateOleColor(SystemColorFlag | 21, pushed.Palette)), pushed.At(19, 0));
    EXPECT_EQ(ToOleColor(TranslateOleColor(SystemColor::ButtonFace, pushed.Palette)), pushed.At(10, 8));
}

namespace {

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

TEST(Canvas, TextFlagsPlaceTheTextInItsRectangle)
{
    const QString text = QStringLiteral("Hi");
    const QFont font;
    const int width = int(Canvas::TextWidth(font, text));
    const Rect bounds { 10, 10, 110, 70 };
    struct Case { int Flags; bool Left, Centred, Right, Top, Middle, Bottom; };
    const Case cases[] = {
        { TextFlags::Left, true, false, false, true, false, false },
        { TextFlags::Center, false, true, false, true, false, false },
        { TextFlags::Right, false, false, true, true, false, false },
        { TextFlags::Right | TextFlags::VCenter | TextFlags::SingleLine, false, false, true, false, true, false },
        { TextFlags::Bottom | TextFlags::SingleLine, true, false, false, false, false, true },
        { TextFlags::Bottom, true, false, false, true, false, false },
    };
    for (const Case& c : cases) {
        Picture picture(120, 80);
        Rect r = bounds;
        picture.Draw.DrawText(text, r, c.Flags, font, Black);
        const Rect ink = Ink(picture);
        const int middle = (ink.Left + ink.Right) / 2;
        EXPECT_EQ(c.Left, ink.Left < bounds.Left + 4) << c.Flags;
        EXPECT_EQ(c.Centred, std::abs(middle - 60) <= 3) << c.Flags;
        EXPECT_EQ(c.Right, ink.Right > bounds.Right - 4 && ink.Right <= bounds.Right) << c.Flags;
        EXPECT_EQ(c.Top, ink.Top < bounds.Top + 8) << c.Flags;
        EXPECT_EQ(c.Middle, std::abs((ink.Top + ink.Bottom) / 2 - 40) <= 4) << c.Flags;
        EXPECT_EQ(c.Bottom, ink.Bottom > bounds.Bottom - 8) << c.Flags;
        EXPECT_LE(ink.Width(), width + 2);
    }
}

TEST(Canvas, MeasuringLaysTextOutWithoutDrawing)
{
    const QFont font;
    Rect one { 0, 0, 100, 0 };
    Picture measure;
    const int line = measure.Draw.DrawText(QStringLiteral("x"), one, TextFlags::CalcRect, font, Black);
    const QString words = QStringLiteral("alpha beta gamma delta");
    const int narrow = int(Canvas::TextWidth(font, QStringLiteral("alpha beta gamma"))) + 1;
    struct Case { QString Text; int Width, Flags, Lines; };
    const Case cases[] = {
        { words, narrow, TextFlags::SingleLine, 1 },
        { words, narrow, TextFlags::WordBreak, 2 },
        { words, narrow, TextFlags::WordBreak | TextFlags::SingleLine, 1 },
        { QStringLiteral("one\r\ntwo\nthree"), 500, 0, 3 },
        { QStringLiteral("one\r\ntwo"), 500, TextFlags::SingleLine, 1 },
        { QStringLiteral("unbreakablewordthatistoolong"), 10, TextFlags::WordBreak, 1 },
    };
    for (const Case& c : cases) {
        Picture picture(50, 50);
        Rect r { 5, 5, 5 + c.Width, 6 };
        EXPECT_EQ(c.Lines * line, picture.Draw.DrawText(c.Text, r, c.Flags | TextFlags::CalcRect, font, Black)) << c.Text.toStdString();
        EXPECT_EQ(5 + c.Lines * line, r.Bottom) << c.Text.toStdString();
        EXPECT_EQ(Rect {}, Ink(picture)) << c.Text.toStdString();
    }
    Rect r { 0, 0, 1, 1 };
    Picture picture;
    picture.Draw.DrawText(QStringLiteral("alpha"), r, TextFlags::CalcRect, font, Black);
    EXPECT_NEAR(Canvas::TextWidth(font, QStringLiteral("alpha")), r.Right, 1);
}

TEST(Canvas, EllipsisAndPrefixChangeWhatIsDrawn)
{
    const QFont font;
    const QString long_ = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    const int fits = int(Canvas::TextWidth(font, QStringLiteral("abcdefgh")));
    Rect cut { 0, 0, fits, 30 };
    Rect measured = cut;
    Picture picture(200, 30);
    picture.Draw.DrawText(long_, measured, TextFlags::SingleLine | TextFlags::WordEllipsis | TextFlags::CalcRect, font, Black);
    EXPECT_LE(measured.Right, fits);
    EXPECT_GT(measured.Right, fits - int(Canvas::TextWidth(font, QStringLiteral("W...."))));

    Rect prefixed { 0, 0, 200, 30 };
    Rect plain = prefixed;
    picture.Draw.DrawText(QStringLiteral("&Save && go"), prefixed, TextFlags::CalcRect, font, Black);
    picture.Draw.DrawText(QStringLiteral("&Save && go"), plain, TextFlags::CalcRect | TextFlags::NoPrefix, font, Black);
    EXPECT_NEAR(Canvas::TextWidth(font, QStringLiteral("Save & go")), prefixed.Right, 1);
    EXPECT_NEAR(Canvas::TextWidth(font, QStringLiteral("&Save && go")), plain.Right, 1);
}
