#include "TabStripHost.h"

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

} // namespace

TEST(VozirAduDrawing, PanelIsRaisedWithLightLeftAndTopEdgesAndDarkRightAndBottomEdges)
{
    TabStripHost host;
    const int W = TabStripHost::Width;
    const int H = TabStripHost::Height;
    const int beyondTabs = W - 40;
    const QColor light(0xE0, 0xE0, 0xE0), shadow = Palette(host, SystemColor::ApplicationWorkspace), black(Qt::black);
    host.ExpectColours({ { 1, 60, Qt::white }, { 2, 60, light }, { beyondTabs, 19, Qt::white }, { beyondTabs, 20, light },
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
    host.ExpectColours({ { TabMiddle(host, 2), 0, Qt::white }, { TabMiddle(host, 2), 19, face }, { TabMiddle(host, 1), 0, face },
        { TabMiddle(host, 1), 19, Qt::white } });

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
    int inverted = 0;
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x) {
            if (focused.pixel(x, y) == unfocused.pixel(x, y))
                continue;
            ++inverted;
            // Only the outline of the rectangle from (4, 3) to (right, 19) changes, every other pixel.
            EXPECT_TRUE(x == 4 || x == right - 1 || y == 3 || y == 18) << x << "," << y;
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
