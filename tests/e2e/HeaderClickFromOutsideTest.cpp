#include "DemoTest.h"

#include <QGuiApplication>
#include <QJsonArray>

#include <gtest/gtest.h>

#include <memory>

using namespace Tarvex::EndToEnd;

namespace {

// A user's hand is never quite still: a click on a heading of the demo's archive, which lets its
// columns be dragged, moves the pointer a pixel or two between press and release.
class HeaderClickFromOutside : public DemoTest {
protected:
    void SetUp() override
    {
        DemoTest::SetUp();
        if (!m_Demo)
            return;
        FindGridOrigin();
    }

    // The middle of the heading shown at Position, in the grid's pixels, found as the eye finds it:
    // up from the rows to the header row, then along it.
    QPoint Heading(int Position)
    {
        int y = 60;
        while (y > 0 && SeenAt(QPoint(40, y))[QLatin1String("MouseRow")].toInt() >= 0)
            y -= 2;
        y -= 8;
        int left = -1;
        for (int x = 0; x < 1000; x += 4) {
            const int col = SeenAt(QPoint(x, y))[QLatin1String("MouseCol")].toInt();
            if (col == Position && left == -1)
                left = x;
            if (col > Position)
                return QPoint((left + x) / 2, y);
        }
        throw HarnessError("no heading at that position");
    }

};

TEST_F(HeaderClickFromOutside, AClickWhoseHandShakesSortsAndMovesNoColumn)
{
    const QPoint heading = Heading(2);
    const QJsonArray order = SeenAt(heading)[QLatin1String("ColOrder")].toArray();
    m_Demo->Press();
    SeenAt(heading + QPoint(1, 0));
    SeenAt(heading + QPoint(2, 1));
    m_Demo->Release();
    const QJsonObject sorted = Archive(m_Demo->WaitForState(
        [](const QJsonObject& state) { return Archive(state)[QLatin1String("SortCol")].toInt() == 2; },
        QStringLiteral("the column sorted by the shaky click on its heading")));
    EXPECT_EQ(2, sorted[QLatin1String("SortOrder")].toInt()); // smallest first
    EXPECT_EQ(order, sorted[QLatin1String("ColOrder")].toArray());
}

} // namespace
