#include "DemoTest.h"

#include <QGuiApplication>
#include <QJsonArray>

#include <gtest/gtest.h>

#include <memory>

using namespace Tarvex::EndToEnd;

namespace {

QJsonObject Archive(const QJsonObject& State)
{
    return State[QLatin1String("Archive")].toObject();
}

// A user's hand is never quite still: a click on a heading of the demo's archive, which lets its
// columns be dragged, moves the pointer a pixel or two between press and release.
class HeaderClickFromOutside : public DemoTest {
protected:
    void SetUp() override
    {
        DemoTest::SetUp();
        if (!m_Demo)
            return;
        const QRect grid = RectOf(Archive(m_Demo->State())[QLatin1String("Rect")]);
        const QPoint probe = grid.topLeft() + QPoint(60, 60);
        m_Demo->MoveTo(probe);
        const QJsonArray at = Archive(m_Demo->WaitForState(
            [](const QJsonObject& state) { return Archive(state)[QLatin1String("MouseAt")].toArray()[0].toInt() > 0; },
            QStringLiteral("the grid to see the pointer")))[QLatin1String("MouseAt")].toArray();
        m_Origin = probe - QPoint(at[0].toInt(), at[1].toInt());
    }

    // The archive once the grid has seen the pointer at the grid's pixel Where.
    QJsonObject SeenAt(QPoint Where)
    {
        m_Demo->MoveTo(m_Origin + Where);
        return Archive(m_Demo->WaitForState(
            [&](const QJsonObject& state) {
                const QJsonArray at = Archive(state)[QLatin1String("MouseAt")].toArray();
                return QPoint(at[0].toInt(), at[1].toInt()) == Where;
            },
            QStringLiteral("the grid to see the pointer at %1, %2").arg(Where.x()).arg(Where.y())));
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

    QPoint m_Origin; // the grid's pixel (0, 0) in the window
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
