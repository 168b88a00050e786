#include <tarvex/platform/OleColor.h>

#include <QPalette>

#include <gtest/gtest.h>

using namespace Tarvex;

TEST(OleColor, PlainColoursAreBlueGreenRedFromTheHighByteDown)
{
    EXPECT_EQ(QColor(255, 0, 0), TranslateOleColor(0x0000FF));
    EXPECT_EQ(QColor(0x11, 0x22, 0x33), TranslateOleColor(0x332211));
    EXPECT_EQ(OleColor(0x332211), ToOleColor(QColor(0x11, 0x22, 0x33)));
}

TEST(OleColor, SystemColoursComeFromThePaletteRoleOfTheSamePurposeAndUnknownOnesAreBlack)
{
    QPalette palette;
    int shade = 10;
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        for (const auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
            palette.setColor(group, QPalette::ColorRole(role), QColor(shade, role * 5, group * 40)), ++shade;

    const std::pair<OleColor, QPalette::ColorRole> roles[] = { { 0x80000005, QPalette::Base }, { 0x80000008, QPalette::Text },
        { 0x8000000C, QPalette::Dark }, { 0x8000000D, QPalette::Highlight }, { 0x8000000E, QPalette::HighlightedText },
        { 0x8000000F, QPalette::Button }, { 0x80000012, QPalette::ButtonText }, { 0x80000014, QPalette::Light },
        { 0x80000015, QPalette::Shadow }, { 0x80000018, QPalette::ToolTipBase } };
    for (const auto& [color, role] : roles)
        EXPECT_EQ(palette.color(QPalette::Active, role), TranslateOleColor(color, palette)) << std::hex << color;
    EXPECT_EQ(palette.color(QPalette::Disabled, QPalette::Text), TranslateOleColor(0x80000011, palette));
    EXPECT_EQ(QColor(Qt::black), TranslateOleColor(0x80000063));
    EXPECT_EQ(QColor(Qt::black), TranslateOleColor(0xFFFFFFFF));
}
