#include "platform/Canvas.h"

#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QPalette>

#include <gtest/gtest.h>

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
    picture.Draw.Line(-200000000, -200000000, 200000000, 200000000, Black);
    picture.Draw.DrawFocusRect(Rect { -200000000, -200000000, 200000000, 200000000 });
    EXPECT_LT(timer.elapsed(), 1000);

    EXPECT_EQ(Black, picture.At(0, 5));
    EXPECT_EQ(Black, picture.At(11, 5));
    EXPECT_EQ(Black, picture.At(3, 3));
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
