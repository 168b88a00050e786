#include "grid/RuzuZiriPrivate.h"

#include <tarvex/platform/ImageList.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace Tarvex;

namespace {

// An archive list of four columns 80 pixels wide, sorting and dragging allowed, as the demo has it;
// what the host hears is noted with the column or button each event names.
struct HeaderGrid {
    QPointer<RuzuZiri> owner { new RuzuZiri };
    RuzuZiri& grid = *owner;
    RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(grid);
    QStringList events;

    explicit HeaderGrid(const QStringList& Rows = { "Berg\tOslo\t3", "Abel\tKiel\t1", "Dahl\tBonn\t4", "Cole\tUlm\t2" })
    {
        for (const char* heading : { "Kunde", "Ort", "Nr", "Datum" })
            grid.AddColumn(QString::fromLatin1(heading), 1200);
        for (const QString& row : Rows)
            grid.AddItem(row);
        grid.AllowColumnSort(true);
        grid.AllowColumnDrag(true);
        grid.resize(520, 240);
        grid.show();
        grid.Redraw(true);
        const auto note = [this](const char* Name) {
            return [this, Name](auto... Args) {
                QString line = QString::fromLatin1(Name);
                ((line += QStringLiteral(" %1").arg(Args)), ...);
                events << line;
            };
        };
        QObject::connect(&grid, &RuzuZiri::MouseDown, [this](qint16& Button, qint16&, float&, float&) { events << QStringLiteral("MouseDown %1").arg(Button); });
        QObject::connect(&grid, &RuzuZiri::MouseUp, [this](qint16& Button, qint16&, float&, float&) { events << QStringLiteral("MouseUp %1").arg(Button); });
        QObject::connect(&grid, &RuzuZiri::DblClick, note("DblClick"));
        QObject::connect(&grid, &RuzuZiri::SortComplete, note("SortComplete"));
        QObject::connect(&grid, &RuzuZiri::ColumnClick, note("ColumnClick"));
        QObject::connect(&grid, &RuzuZiri::ColumnSizeChanged, [note](int Col, int) { note("ColumnSizeChanged")(Col); });
        QObject::connect(&grid, &RuzuZiri::ColumnOrderChanged, note("ColumnOrderChanged"));
    }
    ~HeaderGrid() { delete owner.data(); }
    HeaderGrid(const HeaderGrid&) = delete;
    HeaderGrid& operator=(const HeaderGrid&) = delete;

    QPoint Widget(int X, int Y) const { return inside.ClientOrigin() + QPoint(X, Y); }
    Rect Extent(int Col) const
    {
        Rect extent { 0, 0, 0, 0 };
        inside.GetColumnExtent(Col, extent);
        return extent;
    }
    int HeaderY() const { return (inside.m_Geometry.m_Metrics.CaptionHeight + inside.m_Geometry.m_Metrics.HeaderHeight) / 2; }
    QPoint Header(int Col) const { return Widget((Extent(Col).Left + Extent(Col).Right) / 2, HeaderY()); }
    QPoint Border(int Col) const { return Widget(Extent(Col).Right, HeaderY()); }
    QPoint Cell(int Row, int Col) const
    {
        return Widget((Extent(Col).Left + Extent(Col).Right) / 2, inside.RowTop(Row) + grid.RowHeight(Row) / 2);
    }

