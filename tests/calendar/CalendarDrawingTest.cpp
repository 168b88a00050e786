#include "CalendarHost.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

using namespace Tarvex;

namespace {

constexpr OleColor Red = 0x0000FF;
constexpr OleColor Green = 0x00FF00;

OleColor Lightened(OleColor Color, int Amount)
{
    OleColor result = 0;
    ZIzazeviviro::LightenColor(Color, Amount, result);
    return result;
}

// Each channel within Tolerance of the other colour's.
bool Near(OleColor A, OleColor B, int Tolerance)
{
    for (int shift : { 0, 8, 16 }) {
        if (std::abs(int((A >> shift) & 0xFF) - int((B >> shift) & 0xFF)) > Tolerance)
            return false;
    }
    return true;
}

// A button face of 18 x 18 pixels, the size of the drop-down button, painted by the field.
struct ButtonFace {
    QWidget Window;
    PictureBox* Button { new PictureBox(&Window) };
    ZIzazeviviro Field;
    ButtonFace() { Button->Move(0, 0, 18, 18); }
    // The arrow's rows from the top, each as its leftmost and rightmost red pixel.
    std::vector<std::pair<int, int>> ArrowRows() const
    {
        std::vector<std::pair<int, int>> rows;
        for (int y = 1; y < 17; ++y) {
            int left = -1, right = -1;
            for (int x = 1; x < 17; ++x) {
                if (Button->Point(x, y) == Red) {
                    right = x;
                    if (left < 0)
                        left = x;
                }
            }
            if (left >= 0)
                rows.push_back({ left, right });
        }
        return rows;
    }
};

} // namespace

TEST(CalendarDrawing, LightenColorMovesEachChannelTowardWhiteAndHoldsItInRange)
{
    const struct {
        OleColor Color;
        int Amount;
        OleColor Expected;
    } cases[] = {
        { 0x000000, 170, 0xAAAAAA }, { 0xFFFFFF, 170, 0xFFFFFF }, { 0x808080, -50, 0x676767 }, { 0x123456, 0, 0x123456 },
        { 0x010203, 255, 0xFFFFFF }, { 0xEA692E, 100, 0xF2A37F },
        { 0x000000, -50, 0x000000 }, // a darkened black stays black
        { 0x808080, INT_MIN, 0x000000 }, { 0x808080, INT_MAX, 0xFFFFFF },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.Expected, Lightened(c.Color, c.Amount)) << std::hex << c.Color << " " << std::dec << c.Amount;
}

TEST(CalendarDrawing, ButtonsShowAFramedSymmetricArrowOnAFaceLightAtTheTopWhenRaisedAndAtTheBottomWhenPressed)
{
    const std::vector<std::pair<int, int>> down { { 6, 12 }, { 7, 11 }, { 8, 10 }, { 9, 9 } };
    const std::vector<std::pair<int, int>> up(down.rbegin(), down.rend());
    const struct {
        int Style;
        OleColor Base;
        bool Raised, UpArrow;
        OleColor Top, Bottom;
    } cases[] = {
        { 1, 0x800000, true, false, 0xFFFFFF, 0x870707 }, { 1, 0x800000, true, true, 0xFFFFFF, 0x870707 },
        { 1, 0x800000, false, false, 0x800000, 0xF8F8FF }, { 0, 0x808080, true, false, 0x808080, 0x808080 },
        { 0, 0x808080, false, false, 0x676767, 0x676767 },
        { 1, SystemColor::ButtonFace, false, false, 0, 0 }, // flat, in the pressed button face
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Style << c.Raised << c.UpArrow << std::hex << " " << c.Base);
        ButtonFace face;
        face.Field.Style(c.Style);
        face.Field.DrawButton(*face.Button, 0xFFFFFF, c.Base, c.Raised, c.UpArrow, Red, Green);
        EXPECT_EQ(c.UpArrow ? up : down, face.ArrowRows());
        for (const auto& [x, y] : std::vector<std::pair<int, int>> { { 0, 0 }, { 17, 0 }, { 0, 17 }, { 17, 17 }, { 9, 0 }, { 0, 9 } })
            EXPECT_EQ(Green, face.Button->Point(x, y)) << x << "," << y;
        const OleColor top = face.Button->Point(1, 1);
        const OleColor bottom = face.Button->Point(1, 16);
        if (c.Base == SystemColor::ButtonFace) {
            EXPECT_EQ(top, bottom);
            EXPECT_EQ(Lightened(c.Base, -50), top);
            continue;
        }
        // Rows 1 and 16 lie within two gradient steps of the end colours.
        const int tolerance = c.Style ? 2 * 255 / 18 + 1 : 0;
        EXPECT_TRUE(Near(c.Top, top, tolerance)) << std::hex << top;
        EXPECT_TRUE(Near(c.Bottom, bottom, tolerance)) << std::hex << bottom;
    }
}

