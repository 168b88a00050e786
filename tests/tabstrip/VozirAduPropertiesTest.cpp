#include "TabStripHost.h"

#include <tarvex/platform/FormFile.h>

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Tarvex;

TEST(VozirAduProperties, ChangedStripComesBackFromItsFormFileWhichHoldsNoDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("form.txt"));
    {
        TabStripHost host;
        PropertyBag unchanged;
        host.Strip->WriteProperties(unchanged);
        EXPECT_TRUE(unchanged.IsEmpty()) << "defaults are not stored";
        host.Strip->Caption(0, QStringLiteral("Documents"));
        host.Strip->Caption(1, QStringLiteral("Settings"));
        host.Strip->NumberOfTabs(2);
        host.Strip->ActiveTab(1);
        FormFile form;
        host.Strip->WriteProperties(form.Bag(VozirAdu::ControlType, QStringLiteral("VozirAdu1")));
        ASSERT_TRUE(form.Save(path));
    }

    TabStripHost host;
    FormFile form;
    ASSERT_TRUE(form.Load(path));
    host.Strip->ReadProperties(form.Bag(VozirAdu::ControlType, QStringLiteral("VozirAdu1")));

    EXPECT_EQ(QStringLiteral("Settings"), host.Strip->Caption(1));
    EXPECT_EQ(QStringLiteral("Tab2"), host.Strip->Caption(2));
    EXPECT_EQ(2, host.Strip->NumberOfTabs());
    EXPECT_EQ(1, host.Strip->ActiveTab());
    EXPECT_EQ(2u, host.TabRightEdges().size());
    EXPECT_EQ(host.TabLefts()[1] - 1, host.Raised()->geometry().left());

    host.Strip->InitProperties();
    EXPECT_EQ(QStringLiteral("Tab1"), host.Strip->Caption(1));
    EXPECT_EQ(4u, host.TabRightEdges().size());
}

TEST(VozirAduProperties, StoredValuesOutsideTheTabsAreHeldInRange)
{
    TabStripHost host;
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("NumberOfTabs"), 99);
    bag.WriteProperty(QStringLiteral("ActiveTab"), 12);
    host.Strip->ReadProperties(bag);
    EXPECT_EQ(10, host.Strip->NumberOfTabs());
    EXPECT_EQ(0, host.Strip->ActiveTab());
}

TEST(VozirAduProperties, SizeHintHoldsTheTabRowAndAPanel)
{
    TabStripHost host;
    host.Strip->Caption(0, QStringLiteral("A rather long caption for the first tab"));
    const QSize hint = host.Strip->sizeHint();
    EXPECT_GT(hint.width(), 3 + host.TabRightEdges().back());
    EXPECT_GE(hint.height(), 100);
}
