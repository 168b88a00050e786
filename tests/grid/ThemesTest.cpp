#include "grid/RuzuZiri.h"
#include "grid/view/Themes.h"
#include "platform/VisualStyle.h"

#include <QPalette>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

constexpr qint32 Window = qint32(0x80000005);
constexpr qint32 WindowText = qint32(0x80000008);

} // namespace

// The schemes' own colours are a table of constants; what a scheme writes, derives or resets is checked.
TEST(Themes, EachSchemeResetsTheTextColoursTakesItsGridLinesFromTheDarkGradientColourAndOthersChangeNothing)
{
    const std::pair<int, qint32> gridLines[] { { 0, 0xF9BE96 }, { 1, 0xAB9B9B }, { 2, 0x82BAA4 }, { 3, 0x95B8AF }, { 4, 0x629FB9 } };
    const QPalette palette;
    for (const auto& [scheme, grid] : gridLines) {
        GridColorSet colors;
        colors.m_BackColor = 0x123456;
        colors.m_ForeColor = 0x654321;
        ComputeThemeColors(colors, scheme, 0, palette);
        EXPECT_EQ(grid, colors.m_GridColor) << scheme;
        EXPECT_EQ(Window, colors.m_BackColor) << scheme;
        EXPECT_EQ(WindowText, colors.m_ForeColor) << scheme;
        for (const auto written : { &GridColorSet::m_CustomColorFrom, &GridColorSet::m_CustomColorTo, &GridColorSet::m_BackColorSel,
                                    &GridColorSet::m_ForeColorSel, &GridColorSet::m_FocusRectColor })
            EXPECT_NE(GridColorSet().*written, colors.*written) << scheme;
        for (const auto untouched : { &GridColorSet::m_BackColorEdit, &GridColorSet::m_ForeColorEdit, &GridColorSet::m_ForeColorHdr,
                                      &GridColorSet::m_BackColorEvenRows, &GridColorSet::m_ProgressBarColor })
            EXPECT_EQ(GridColorSet().*untouched, colors.*untouched) << scheme;

        GridColorSet highlighted;
        ComputeThemeColors(highlighted, scheme, 1, palette);
        EXPECT_EQ(WindowText, highlighted.m_ForeColorSel) << scheme;
    }
    for (int scheme : { -1, 5, 6 }) {
        GridColorSet colors;
        ComputeThemeColors(colors, scheme, 1, palette);
        EXPECT_EQ(GridColorSet().m_CustomColorFrom, colors.m_CustomColorFrom) << scheme;
        EXPECT_EQ(GridColorSet().m_ForeColorSel, colors.m_ForeColorSel) << scheme;
    }
}

TEST(Themes, FollowingTheSystemAppliesTheSchemeOfItsVisualStyleOrKeepsTheColoursWithoutOne)
{
    struct Case { bool Themed; QString Name; qint32 BackColorSel; };
    const Case cases[] = {
        { true, "Metallic", 0xBFB4B2 }, { true, "HomeStead", 0x70A093 }, { true, "Luna", 0xC56A31 },
        { true, "metallic", 0xC56A31 }, { false, QString(), 0x778A77 }, // names match case and all
    };
    for (const Case& c : cases) {
        VisualStyle::Override style(c.Themed, c.Name);
        RuzuZiri grid;
        grid.ThemeColor(3);
        grid.ThemeColor(ThemeColorSystem);
        EXPECT_EQ(c.BackColorSel, grid.BackColorSel()) << c.Name.toStdString();
    }
}