TEST(CalendarDrawing, BackgroundsRunFromTheLightenedColourAtTheTopToTheBaseColourAtTheBottom)
{
    CalendarHost host;
    host.Click(QStringLiteral("btnCombo"));
    const struct {
        const char* Picture;
        OleColor Base;
        int Amount;
    } cases[] = {
        { "picDropDown", 0xFFC0C0, 150 }, { "picCalendar", 0xEA692E, 170 }, { "picDays", 0x833606, 60 },
        { "picDayNames", 0xEA692E, 170 }, { "picMonth", 0xFFC0C0, 170 }, { "picYear", 0xFFC0C0, 170 },
    };
    for (const auto& c : cases) {
        const QString name = QLatin1String(c.Picture);
        const int bottom = host.Part(name)->height() - 1;
        EXPECT_EQ(Lightened(c.Base, c.Amount), host.PixelOf(name, 5, 0)) << c.Picture;
        // The last row drawn is one gradient step short of the base colour.
        EXPECT_TRUE(Near(c.Base, host.PixelOf(name, 5, bottom), 255 / bottom + 1)) << c.Picture << std::hex << " " << host.PixelOf(name, 5, bottom);
        EXPECT_EQ(host.PixelOf(name, 5, bottom / 2), host.PixelOf(name, 50, bottom / 2)) << c.Picture;
    }
    host.Field->Style(0);
    EXPECT_EQ(0x833606u, host.PixelOf(QStringLiteral("picDays"), 5, 0));
}

TEST(CalendarDrawing, TheTodayFrameIsDrawnInItsColourAroundTodaysCell)
{
    CalendarHost host;
    host.Click(QStringLiteral("btnCombo"));
    const QImage days = host.Part(QStringLiteral("picDays"))->grab().toImage();
    const QRect frame = host.Part(QStringLiteral("shpDayNow"))->geometry();
    for (const QPoint& corner : { frame.topLeft(), frame.bottomRight(), QPoint(frame.center().x(), frame.top()) })
        EXPECT_EQ(QColor(Qt::white), days.pixelColor(corner)) << corner.x() << "," << corner.y();
    EXPECT_NE(QColor(Qt::white), days.pixelColor(frame.topLeft() - QPoint(1, 0)));
}

TEST(CalendarDrawing, ColoursOfTheDayGridShowOnlyAtTheNextRepaintAndDisablingRecoloursOnlyTheField)
{
    CalendarHost host;
    const OleColor before = host.PixelOf(QStringLiteral("picDays"), 5, 0);
    host.Field->DaysBackColor(0x000000);
    EXPECT_EQ(before, host.PixelOf(QStringLiteral("picDays"), 5, 0));
    host.Field->Style(1);
    EXPECT_EQ(Lightened(0x000000, 60), host.PixelOf(QStringLiteral("picDays"), 5, 0));

    const OleColor panel = host.PixelOf(QStringLiteral("picCalendar"), 5, 0);
    host.Field->Enabled(false);
    EXPECT_EQ(Lightened(host.Field->DisabledBackColor(), 150), host.PixelOf(QStringLiteral("picDropDown"), 5, 0));
    EXPECT_EQ(panel, host.PixelOf(QStringLiteral("picCalendar"), 5, 0));
    EXPECT_EQ(host.Field->DisabledForeColor(), host.Part<Label>(QStringLiteral("txtXtext"))->ForeColor());
    host.Click(QStringLiteral("btnCombo"));
    EXPECT_FALSE(host.Open());
}
