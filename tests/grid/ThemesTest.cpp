#include <tarvex/grid/RuzuZiri.h>

#include "grid/paint/Themes.h"

#include <tarvex/platform/VisualStyle.h>

#include <QPalette>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

constexpr qint32 Window = qint32(0x80000005);
constexpr qint32 WindowText = qint32(0x80000008);
constexpr qint32 Workspace = qint32(0x8000000C);

} // namespace

TEST(Themes, EachSchemeFillsItsColoursAndGridLinesFromTheDarkGradientColourAndOthersChangeNothing)
{
    struct Case { int Scheme; qint32 From, To, Bkg, Sel, ForeSel, Focus, Grid; };
    const Case cases[] = {
        { 0, 0xFCE1CB, 0xE0A57D, Workspace, 0xC56A31, 0xFFFFFF, 0x96FFFE, 0xF9BE96 },
        { 1, 0xFBF4F4, 0x928282, Workspace, 0xBFB4B2, 0x000000, 0x433D39, 0xAB9B9B },
        { 2, 0xE1F9F7, 0x69A18B, Workspace, 0x70A093, 0xFFFFFF, 0x96FFFE, 0x82BAA4 },
        { 3, 0xF2F8F8, 0x7C9F96, 0x6A7D6A, 0x778A77, 0xE1F9F7, 0x96FFFE, 0x95B8AF },
        { 4, 0xA5EFFF, 0x4986A0, 0x0F4C66, 0x37748E, 0xE1EEF9, 0x96FFFE, 0x629FB9 },
    };
    const QPalette palette;
    for (const Case& c : cases) {
        GridColorSet colors;
        colors.m_BackColor = 0x123456;
        colors.m_ForeColor = 0x654321;
        ComputeThemeColors(colors, c.Scheme, 0, palette);
        EXPECT_EQ(c.From, colors.m_CustomColorFrom) << c.Scheme;
        EXPECT_EQ(c.To, colors.m_CustomColorTo) << c.Scheme;
        EXPECT_EQ(c.Bkg, colors.m_BackColorBkg) << c.Scheme;
        EXPECT_EQ(Window, colors.m_BackColor) << c.Scheme;
        EXPECT_EQ(WindowText, colors.m_ForeColor) << c.Scheme;
        EXPECT_EQ(c.Sel, colors.m_BackColorSel) << c.Scheme;
        EXPECT_EQ(c.ForeSel, colors.m_ForeColorSel) << c.Scheme;
        EXPECT_EQ(c.Focus, colors.m_FocusRectColor) << c.Scheme;
        EXPECT_EQ(c.Grid, colors.m_GridColor) << c.Scheme;

        for (const auto untouched : { &GridColorSet::m_BackColorEdit, &GridColorSet::m_ForeColorEdit, &GridColorSet::m_ForeColorHdr,
                                      &GridColorSet::m_BackColorEvenRows, &GridColorSet::m_ProgressBarColor })
            EXPECT_EQ(GridColorSet().*untouched, colors.*untouched) << c.Scheme;

        GridColorSet highlighted;
        ComputeThemeColors(highlighted, c.Scheme, 1, palette);
        EXPECT_EQ(WindowText, highlighted.m_ForeColorSel) << c.Scheme;
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
