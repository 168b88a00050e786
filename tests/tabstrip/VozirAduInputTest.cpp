#include "TabStripHost.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Tarvex;

namespace {

// Records AfterTabChange and PropertyChanged as a host would see them.
struct Events {
    std::vector<short> TabChanges;
    QStringList Changed;

    explicit Events(VozirAdu* Strip)
    {
        QObject::connect(Strip, &VozirAdu::AfterTabChange, [this](short& ActiveTab) { TabChanges.push_back(ActiveTab); });
        QObject::connect(Strip, &UserControl::PropertyChanged, [this](const QString& Name) { Changed.append(Name); });
    }
};

} // namespace

TEST(VozirAduInput, PressesSelectTheTabUnderThemWithTheEventAndBoundariesBelongToTheTabOnTheirLeft)
{
    TabStripHost host;
    const std::vector<int> lefts = host.TabLefts();
    const int lastRight = lefts[3] + host.ExpectedTabWidth(QStringLiteral("Tab3"));
    Events events(host.Strip);

    host.PressStripAt(lefts[0] + 10); // the active tab: nothing happens
    host.PressStripAt(lefts[2] + 10);
    EXPECT_EQ(2, host.Strip->ActiveTab());
    host.PressStripAt(lefts[1]);
    EXPECT_EQ(0, host.Strip->ActiveTab());
    host.PressStripAt(lefts[1] + 1);
    EXPECT_EQ(1, host.Strip->ActiveTab());
    host.PressStripAt(lefts[0]); // beside the tabs
    host.PressStripAt(lastRight + 1);
    EXPECT_EQ(1, host.Strip->ActiveTab());
    host.PressStripAt(lastRight);
    EXPECT_EQ(3, host.Strip->ActiveTab());
    EXPECT_EQ((std::vector<short> { 2, 0, 1, 3 }), events.TabChanges);
    EXPECT_TRUE(events.Changed.isEmpty());
}

TEST(VozirAduInput, PressWhereTheRaisedTabOverlapsItsNeighbourSelectsTheNeighbour)
{
    TabStripHost host;
    host.Strip->ActiveTab(1);
    const int neighbour = 3 + host.TabLefts()[2] + 1;
    ASSERT_TRUE(host.Raised()->geometry().contains(neighbour, 8));

    QTest::mousePress(host.Window.windowHandle(), Qt::LeftButton, {}, host.Strip->mapTo(&host.Window, QPoint(neighbour, 8)));

    EXPECT_EQ(2, host.Strip->ActiveTab());
}

TEST(VozirAduInput, EveryWriteOfActiveTabRaisesTheEventButIndicesBeyondTheTabsChangeNothing)
{
    TabStripHost host;
    Events events(host.Strip);
    host.Strip->ActiveTab(0);
    host.Strip->ActiveTab(2);
    host.Strip->ActiveTab(4);
    host.Strip->ActiveTab(-1);
    host.Strip->Caption(10, QStringLiteral("Eleventh"));
    host.Strip->Caption(-1, QStringLiteral("Before"));
    EXPECT_EQ(2, host.Strip->ActiveTab());
    EXPECT_EQ(QString(), host.Strip->Caption(10));
    EXPECT_EQ(QString(), host.Strip->Caption(-1));

    // Fewer tabs reset the active one silently; their number is held to one to ten.
    host.Strip->NumberOfTabs(2);
    EXPECT_EQ(0, host.Strip->ActiveTab());
    EXPECT_EQ((std::vector<short> { 0, 2 }), events.TabChanges);
    EXPECT_EQ((QStringList { QStringLiteral("ActiveTab"), QStringLiteral("ActiveTab"), QStringLiteral("NumberOfTabs") }), events.Changed);
    EXPECT_EQ(2u, host.TabRightEdges().size());
    host.Strip->NumberOfTabs(11);
    EXPECT_EQ(10, host.Strip->NumberOfTabs());
    host.Strip->NumberOfTabs(0);
    EXPECT_EQ(1, host.Strip->NumberOfTabs());
}