    void Hover(QPoint At)
    {
        QMouseEvent move(QEvent::MouseMove, At, grid.mapToGlobal(At), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&grid, &move);
    }
    // The left button pressed at the first point, carried through the others, released at the last.
    void Drag(const std::vector<QPoint>& Path, Qt::KeyboardModifiers Keys = {})
    {
        Hover(Path.front());
        QTest::mousePress(&grid, Qt::LeftButton, Keys, Path.front());
        for (const QPoint& at : Path)
            QTest::mouseMove(&grid, at);
        QTest::mouseRelease(&grid, Qt::LeftButton, Keys, Path.back());
    }
    void DoubleClick(QPoint At, Qt::MouseButton Button = Qt::LeftButton)
    {
        Hover(At);
        QTest::mouseClick(&grid, Button, {}, At);
        QTest::mouseDClick(&grid, Button, {}, At);
        QTest::mouseRelease(&grid, Button, {}, At);
    }
    std::vector<int> Order() const
    {
        const auto& map = inside.m_Model.ColOrder();
        return std::vector<int>(map.begin(), map.begin() + grid.Cols());
    }
    int SortOrder(int Col) const { return inside.m_Model.Columns()[size_t(Col)].SortOrder; }
};

const std::vector<int> Unmoved { 0, 1, 2, 3 };

} // namespace

