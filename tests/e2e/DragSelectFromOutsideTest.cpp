#include "DemoTest.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Tarvex::EndToEnd;

namespace {

int Field(const QJsonObject& State, const char* Name)
{
    return State[QLatin1String("Archive")][QLatin1String(Name)].toInt();
}

// The archive's rows worked with a real pointer: where a row lies is found by moving the pointer
// down the first columns until the grid says the pointer is over it.
class ArchiveRowsByMouse : public DemoTest {
protected:
    void SetUp() override
    {
        DemoTest::SetUp();
        if (!m_Demo)
            return;
        const QRect grid = RectOf(m_Demo->State()[QLatin1String("Archive")][QLatin1String("Rect")]);
        m_Height = grid.height();
        m_Below = QPoint(grid.left() + 60, grid.bottom() + 15);
        FindGridOrigin();
    }

    // A point a few pixels into the shown row Row, in window pixels, at the grid's X.
    QPoint InRow(int Row, int X = 60)
    {
        int low = 0;
        int high = m_Height - 1;
        while (low < high) {
            const int middle = (low + high) / 2;
            const QPoint grid(X, middle);
            const QJsonObject seen = SeenAt(grid);
            if (seen[QLatin1String("MouseRow")].toInt() >= Row)
                high = middle;
            else
                low = middle + 1;
        }
        return m_Origin + QPoint(X, low + 4);
    }

    QPoint m_Below;  // under the list, on the window
    int m_Height { 0 }; // of the grid
};

// Pressed on row 4 and held below the list for a second: the list scrolls on, and exactly the rows
// from row 4 to the current one are selected, none above it.
TEST_F(ArchiveRowsByMouse, ADragHeldBelowTheListSelectsFromThePressedRowOnly)
{
    const QPoint row4 = InRow(4);
    m_Demo->MoveTo(row4);
    m_Demo->Press();
    m_Demo->MoveTo((row4 + m_Below) / 2);
    m_Demo->MoveTo(m_Below);
    QThread::msleep(1000);
    m_Demo->Release();
    QThread::msleep(300); // the release ends the scroll; the state then rests
    const QJsonObject state = m_Demo->State();
    EXPECT_GT(Field(state, "RowFirstVisible"), 0) << "the list scrolled";
    EXPECT_GT(Field(state, "Row"), 4);
    EXPECT_EQ(Field(state, "Row") - 4 + 1, Field(state, "SelectedCount"));
}

// A drag from a cell released left of the grid, and a click on the grid's first pixel column, both
// outside every column: the current column stays, and F2 opens its editor there.
TEST_F(ArchiveRowsByMouse, APointerLeftOfTheColumnsKeepsTheCurrentColumn)
{
    const QPoint cell = InRow(2, 260);
    m_Demo->Click(cell);
    const int col = Field(m_Demo->WaitForState([](const QJsonObject& s) { return Field(s, "Row") == 2; },
                              QStringLiteral("row 2 current after a click")),
        "Col");
    ASSERT_GT(col, 0);

    const QPoint leftOfGrid(m_Origin.x() - 5, InRow(5).y());
    m_Demo->MoveTo(InRow(3, 260)); // far enough from the click not to make it a double click
    m_Demo->Press();
    m_Demo->MoveTo(leftOfGrid); // in one jump: a pointer crossing the first column would make it current
    m_Demo->MoveTo(leftOfGrid - QPoint(2, 0));
    m_Demo->Release();
    const QJsonObject dragged = m_Demo->WaitForState([](const QJsonObject& s) { return Field(s, "Row") == 5; },
        QStringLiteral("row 5 current after a drag released left of the grid"));
    EXPECT_EQ(col, Field(dragged, "Col"));

    m_Demo->Click(QPoint(m_Origin.x(), InRow(7).y()));
    const QJsonObject clicked = m_Demo->WaitForState([](const QJsonObject& s) { return Field(s, "Row") == 7; },
        QStringLiteral("row 7 current after a click on the grid's first pixel column"));
    EXPECT_EQ(col, Field(clicked, "Col"));

    m_Demo->Key({ QStringLiteral("F2") });
    m_Demo->WaitForState([](const QJsonObject& s) { return s[QLatin1String("Archive")][QLatin1String("EditPending")].toBool(); },
        QStringLiteral("the editor open after F2"));
    m_Demo->Key({ QStringLiteral("Escape") });
}

} // namespace
