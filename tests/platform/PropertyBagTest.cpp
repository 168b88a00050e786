#include <tarvex/platform/PropertyBag.h>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {
// A plain QVariant(short) would hold an int.
QVariant Short(short Value) { return QVariant::fromValue(Value); }
} // namespace

TEST(PropertyBag, ValueEqualToItsDefaultIsNotStored)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("NumberOfTabs"), Short(4), Short(4));
    EXPECT_TRUE(bag.IsEmpty());
    EXPECT_EQ(QVariant(Short(4)), bag.ReadProperty(QStringLiteral("NumberOfTabs"), Short(4)));

    bag.WriteProperty(QStringLiteral("NumberOfTabs"), Short(6), Short(4));
    EXPECT_EQ(6, bag.ReadProperty(QStringLiteral("NumberOfTabs"), Short(4)).toInt());
    // Writing the default again forgets the earlier value rather than keeping it.
    bag.WriteProperty(QStringLiteral("NumberOfTabs"), Short(4), Short(4));
    EXPECT_FALSE(bag.Contains(QStringLiteral("NumberOfTabs")));

    bag.WriteProperty(QStringLiteral("Tag"), QString());
    EXPECT_TRUE(bag.Contains(QStringLiteral("Tag")));
}

TEST(PropertyBag, StoredValueComesBackInTheTypeOfTheDefaultOrAsTheDefaultWithAProblem)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Count"), 7);
    bag.WriteProperty(QStringLiteral("Ratio"), 2.5);
    bag.WriteProperty(QStringLiteral("Flag"), 1);
    const QVariant count = bag.ReadProperty(QStringLiteral("Count"), Short(0));
    EXPECT_EQ(QMetaType::Short, count.metaType().id());
    EXPECT_EQ(7, count.toInt());
    EXPECT_EQ(QStringLiteral("7"), bag.ReadProperty(QStringLiteral("Count"), QString()).toString());
    EXPECT_EQ(2.5, bag.ReadProperty(QStringLiteral("Ratio"), 0.0).toDouble());
    EXPECT_EQ(QVariant(true), bag.ReadProperty(QStringLiteral("Flag"), false));
    EXPECT_TRUE(bag.Problems().isEmpty());

    bag.WriteProperty(QStringLiteral("NumberOfTabs"), QStringLiteral("many"));
    bag.WriteProperty(QStringLiteral("ActiveTab"), 100000);
    EXPECT_EQ(4, bag.ReadProperty(QStringLiteral("NumberOfTabs"), Short(4)).toInt());
    EXPECT_EQ(0, bag.ReadProperty(QStringLiteral("ActiveTab"), Short(0)).toInt());
    ASSERT_EQ(2, bag.Problems().size());
    EXPECT_TRUE(bag.Problems()[0].contains(QStringLiteral("NumberOfTabs")));
    EXPECT_TRUE(bag.Problems()[1].contains(QStringLiteral("100000")));
}
