#include "TabStripHost.h"
#include "TestFonts.h"

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

// As the colour shows on the screen, in 8 bits a channel.
QColor Palette(const TabStripHost& Host, OleColor Color) { return QColor(TranslateOleColor(Color, Host.Strip->palette()).rgb()); }

// The middle of a tab, in the control's pixels (TabStrip lies 3 pixels in).
int TabMiddle(const TabStripHost& Host, int Tab)
{
    const std::vector<int> lefts = Host.TabLefts();
    return 3 + lefts[Tab] + Host.ExpectedTabWidth(Host.Strip->Caption(Tab)) / 2;
}

// How many dark pixels of a caption show in an area of the control's picture.
int DarkPixels(const QImage& Picture, const QRect& Area)
{
    int dark = 0;
    for (int y = Area.top(); y <= Area.bottom(); ++y)
        for (int x = Area.left(); x <= Area.right(); ++x)
            dark += qGray(Picture.pixel(x, y)) < 128 ? 1 : 0;
    return dark;
}

// The dark pixels of a caption printed whole, with nothing to cut it, in a font at a place.
int DarkPixelsOfWholeCaption(const QString& Caption, const QFont& Font, QPoint At)
{
    PictureBox whole;
    whole.setFont(Font);
    whole.resize(400, 100);
    whole.CurrentX(At.x());
    whole.CurrentY(At.y());
    whole.Print(Caption);
    const QImage picture = whole.grab().toImage();
    return DarkPixels(picture, picture.rect());
}

} // namespace

TEST(VozirAduDrawing, PanelIsRaisedWithLightLeftAndTopEdgesAndDarkRightAndBottomEdges)
{
    TabStripHost host;
    const int W = TabStripHost::Width;
    const int H = TabStripHost::Height;
    const int beyondTabs = W - 40;
    const int panelTop = host.PanelTop();
    const QColor light(0xE0, 0xE0, 0xE0), shadow = Palette(host, SystemColor::ApplicationWorkspace), black(Qt::black);
    host.ExpectColours({ { 1, 60, Qt::white }, { 2, 60, light }, { beyondTabs, panelTop, Qt::white }, { beyondTabs, panelTop + 1, light },
        { W - 1, 60, black }, { W - 2, 60, shadow }, { beyondTabs, H - 1, black }, { beyondTabs, H - 2, shadow },
        { W / 2, H / 2, Palette(host, SystemColor::ButtonFace) } });
}

TEST(VozirAduDrawing, TabWidthsFollowTheirCaptionsSoALongerCaptionMovesTheLaterTabsRight)
{
    TabStripHost host;
    const auto expectEdgesFromCaptions = [&host] {
        const std::vector<int> lefts = host.TabLefts();
        const std::vector<int> edges = host.TabRightEdges();
        ASSERT_EQ(4u, edges.size());
        for (int tab = 0; tab < 4; ++tab)
            EXPECT_EQ(lefts[tab] + host.ExpectedTabWidth(host.Strip->Caption(tab)) - 1, edges[tab]) << "tab " << tab;
    };
    expectEdgesFromCaptions();
    const std::vector<int> before = host.TabRightEdges();
    QSignalSpy changed(host.Strip, &UserControl::PropertyChanged);

    host.Strip->Caption(1, QStringLiteral("A much longer caption"));

    expectEdgesFromCaptions();
    EXPECT_EQ(before[0], host.TabRightEdges()[0]);
    EXPECT_GT(host.TabRightEdges()[3], before[3] + 50);
    ASSERT_EQ(1, changed.size());
    EXPECT_EQ(QStringLiteral("Caption"), changed[0][0].toString());
}

TEST(VozirAduDrawing, ActiveTabIsRaisedAndOpensIntoThePanel)
{
    TabStripHost host;
    host.Strip->ActiveTab(2);
    const QColor face = Palette(host, SystemColor::ButtonFace);

    // The raised tab rises above the strip and covers the panel's top edge where it meets it.
    host.ExpectColours({ { TabMiddle(host, 2), 0, Qt::white }, { TabMiddle(host, 2), host.PanelTop(), face }, { TabMiddle(host, 1), 0, face },
        { TabMiddle(host, 1), host.PanelTop(), Qt::white } });

    // Its own edges: white and light grey on the left, black on the right.
    const int raisedLeft = host.TabLefts()[2] - 1;
    const int raisedRight = raisedLeft + host.ExpectedTabWidth(QStringLiteral("Tab2")) + 6 - 1;
    EXPECT_EQ(host.Raised()->geometry().left(), raisedLeft);
    host.ExpectColours({ { raisedLeft, 10, Qt::white }, { raisedLeft + 1, 10, QColor(0xE0, 0xE0, 0xE0) }, { raisedRight, 10, Qt::black } });
}