TEST(VozirAduInput, HostMayMoveActiveTabThroughTheEventsReferenceButNotOffTheTabs)
{
    TabStripHost host;
    short answer = 1;
    QObject::connect(host.Strip, &VozirAdu::AfterTabChange, [&](short& ActiveTab) { ActiveTab = answer; });

    host.Strip->ActiveTab(3);
    EXPECT_EQ(1, host.Strip->ActiveTab());

    answer = 42;
    host.Strip->ActiveTab(2);
    EXPECT_EQ(2, host.Strip->ActiveTab());

    // Nor off the fewer tabs it leaves.
    QObject::connect(host.Strip, &VozirAdu::AfterTabChange, [&](short& ActiveTab) {
        host.Strip->NumberOfTabs(2);
        ActiveTab = answer;
    });
    host.Strip->ActiveTab(3);
    EXPECT_EQ(0, host.Strip->ActiveTab());
}

// Each handler answers the first event only by choosing tab 2 in its own way.
TEST(VozirAduInput, TabChosenByAnAfterTabChangeHandlerIsRaisedOnceAndPressesGoOnWorking)
{
    const std::vector<std::pair<const char*, std::function<void(VozirAdu&, short&)>>> handlers {
        { "writes ActiveTab", [](VozirAdu& Strip, short&) { Strip.ActiveTab(2); } },
        { "moves the reference", [](VozirAdu&, short& ActiveTab) { ActiveTab = 2; } },
    };
    for (const auto& [name, choose] : handlers) {
        SCOPED_TRACE(name);
        TabStripHost host;
        std::vector<short> seen;
        QObject::connect(host.Strip, &VozirAdu::AfterTabChange, [&, choose = choose](short& ActiveTab) {
            seen.push_back(ActiveTab);
            if (seen.size() == 1)
                choose(*host.Strip, ActiveTab);
        });

        host.PressStripAt(host.TabLefts()[1] + 10);
        EXPECT_EQ(2, host.Strip->ActiveTab());
        EXPECT_EQ(host.TabLefts()[2] - 1, host.Raised()->geometry().left());
        host.PressStripAt(host.TabLefts()[1] + 10);
        EXPECT_EQ(1, host.Strip->ActiveTab());
        EXPECT_EQ((std::vector<short> { 1, 1 }), seen);
    }
}

TEST(VozirAduInput, HandlerThatAlwaysWritesActiveTabDoesNotNestWithoutEnd)
{
    TabStripHost host;
    int events = 0;
    QObject::connect(host.Strip, &VozirAdu::AfterTabChange, [&](short&) {
        ++events;
        host.Strip->ActiveTab(short(3 - host.Strip->ActiveTab()));
    });

    host.Strip->ActiveTab(1);
    EXPECT_EQ(1, events);
    EXPECT_EQ(2, host.Strip->ActiveTab());
    EXPECT_EQ(host.TabLefts()[2] - 1, host.Raised()->geometry().left());
}

// A host may delete the strip from any of its events; the press or write that raised the event then
// ends without touching the strip (the sanitizer build shows any use of it).
TEST(VozirAduInput, HostDeletingTheStripFromItsEventsEndsThePressOrWriteCleanly)
{
    struct Case {
        const char* Name;
        bool FromPropertyChanged;
        std::function<void(TabStripHost&)> Act;
    };
    const std::vector<Case> cases {
        { "press, AfterTabChange", false, [](TabStripHost& Host) { Host.PressStripAt(Host.TabLefts()[1] + 10); } },
        { "ActiveTab, AfterTabChange", false, [](TabStripHost& Host) { Host.Strip->ActiveTab(2); } },
        { "ActiveTab, PropertyChanged", true, [](TabStripHost& Host) { Host.Strip->ActiveTab(2); } },
        { "NumberOfTabs, PropertyChanged", true, [](TabStripHost& Host) { Host.Strip->NumberOfTabs(3); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TabStripHost host;
        QPointer<VozirAdu> strip = host.Strip;
        const auto deleteStrip = [&strip] { delete strip.data(); };
        if (c.FromPropertyChanged)
            QObject::connect(host.Strip, &UserControl::PropertyChanged, deleteStrip);
        else
            QObject::connect(host.Strip, &VozirAdu::AfterTabChange, deleteStrip);

        c.Act(host);
        EXPECT_TRUE(strip.isNull());
    }
}
