#include <tarvex/platform/Canvas.h>

#include <tarvex/platform/VisualStyle.h>

#include <QImage>
#include <QPalette>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

constexpr OleColor Marker = 0x00FF00;

// Whether anything was drawn over the marker colour inside the rectangle.
bool Drawn(const QImage& Image, const Rect& Bounds)
{
    for (int y = Bounds.Top; y < Bounds.Bottom; ++y)
        for (int x = Bounds.Left; x < Bounds.Right; ++x)
            if (Canvas::Pixel(Image, x, y) != Marker)
                return true;
    return false;
}

bool DrawPart(const char* ClassName, int Part, int State, QImage* Out = nullptr)
{
    QImage image(40, 30, QImage::Format_RGB32);
    QPalette palette;
    Canvas drawing(image, palette);
    drawing.Clear(Marker);
    const bool ok = VisualStyle::DrawThemeBackground(drawing, QString::fromLatin1(ClassName), Part, State, Rect { 5, 5, 25, 25 });
    EXPECT_EQ(ok, Drawn(image, Rect { 5, 5, 25, 25 })) << ClassName << Part << "/" << State;
    EXPECT_FALSE(Drawn(image, Rect { 0, 0, 40, 5 }));
    EXPECT_FALSE(Drawn(image, Rect { 25, 0, 40, 30 }));
    if (Out)
        *Out = image;
    return ok;
}

} // namespace

TEST(VisualStyle, DrawsTheButtonAndHeaderPartsItKnowsInsideTheirRectangle)
{
    ASSERT_TRUE(VisualStyle::AppThemed());
    struct Case { const char* ClassName; int Part, State; bool Drawn; };
    const Case cases[] = {
        { "Button", 1, 1, true }, { "Button", 1, 3, true }, { "Button", 1, 4, true },
        { "Button", 3, 0, true }, { "Button", 3, 5, true }, { "Button", 3, 8, true },
        { "Header", 1, 1, true }, { "Header", 1, 2, true }, { "Header", 1, 3, true },
        { "Button", 2, 1, false }, { "Button", 3, 9, false }, { "Header", 2, 1, false },
        { "ExplorerBar", 1, 1, false }, { "Window", 1, 1, false },
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.Drawn, DrawPart(c.ClassName, c.Part, c.State)) << c.ClassName << c.Part << "/" << c.State;

    QImage plain, checked;
    DrawPart("Button", 3, 1, &plain);
    DrawPart("Button", 3, 5, &checked);
    EXPECT_NE(plain, checked);
}

TEST(VisualStyle, AnOverrideTurnsThemedDrawingOffOrNamesTheScheme)
{
    EXPECT_FALSE(VisualStyle::CurrentSchemeName().isEmpty());
    {
        VisualStyle::Override classic(false);
        EXPECT_FALSE(VisualStyle::AppThemed());
        EXPECT_FALSE(VisualStyle::HasThemeData(QStringLiteral("Button")));
        EXPECT_FALSE(DrawPart("Button", 1, 1));
        EXPECT_EQ(QString(), VisualStyle::CurrentSchemeName());
        VisualStyle::Override metallic(true, QStringLiteral("Metallic"));
        EXPECT_TRUE(VisualStyle::HasThemeData(QStringLiteral("ExplorerBar")));
        EXPECT_EQ(QStringLiteral("Metallic"), VisualStyle::CurrentSchemeName());
    }
    EXPECT_TRUE(VisualStyle::AppThemed());
}