TEST(VozirAduDrawing, FocusRectangleShowsExactlyWhileTheStripHasTheFocus)
{
    TabStripHost host;
    const QImage unfocused = host.Raised()->grab().toImage();

    host.Focus();
    const QImage focused = host.Raised()->grab().toImage();
    const int right = focused.width() - 3;
    const int bottom = focused.height() - 2;
    int inverted = 0;
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x) {
            if (focused.pixel(x, y) == unfocused.pixel(x, y))
                continue;
            ++inverted;
            // Only the outline of the rectangle from (4, 3) to (right, bottom) changes, every other pixel.
            EXPECT_TRUE(x == 4 || x == right - 1 || y == 3 || y == bottom - 1) << x << "," << y;
            EXPECT_EQ(0, (x + y) % 2);
        }
    EXPECT_GT(inverted, 20);

    host.Unfocus();
    EXPECT_EQ(unfocused, host.Raised()->grab().toImage());
}

TEST(VozirAduDrawing, PressesAndFocusChangesNeverLeaveTheRectangleInverted)
{
    TabStripHost host;
    host.Strip->ActiveTab(1);
    const QImage tab1Unfocused = host.Raised()->grab().toImage();
    host.Strip->ActiveTab(0);
    const int tab1 = TabMiddle(host, 1) - 3;

    host.Focus();
    host.PressStripAt(tab1);
    const QImage tab1Focused = host.Raised()->grab().toImage();
    EXPECT_NE(tab1Unfocused, tab1Focused);
    host.PressStripAt(tab1);
    EXPECT_EQ(tab1Focused, host.Raised()->grab().toImage());
    host.Strip->ActiveTab(1);
    EXPECT_EQ(tab1Focused, host.Raised()->grab().toImage());

    host.Unfocus();
    EXPECT_EQ(tab1Unfocused, host.Raised()->grab().toImage());
    host.PressStripAt(tab1);
    host.Unfocus();
    EXPECT_EQ(tab1Unfocused, host.Raised()->grab().toImage());
}

// Captions keep their descenders whatever the font: the tab row is as tall as the font's line needs,
// and stays 17 pixels high for a font whose line fits them. The panel starts right under the row.
TEST(VozirAduDrawing, CaptionsShowWholeUnderATallFontAndTheRowKeepsItsHeightForOneThatFits)
{
    const struct {
        const char* What;
        QFont Font;
        bool Fits; // the caption's line fits the 17 pixels
    } cases[] { { "DejaVu Sans 8", DejaVuSans(8), true }, { "DejaVu Sans 9", DejaVuSans(9), true },
        { "DejaVu Sans 13", DejaVuSans(13), false }, { "DejaVu Sans 20", DejaVuSans(20), false } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        TabStripHost host;
        host.Strip->NumberOfTabs(3);
        host.Strip->Caption(1, QStringLiteral("Einstellungen"));
        host.Strip->Caption(2, QStringLiteral("Tgjpqy"));
        host.Strip->ActiveTab(2);
        host.Strip->setFont(c.Font);

        const QRect row = host.TabStrip()->geometry();
        EXPECT_EQ(c.Fits, row.height() == 17) << row.height();
        const QImage picture = host.Picture();
        const std::vector<int> lefts = host.TabLefts();
        // The plain tab's inside, between its edges, down to the panel.
        const QRect plain(row.left() + lefts[1] + 2, 0, host.ExpectedTabWidth(host.Strip->Caption(1)) - 4, row.bottom() + 1);
        EXPECT_EQ(DarkPixelsOfWholeCaption(host.Strip->Caption(1), c.Font, QPoint(5, 3)), DarkPixels(picture, plain));
        const QRect raised = host.Raised()->geometry().adjusted(2, 2, -3, 0);
        EXPECT_EQ(DarkPixelsOfWholeCaption(host.Strip->Caption(2), c.Font, QPoint(9, 4)), DarkPixels(picture, raised));

        const int beyondTabs = TabStripHost::Width - 5;
        ASSERT_LT(row.left() + lefts[2] + host.ExpectedTabWidth(host.Strip->Caption(2)), beyondTabs);
        host.ExpectColours({ { beyondTabs, host.PanelTop(), Qt::white }, { beyondTabs, host.PanelTop() + 1, QColor(0xE0, 0xE0, 0xE0) } });
    }
}
