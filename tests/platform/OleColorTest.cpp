#include "platform/OleColor.h"

#include <QPalette>

#include <gtest/gtest.h>

using namespace Tarvex;

TEST(OleColor, PlainColoursAreBlueGreenRedFromTheHighByteDown)
{
    EXPECT_EQ(QColor(255, 0, 0), TranslateOleColor(0x0000FF));
    EXPECT_EQ(QColor(0, 255, 0), TranslateOleColor(0x00FF00));
    EXPECT_EQ(QColor(0x11, 0x22, 0x33), TranslateOleColor(0x332211));
    EXPECT_EQ(OleColor(0x332211), ToOleColor(QColor(0x11, 0x22, 0x33)));
}

TEST(OleColor, SystemColoursComeFromThePaletteRoleOfTheSamePurpose)
{
    QPalette palette;
    int shade = 10;
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        for (const auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
            palette.setColor(group, QPalette::ColorRole(role), QColor(shade, role * 5, group * 40)), ++shade;
    const auto roleOf = [&](QPalette::ColorRole role) { return palette.color(QPalette::Active, role); };

    EXPECT_EQ(roleOf(QPalette::Base), TranslateOleColor(0x80000005, palette));
    EXPECT_EQ(roleOf(QPalette::Text), TranslateOleColor(0x80000008, palette));
    EXPECT_EQ(roleOf(QPalette::Dark), TranslateOleColor(0x8000000C, palette));
    EXPECT_EQ(roleOf(QPalette::Highlight), TranslateOleColor(0x8000000D, palette));
    EXPECT_EQ(roleOf(QPalette::HighlightedText), TranslateOleColor(0x8000000E, palette));
    EXPECT_EQ(roleOf(QPalette::Button), TranslateOleColor(0x8000000F, palette));
    EXPECT_EQ(roleOf(QPalette::ButtonText), TranslateOleColor(0x80000012, palette));
    EXPECT_EQ(roleOf(QPalette::Light), TranslateOleColor(0x80000014, palette));
    EXPECT_EQ(roleOf(QPalette::Shadow), TranslateOleColor(0x80000015, palette));
    EXPECT_EQ(roleOf(QPalette::ToolTipBase), TranslateOleColor(0x80000018, palette));
    EXPECT_EQ(palette.color(QPalette::Disabled, QPalette::Text), TranslateOleColor(0x80000011, palette));
}

TEST(OleColor, UnknownSystemColourIsBlack)
{
    EXPECT_EQ(QColor(Qt::black), TranslateOleColor(0x80000063));
    EXPECT_EQ(QColor(Qt::black), TranslateOleColor(0xFFFFFFFF));
}
