#include <tarvex/platform/DoEvents.h>

#include <tarvex/platform/PictureBox.h>

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

constexpr OleColor White = 0xFFFFFF;
constexpr OleColor Black = 0x000000;

// A picture box placed on a host window the way a control places its constituents.
struct Placed {
    QWidget Host;
    PictureBox* Box { new PictureBox(&Host) };

    Placed()
    {
        Host.resize(200, 100);
        Box->Move(10, 10, 100, 50);
        Box->BackColor(White);
        Box->ForeColor(Black);
    }
};

} // namespace

TEST(Surface, PictureDrawnWhileHiddenShowsAndSurvivesAResizeThatFillsNewAreaWithTheBackColour)
{
    Placed placed;
    placed.Box->Line(0, 0, 100, 50);
    placed.Host.show();
    const QImage shown = placed.Box->grab().toImage();
    EXPECT_EQ(QColor(Qt::black), shown.pixelColor(40, 20));
    EXPECT_EQ(QColor(Qt::white), shown.pixelColor(40, 21));

    placed.Box->Move(10, 10, 150, 80);
    EXPECT_EQ(Black, placed.Box->Point(40, 20));
    EXPECT_EQ(White, placed.Box->Point(140, 70));
    EXPECT_EQ(Canvas::NoPixel, placed.Box->Point(150, 10));
}

TEST(Surface, TwipsScaleMeansFifteenToAPixel)
{
    Placed placed;
    placed.Box->ScaleMode(ScaleModes::Twips);
    EXPECT_EQ(1500, placed.Box->ScaleWidth());
    EXPECT_EQ(750, placed.Box->ScaleHeight());

    placed.Box->Line(150, 150, 600, 150);
    EXPECT_EQ(Black, placed.Box->Point(150, 150));
    EXPECT_EQ(Black, placed.Box->Point(585, 150));
    EXPECT_EQ(White, placed.Box->Point(600, 150));
    EXPECT_EQ(600, placed.Box->CurrentX());
}

// One inch is 96 pixels; any mode number not listed counts as twips.
TEST(Scale, EveryModeConvertsToPixelsAndBack)
{
    const std::pair<int, double> inchIn[] { { 1, 1440 }, { 2, 72 }, { 3, 96 }, { 4, 12 }, { 5, 1 }, { 6, 25.4 },
                                            { 7, 2.54 }, { 0, 1440 }, { 42, 1440 } };
    for (const auto& [mode, units] : inchIn) {
        const Scale scale { static_cast<ScaleModes>(mode) };
        EXPECT_DOUBLE_EQ(96.0, scale.ToPixels(units)) << mode;
        EXPECT_DOUBLE_EQ(units, scale.FromPixels(96.0)) << mode;
    }
    EXPECT_DOUBLE_EQ(15.0 / 240.0, Scale::UnitsPerPixelDown(ScaleModes::Characters)); // 240 twips down
    EXPECT_DOUBLE_EQ(0.75, Scale::UnitsPerPixelDown(ScaleModes::Points));
}

TEST(Surface, PrintMovesToTheNextLineAndClsStartsOverInTheBackColour)
{
    Placed placed;
    placed.Box->CurrentX(30);
    placed.Box->CurrentY(4);
    placed.Box->Print(QStringLiteral("Total"));
    EXPECT_EQ(0, placed.Box->CurrentX());
    EXPECT_EQ(4 + placed.Box->TextHeight(QStringLiteral("Total")), placed.Box->CurrentY());

    placed.Box->Line(0, 0, 100, 50);
    placed.Box->Cls();
    EXPECT_EQ(White, placed.Box->Point(20, 10));
    EXPECT_EQ(0, placed.Box->CurrentY());

    placed.Box->Line(0, 0, 100, 50);
    placed.Box->BackColor(0x00FFFF);
    EXPECT_EQ(OleColor(0x00FFFF), placed.Box->Point(20, 10));
}

TEST(PictureBox, MouseDownReportsButtonShiftAndPositionInTheScale)
{
    Placed placed;
    placed.Host.show();
    placed.Box->ScaleMode(ScaleModes::Twips);
    QSignalSpy presses(placed.Box, &PictureBox::MouseDown);

    QTest::mousePress(placed.Box, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(4, 6));

    ASSERT_EQ(1, presses.size());
    EXPECT_EQ(MouseButton::Right, presses[0][0].toInt());
    EXPECT_EQ(ShiftKey::Shift | ShiftKey::Ctrl, presses[0][1].toInt());
    EXPECT_EQ(60, presses[0][2].toDouble());
    EXPECT_EQ(90, presses[0][3].toDouble());
}

TEST(Surface, WaitingEventsRunOnDoEventsButNotInsideAPaintEvent)
{
    bool ran = false;
    QObject target;
    QMetaObject::invokeMethod(&target, [&] { ran = true; }, Qt::QueuedConnection);
    {
        const PaintEventScope painting;
        DoEvents();
        EXPECT_FALSE(ran);
    }
    DoEvents();
    EXPECT_TRUE(ran);
}

TEST(Surface, AWindowBorderFramesTheClientAreaWhichShrinksByWhatItTakes)
{
    struct Case {
        Surface::BorderLook Look;
        int Width;                   // pixels on each side
        QPalette::ColorRole Outer;   // left edge, outside in
        QPalette::ColorRole Inner;   // NoRole: the picture
    };
    for (const Case& c : { Case { Surface::BorderLook::None, 0, QPalette::NoRole, QPalette::NoRole },
             Case { Surface::BorderLook::Flat, 1, QPalette::WindowText, QPalette::NoRole },
             Case { Surface::BorderLook::Sunken, 2, QPalette::Dark, QPalette::Shadow } }) {
        Placed placed;
        placed.Box->WindowBorder(c.Look);
        EXPECT_EQ(100 - 2 * c.Width, placed.Box->ScaleWidth());
        EXPECT_EQ(50 - 2 * c.Width, placed.Box->ScaleHeight());
        placed.Box->Line(0, 0, 10, 0);
        placed.Host.show();
        const QImage shown = placed.Box->grab().toImage();
        // The picture starts inside the border.
        EXPECT_EQ(QColor(Qt::black), shown.pixelColor(c.Width, c.Width)) << c.Width;
        EXPECT_EQ(QColor(Qt::white), shown.pixelColor(c.Width + 10, c.Width)) << c.Width;
        if (c.Width == 0)
            continue;
        EXPECT_EQ(placed.Box->palette().color(c.Outer).rgb(), shown.pixel(0, 25)) << c.Width;
        if (c.Inner != QPalette::NoRole) {
            EXPECT_EQ(placed.Box->palette().color(c.Inner).rgb(), shown.pixel(1, 25)) << c.Width;
        }
    }
}