// What a press in the header row, and around it, does with the button let go at the path's end.
TEST(GridMouseHeader, AHeaderPressSortsMovesOrDoesNothingByWhereItStartsAndEnds)
{
    struct Case {
        const char* name;
        std::function<void(HeaderGrid&)> arrange;
        std::function<std::vector<QPoint>(const HeaderGrid&)> path;
        std::vector<int> order;
        int sortedCol; // the column sorted smallest first after it; -1 none
        QStringList events;
    };
    const auto none = [](HeaderGrid&) { };
    const auto swapping = [](HeaderGrid& g) { g.grid.AllowColumnSwap(true); };
    const auto rowNumbers = [](HeaderGrid& g) { g.grid.ShowRowNumbers(true); };
    const QStringList sorted1 { "MouseDown 1", "SortComplete", "ColumnClick 1", "MouseUp 1" };
    const Case cases[] {
        { "a click whose hand shakes by two pixels", none,
          [](const HeaderGrid& g) { return std::vector { g.Header(1), g.Header(1) + QPoint(2, 1) }; }, Unmoved, 1, sorted1 },
        { "the same while swapping", swapping,
          [](const HeaderGrid& g) { return std::vector { g.Header(1), g.Header(1) + QPoint(-2, 0) }; }, Unmoved, 1, sorted1 },
        { "a drag past the drag distance", none,
          [](const HeaderGrid& g) { return std::vector { g.Header(1), g.Header(3) }; }, { 0, 2, 3, 1 }, -1,
          { "MouseDown 1", "ColumnOrderChanged 3 1", "MouseUp 1" } },
        { "a heading let go 150 pixels above the grid", none,
          [](const HeaderGrid& g) { return std::vector { g.Header(1), g.Header(3), QPoint(g.Header(3).x(), -150) }; }, Unmoved, -1,
          { "MouseDown 1", "MouseUp 1" } },
        { "a heading let go on the caption", [](HeaderGrid& g) { g.grid.Caption(QStringLiteral("Archiv")); },
          [](const HeaderGrid& g) {
              return std::vector { g.Header(1), g.Header(3), QPoint(g.Header(3).x(), g.Widget(0, 3).y()) };
          },
          Unmoved, -1, { "MouseDown 1", "MouseUp 1" } },
        { "a heading let go on the rows", none,
          [](const HeaderGrid& g) { return std::vector { g.Header(1), g.Header(3), g.Cell(1, 3) }; }, Unmoved, -1,
          { "MouseDown 1", "MouseUp 1" } },
        { "a click on the corner above the row numbers", rowNumbers,
          [](const HeaderGrid& g) { return std::vector { g.Widget(4, g.HeaderY()) }; }, Unmoved, -1, { "MouseDown 1", "MouseUp 1" } },
        { "the corner dragged onto a heading", rowNumbers,
          [](const HeaderGrid& g) { return std::vector { g.Widget(4, g.HeaderY()), g.Header(2) }; }, Unmoved, -1,
          { "MouseDown 1", "ColumnClick 2", "MouseUp 1" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HeaderGrid g;
        c.arrange(g);
        g.events.clear();
        g.Drag(c.path(g));
        EXPECT_EQ(c.order, g.Order());
        for (int col = 0; col < 4; ++col)
            EXPECT_EQ(col == c.sortedCol ? 2 : 0, g.SortOrder(col)) << "column " << col;
        EXPECT_EQ(c.events.join(", ").toStdString(), g.events.join(", ").toStdString());
        EXPECT_EQ(-1, g.inside.m_Input.m_DragSourceCol);
    }
}

// Escape ends the drag of a heading as it ends any drag: the column stays, the release says nothing
// more than that the button came up.
TEST(GridMouseHeader, EscapeEndsAHeadingsDragWithNothingMoved)
{
    HeaderGrid g;
    g.grid.setFocus();
    g.Hover(g.Header(1));
    QTest::mousePress(&g.grid, Qt::LeftButton, {}, g.Header(1));
    QTest::mouseMove(&g.grid, g.Header(3));
    QTest::keyClick(&g.grid, Qt::Key_Escape);
    QTest::mouseMove(&g.grid, g.Header(3) + QPoint(3, 0));
    QTest::mouseRelease(&g.grid, Qt::LeftButton, {}, g.Header(3));
    EXPECT_EQ(Unmoved, g.Order());
    EXPECT_EQ(0, g.SortOrder(3));
    EXPECT_EQ("MouseDown 1, MouseUp 1", g.events.join(", ").toStdString());
    EXPECT_EQ(-1, g.inside.m_Input.m_DragSourceCol);
}

// The header is the same with no rows as with many: its borders size the columns, its headings move
// them.
TEST(GridMouseHeader, TheHeaderWorksWithoutRows)
{
    HeaderGrid g(QStringList {});
    const int width = g.inside.m_Model.Columns()[1].WidthPx;
    g.Drag({ g.Border(1), g.Border(1) + QPoint(30, 0) });
    EXPECT_EQ(width + 30, g.inside.m_Model.Columns()[1].WidthPx);
    EXPECT_TRUE(g.events.contains("ColumnSizeChanged 1"));
    g.Drag({ g.Header(0), g.Header(2) });
    EXPECT_EQ(std::vector<int>({ 1, 2, 0, 3 }), g.Order());
}

// A border let go where no border is shows the pointer of what lies there, before the pointer moves.
TEST(GridMouseHeader, TheSizingPointerEndsWithTheBorderDrag)
{
    HeaderGrid g;
    g.Drag({ g.Border(1), g.Border(1) + QPoint(20, 0), g.Cell(2, 2) });
    EXPECT_EQ(MousePointerShape::Default, g.inside.MousePointer());
}

// A double click on a border fits the column, and its host hears it as of a border drag; the clicks
// name the fitted column only, though the narrowed column has left the pointer over its neighbour.
TEST(GridMouseHeader, ADoubleClickedBorderFitsItsColumnAndTellsTheHost)
{
    HeaderGrid g;
    g.events.clear();
    g.DoubleClick(g.Border(1) + QPoint(-2, 0));
    EXPECT_LT(g.inside.m_Model.Columns()[1].WidthPx, 80);
    EXPECT_EQ("MouseDown 1, ColumnClick 1, MouseUp 1, MouseDown 1, ColumnSizeChanged 1, ColumnClick 1, MouseUp 1",
              g.events.join(", ").toStdString());
}

// A host that opens its menu on MouseDown hears every press, the second of a double click too.
TEST(GridMouseHeader, EveryPressOfADoubleClickRaisesMouseDown)
{
    for (const auto& [button, code] : { std::pair { Qt::RightButton, 2 }, std::pair { Qt::LeftButton, 1 }, std::pair { Qt::MiddleButton, 4 } }) {
        HeaderGrid g;
        g.events.clear();
        g.DoubleClick(g.Cell(2, 1), button);
        QStringList presses;
        for (const QString& e : g.events)
            if (e.startsWith(QStringLiteral("Mouse")))
                presses << e;
        EXPECT_EQ(QStringLiteral("MouseDown %1, MouseUp %1, MouseDown %1, MouseUp %1").arg(code).toStdString(),
                  presses.join(", ").toStdString());
    }
}

// While the host keeps an edit open, a header click sorts nothing and leaves everything as it was:
// the arrow, the current column, the step the next click takes.
TEST(GridMouseHeader, ASortRefusedByAnOpenEditChangesNothing)
{
    HeaderGrid g;
    g.grid.AllowEdit(true);
    g.Drag({ g.Header(0) });
    ASSERT_EQ(2, g.SortOrder(0));
    g.grid.RowColSet(1, 2);
    g.grid.ForceCellEdit(1, 2);
    g.grid.findChild<QLineEdit*>(QStringLiteral("txtEdit"))->setText(QStringLiteral("9"));
    bool refuse = true;
    QObject::connect(&g.grid, &RuzuZiri::AfterEdit, [&refuse](int, int, QString&, bool& Cancel) { Cancel = refuse; });
    g.Drag({ g.Header(1) });
    EXPECT_EQ(2, g.SortOrder(0));
    EXPECT_EQ(0, g.SortOrder(1));
    EXPECT_EQ(2, g.grid.Col());
    EXPECT_TRUE(g.grid.EditPending());
    refuse = false;
    g.Drag({ g.Header(0) });
    EXPECT_EQ(1, g.SortOrder(0)) << "the second click on the sorted column reverses it";
    EXPECT_EQ(QStringList({ "Dahl", "Cole", "Berg", "Abel" }), (QStringList { g.grid.CellText(0, 0), g.grid.CellText(1, 0),
                                                                              g.grid.CellText(2, 0), g.grid.CellText(3, 0) }));
}

// The expand button of a word-wrapped cell is a button: it acts on its own row, and only when pressed
// and let go on it.
TEST(GridMouseHeader, TheExpandButtonActsOnlyOnTheRowItIsClickedOn)
{
    const QString longText = QStringLiteral("Hafen Bergen Nord");
    Tarvex::ImageList images;
    QPixmap picture(12, 12);
    picture.fill(Qt::red);
    images.Add(picture);
    HeaderGrid g(QStringList {});
    g.grid.resize(520, 400);
    g.grid.ImageList(&images);
    g.grid.AllowWordWrap(true);
    g.grid.ExpandRowImage(1);
    g.grid.MultiSelect(1);
    for (int row = 0; row < 6; ++row) {
        g.grid.AddItem(longText + QStringLiteral("\tx\ty\tz"));
        g.grid.CellWordWrap(row, 0, true);
        g.grid.RowHeight(row, -1);
    }
    g.grid.RowColSet(0, 0);
    const int tall = g.grid.RowHeight(0);
    const auto button = [&g](int Row) {
        Rect box;
        g.inside.GetCellRect(Row, 0, g.inside.RowTop(Row), box, RuzuZiriPrivate::CellRectImage);
        return g.Widget(box.Left + 3, box.Top + 3);
    };
    struct Gesture {
        const char* what;
        std::function<void()> act;
        std::vector<int> heights; // of rows 0 to 4: tall or not
    };
    const Gesture gestures[] {
        { "pressed on row 0, let go on row 4's button, Shift held",
          [&] { g.Drag({ g.Cell(0, 1), button(4) }, Qt::ShiftModifier); }, { 1, 1, 1, 1, 1 } },
        { "dragged from row 2 onto row 4's button", [&] { g.Drag({ g.Cell(2, 1), button(4) }); }, { 1, 1, 1, 1, 1 } },
        { "pressed on row 4's button, let go on row 3", [&] { g.Drag({ button(4), g.Cell(3, 1) }); }, { 1, 1, 1, 1, 1 } },
        { "a click on row 4's button", [&] { g.Drag({ button(4) }); }, { 1, 1, 1, 1, 0 } },
    };
    for (const Gesture& gesture : gestures) {
        gesture.act();
        std::vector<int> heights;
        for (int row = 0; row < 5; ++row)
            heights.push_back(g.grid.RowHeight(row) == tall ? 1 : 0);
        EXPECT_EQ(gesture.heights, heights) << gesture.what;
    }
}

// An edit whose row goes, whatever removes it, closes without writing; the next click works.
TEST(GridMouseHeader, AnEditWhoseRowIsRemovedCloses)
{
    HeaderGrid g;
    g.grid.AllowEdit(true);
    g.grid.EditTrigger(16);
    QObject::connect(&g.grid, &RuzuZiri::DblClick, [&g] { g.grid.RemoveRow(-1); });
    auto* editor = g.grid.findChild<QLineEdit*>(QStringLiteral("txtEdit"));
    g.DoubleClick(g.Cell(1, 1));
    EXPECT_FALSE(g.grid.EditPending());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(QStringList({ "Berg", "Dahl", "Cole" }), (QStringList { g.grid.CellText(0, 0), g.grid.CellText(1, 0), g.grid.CellText(2, 0) }));
    g.Drag({ g.Cell(2, 0) });
    EXPECT_EQ(2, g.grid.Row());

    g.grid.ForceCellEdit(2, 1);
    editor->setText(QStringLiteral("Rom"));
    g.grid.RemoveRow(0);
    EXPECT_TRUE(g.grid.EditPending()) << "another row's removal leaves the edit";
    EXPECT_EQ(g.inside.RowTop(1) + g.inside.ClientOrigin().y(), editor->y() - g.inside.m_Settings.m_GridLineWidth);
    g.grid.MultiSelect(1);
    g.grid.RowSelected(1, true);
    g.grid.DeleteSelected();
    EXPECT_FALSE(g.grid.EditPending());
    EXPECT_EQ(QStringLiteral("Bonn"), g.grid.CellText(0, 1));
}

// The dragged heading's copy covers no heading: the header row shows what it shows without the copy,
// the two cells of the drag pressed, and the copy hangs below it, its heading whole.
TEST(GridMouseHeader, TheDraggedHeadingsCopyLeavesEveryHeadingReadable)
{
    HeaderGrid g;
    g.grid.ThemeStyle(4);
    g.Hover(g.Header(0));
    QTest::mousePress(&g.grid, Qt::LeftButton, {}, g.Header(0));
    QTest::mouseMove(&g.grid, g.Header(0) + QPoint(20, 0));
    auto* copy = g.grid.findChild<QLabel*>(QStringLiteral("DraggedHeading"));
    ASSERT_TRUE(copy);
    const int startedAt = copy->x();
    QTest::mouseMove(&g.grid, g.Header(0) + QPoint(50, 0));
    const QImage shown = g.grid.grab().toImage();
    g.inside.DrawHeaders(true);
    const int header = g.inside.m_Geometry.m_Metrics.HeaderHeight;
    const QPoint origin = g.inside.ClientOrigin();
    for (int y = 0; y < header; ++y) {
        for (int x = 0; x < 320; ++x) {
            const QRgb pixel = shown.pixel(origin.x() + x, origin.y() + y);
            ASSERT_EQ(g.grid.Point(x, y), OleColor(qRed(pixel) | qGreen(pixel) << 8 | qBlue(pixel) << 16)) << x << ", " << y;
        }
    }
    ASSERT_TRUE(copy->isVisible());
    EXPECT_EQ(origin.y() + header, copy->y());
    EXPECT_EQ(startedAt + 30, copy->x()) << "it follows the pointer";
    const QImage copied = copy->grab().toImage();
    int dark = 0;
    for (int y = 0; y < copied.height(); ++y)
        for (int x = 0; x < copied.width(); ++x)
            dark += qGray(copied.pixel(x, y)) < 100;
    EXPECT_GT(dark, 10) << "its heading shows";
    QTest::mouseRelease(&g.grid, Qt::LeftButton, {}, g.Header(0) + QPoint(50, 0));
    EXPECT_FALSE(copy->isVisible());
}
