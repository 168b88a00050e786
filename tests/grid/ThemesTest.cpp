#include "grid/RuzuZiri.h"
#include "grid/view/Themes.h"
#include "platform/VisualStyle.h"

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

        const GridColorSet untouched;
        EXPECT_EQ(untouched.m_BackColorEdit, colors.m_BackColorEdit);
        EXPECT_EQ(untouched.m_ForeColorEdit, colors.m_ForeColorEdit);
        EXPECT_EQ(untouched.m_ForeColorHdr, colors.m_ForeColorHdr);
        EXPECT_EQ(untouched.m_BackColorEvenRows, colors.m_BackColorEvenRows);
        EXPECT_EQ(untouched.m_ProgressBarColor, colors.m_ProgressBarColor);

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

TEST(Themes, TheVisualStyleNamePicksTheScheme)
{
    struct Case { bool Themed; QString Name; int Scheme; };
    const Case cases[] = {
        { true, "Metallic", 1 }, { true, "HomeStead", 2 }, { true, "metallic", 0 }, { true, "NormalColor", 0 },
        { true, "Classic", 0 }, { false, "Classic", 5 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.Scheme, SchemeForVisualStyle(c.Themed, c.Name)) << c.Name.toStdString();

    {
        VisualStyle::Override metallic(true, QStringLiteral("Metallic"));
        EXPECT_EQ(QStringLiteral("Metallic"), GetVisualStyleName());
    }
    VisualStyle::Override classic(false);
    EXPECT_EQ(QStringLiteral("Classic"), GetVisualStyleName());
}

TEST(Themes, FollowingTheSystemAppliesTheSchemeOfItsVisualStyleOrKeepsTheColoursWithoutOne)
{
    struct Case { bool Themed; QString Name; qint32 BackColorSel; };
    const Case cases[] = {
        { true, "Metallic", 0xBFB4B2 }, { true, "HomeStead", 0x70A093 }, { true, "Luna", 0xC56A31 },
        { false, QString(), 0x778A77 },
    };
    for (const Case& c : cases) {
        VisualStyle::Override style(c.Themed, c.Name);
        RuzuZiri grid;
        grid.ThemeColor(3);
        grid.ThemeColor(ThemeColorSystem);
        EXPECT_EQ(c.BackColorSel, grid.BackColorSel()) << c.Name.toStdString();
    }
}
