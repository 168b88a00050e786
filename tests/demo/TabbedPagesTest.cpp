#include "TabbedPages.h"
#include "TestFonts.h"

#include <tarvex/platform/FormFile.h>
#include <tarvex/platform/PictureBox.h>
#include <tarvex/tabstrip/VozirAdu.h>

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

// Two pages under two tabs, as a host window lays them out.
struct TwoPages {
    Demo::TabbedPages Pages;
    QLabel* Documents { new QLabel(QStringLiteral("documents")) };
    QLabel* Settings { new QLabel(QStringLiteral("settings")) };

    TwoPages()
    {
        Pages.AddPage(QStringLiteral("Documents"), Documents);
        Pages.AddPage(QStringLiteral("Settings"), Settings);
        Pages.resize(400, 200);
        Pages.show();
    }

    void PressTab(int Tab)
    {
        auto* strip = Pages.Strip()->findChild<PictureBox*>(QStringLiteral("TabStrip"));
        const QFontMetrics metrics(strip->font());
        int x = 2 + 5;
        for (int i = 0; i < Tab; ++i)
            x += metrics.horizontalAdvance(Pages.Strip()->Caption(i)) + 15;
        QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(x, 8));
    }
};

} // namespace

// Pressing a tab shows its page only; the form file brings that page back.
TEST(TabbedPages, FormFileBringsBackThePressedPageButNotTabsForOtherPages)
{
    FormFile form;
    {
        TwoPages before;
        before.PressTab(1);
        before.Pages.WriteForm(form);
    }
    TwoPages after;
    EXPECT_TRUE(after.Pages.ReadForm(form).isEmpty());
    EXPECT_EQ(1, after.Pages.Strip()->ActiveTab());
    EXPECT_TRUE(after.Settings->isVisible());
    EXPECT_FALSE(after.Documents->isVisible());

    PropertyBag& bag = form.Bag(VozirAdu::ControlType, QStringLiteral("VozirAdu1"));
    bag.WriteProperty(QStringLiteral("NumberOfTabs"), 3);
    bag.WriteProperty(QStringLiteral("ActiveTab"), 2);
    TwoPages other;
    other.Pages.ReadForm(form);
    EXPECT_EQ(2, other.Pages.Strip()->NumberOfTabs());
    EXPECT_EQ(QStringLiteral("Settings"), other.Pages.Strip()->Caption(1));
    EXPECT_TRUE(other.Documents->isVisible());
}

// The pages start under the panel's top edge, which lies right under the tab row, however tall the
// captions' font makes the row: 23 pixels down for a row of 17.
TEST(TabbedPages, PagesStayUnderATabRowThatATallFontMakesTaller)
{
    TwoPages pages;
    const auto* row = pages.Pages.Strip()->findChild<PictureBox*>(QStringLiteral("TabStrip"));
    pages.Pages.setFont(DejaVuSans(9));
    EXPECT_EQ(23, pages.Documents->y());
    pages.Pages.setFont(DejaVuSans(20));
    EXPECT_GT(row->height(), 17);
    EXPECT_EQ(row->y() + row->height() + 4, pages.Documents->y());
}
