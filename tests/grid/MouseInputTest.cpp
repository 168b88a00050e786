#include "grid/RuzuZiriPrivate.h"

#include "GridFill.h"
#include "GridInvariants.h"
#include "GridPointer.h"

#include <tarvex/platform/VisualStyle.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Tarvex;

namespace {

// A shown grid of four text columns, a check-box column and a button column, eight rows, row 1
// current; every event a mouse action raises is noted in order.
struct MousedGrid {
    QPointer<RuzuZiri> owner { new RuzuZiri }; // on the heap, so that a hostile handler may delete it
    RuzuZiri& grid = *owner;
    RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(grid);
    QStringList events;

    MousedGrid()
    {
        Fill(grid, { 0, 0, 0, 0, ColTypeCheckBox, ColTypeButton },
             { "a\t5\tx\tp\tFalse\tgo", "b\t3\ty\tq\tFalse\tgo", "c\t8\tz\tr\tTrue\tgo", "d\t1\tw\ts\tFalse\tgo",
               "e\t4\tv\tt\tFalse\tgo", "f\t2\tu\tu\tFalse\tgo", "g\t7\tt\tv\tFalse\tgo", "h\t6\ts\tw\tFalse\tgo" },
             900);
        grid.AllowEdit(true);
        grid.EditTrigger(0);
        grid.resize(560, 260);
        grid.show();
        grid.Redraw(true);
        grid.RowColSet(1, 0);
        Note();
    }
    ~MousedGrid() { delete owner.data(); }
    MousedGrid(const MousedGrid&) = delete;
    MousedGrid& operator=(const MousedGrid&) = delete;

    void Note()
    {
        const auto note = [this](const char* Name) { return [this, Name] { events << QString::fromLatin1(Name); }; };
        QObject::connect(&grid, &RuzuZiri::MouseDown, note("MouseDown"));
        QObject::connect(&grid, &RuzuZiri::MouseUp, note("MouseUp"));
        QObject::connect(&grid, &RuzuZiri::Click, note("Click"));
        QObject::connect(&grid, &RuzuZiri::DblClick, note("DblClick"));
        QObject::connect(&grid, &RuzuZiri::CellClick, note("CellClick"));
        QObject::connect(&grid, &RuzuZiri::ColumnClick, note("ColumnClick"));
        QObject::connect(&grid, &RuzuZiri::SelectionChanged, note("SelectionChanged"));
        QObject::connect(&grid, &RuzuZiri::RowCheckChanged, note("RowCheckChanged"));
        QObject::connect(&grid, &RuzuZiri::BeforeEdit, note("BeforeEdit"));
        QObject::connect(&grid, &RuzuZiri::AfterEdit, note("AfterEdit"));
        QObject::connect(&grid, &RuzuZiri::SortComplete, note("SortComplete"));
        QObject::connect(&grid, &RuzuZiri::CellButtonClick, note("CellButtonClick"));
        QObject::connect(&grid, &RuzuZiri::CellHandClick, note("CellHandClick"));
        QObject::connect(&grid, &RuzuZiri::ColumnOrderChanged, note("ColumnOrderChanged"));
    }

    // Widget positions of places on the picture, as a user aims at them.
    QPoint Widget(int X, int Y) const { return inside.ClientOrigin() + QPoint(X, Y); }
    Rect Extent(int Col) const
    {
        Rect extent { 0, 0, 0, 0 };
        inside.GetColumnExtent(Col, extent);
        return extent;
    }
    QPoint Cell(int Row, int Col) const
    {
        const Rect e = Extent(Col);
        return Widget((e.Left + e.Right) / 2, inside.RowTop(Row) + inside.m_Model.RowAt(Row).Height / 2);
    }
    QPoint CheckBox(int Row, int Col) const
    {
        Rect box;
        inside.GetCellRect(Row, Col, inside.RowTop(Row), box, RuzuZiriPrivate::CellRectCheckBox);
        return Widget((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
    }
    QPoint Header(int Col) const { return QPoint(Cell(0, Col).x(), Widget(0, inside.m_Geometry.m_Metrics.HeaderHeight / 2).y()); }
    QPoint HeaderBorder(int Col) const { return Widget(Extent(Col).Right, inside.m_Geometry.m_Metrics.HeaderHeight / 2); }
    QPoint RowBorder(int Row) const { return Widget(20, inside.RowTop(Row) + inside.m_Model.RowAt(Row).Height); }

    void Hover(QPoint At) { HoverOver(grid, At); }
    void Click(QPoint At, Qt::KeyboardModifiers Keys = {}, Qt::MouseButton Button = Qt::LeftButton)
    {
        Hover(At);
        QTest::mouseClick(&grid, Button, Keys, At);
    }
    // Qt's order: press, release, then the second press as a double click, and its release.
    void DoubleClick(QPoint At)
    {
        Click(At);
        QTest::mouseDClick(&grid, Qt::LeftButton, {}, At);
        QTest::mouseRelease(&grid, Qt::LeftButton, {}, At);
    }
    void Drag(QPoint From, QPoint To)
    {
        Hover(From);
        QTest::mousePress(&grid, Qt::LeftButton, {}, From);
        QTest::mouseMove(&grid, (From + To) / 2);
        QTest::mouseMove(&grid, To);
        QTest::mouseRelease(&grid, Qt::LeftButton, {}, To);
    }
    std::vector<int> Selected() const { return SelectedRows(grid); }
    // Nothing of a press is left over: no state, no pressed header, no grab.
    bool Idle() const
    {
        return inside.m_Input.m_MouseState == MouseState::None && inside.m_Input.m_DownCol == -1 && inside.m_Input.m_DragSourceCol == -1
            && inside.m_Input.m_AutoScrollDir == 0 && QWidget::mouseGrabber() == nullptr;
    }
};

} // namespace

TEST(GridMouse, EachZoneAnswersAClickAsTheUserExpects)
{
    struct Case {
        const char* name;
        std::function<void(MousedGrid&)> arrange;
        std::function<QPoint(const MousedGrid&)> where;
        Qt::KeyboardModifiers keys;
        Qt::MouseButton button;
        int row, col;                  // current cell after the click (column number)
        std::vector<int> selected;
        QStringList events;
    };
    const auto none = [](MousedGrid&) { };
    const auto multi = [](MousedGrid& g) { g.grid.MultiSelect(1); };
    const QStringList cellClick { "MouseDown", "ColumnClick", "MouseUp", "Click", "CellClick" };
    const Case cases[] {
        { "a plain click on a cell", none, [](const MousedGrid& g) { return g.Cell(3, 2); }, {}, Qt::LeftButton, 3, 2, { 3 },
          { "SelectionChanged", "MouseDown", "ColumnClick", "MouseUp", "Click", "CellClick" } },
        { "a click on the selected current row", none, [](const MousedGrid& g) { return g.Cell(1, 1); }, {}, Qt::LeftButton, 1, 1,
          { 1 }, cellClick },
        { "Ctrl and one selected row, the current one", none, [](const MousedGrid& g) { return g.Cell(1, 0); },
          Qt::ControlModifier, Qt::LeftButton, 1, 0, {}, { "SelectionChanged", "MouseDown", "ColumnClick", "MouseUp", "Click", "CellClick" } },
        { "Ctrl with MultiSelect adds a row", multi, [](const MousedGrid& g) { return g.Cell(4, 0); }, Qt::ControlModifier,
          Qt::LeftButton, 4, 0, { 1, 4 }, { "SelectionChanged", "MouseDown", "ColumnClick", "MouseUp", "Click", "CellClick" } },
        { "Shift with MultiSelect selects from the current row", multi, [](const MousedGrid& g) { return g.Cell(4, 0); },
          Qt::ShiftModifier, Qt::LeftButton, 4, 0, { 1, 2, 3, 4 },
          { "SelectionChanged", "MouseDown", "ColumnClick", "MouseUp", "Click", "CellClick" } },
        { "MultiSelect 2 toggles on a plain click", [](MousedGrid& g) { g.grid.MultiSelect(2); },
          [](const MousedGrid& g) { return g.Cell(1, 0); }, {}, Qt::LeftButton, 1, 0, {},
          { "SelectionChanged", "MouseDown", "ColumnClick", "MouseUp", "Click", "CellClick" } },
        { "the row check-box strip", [](MousedGrid& g) { g.grid.RowCheckBoxes(true); },
          [](const MousedGrid& g) { return g.Cell(5, 0) - QPoint(g.Cell(5, 0).x() - g.Widget(6, 0).x(), 0); }, {},
          Qt::LeftButton, 1, 0, { 1 }, { "RowCheckChanged", "MouseDown", "ColumnClick", "MouseUp", "Click", "CellClick" } },
        { "a check-box cell's box", none, [](const MousedGrid& g) { return g.CheckBox(3, 4); }, {}, Qt::LeftButton, 3, 4,
          { 3 }, { "BeforeEdit", "AfterEdit", "SelectionChanged", "MouseDown", "ColumnClick", "MouseUp", "Click", "CellClick" } },
        { "a button cell", none, [](const MousedGrid& g) { return g.Cell(2, 5); }, {}, Qt::LeftButton, 2, 5, { 2 },
          { "SelectionChanged", "MouseDown", "ColumnClick", "CellButtonClick", "MouseUp", "Click", "CellClick" } },
        { "a hand cell", [](MousedGrid& g) { g.grid.CellHandPointer(2, 3, true); }, [](const MousedGrid& g) { return g.Cell(2, 3); },
          {}, Qt::LeftButton, 2, 3, { 2 },
          { "SelectionChanged", "MouseDown", "ColumnClick", "CellHandClick", "MouseUp", "Click", "CellClick" } },
        { "a header that sorts", [](MousedGrid& g) { g.grid.AllowColumnSort(true); },
          [](const MousedGrid& g) { return g.Header(1); }, {}, Qt::LeftButton, 2, 1, { 2 },
          { "MouseDown", "SelectionChanged", "SortComplete", "ColumnClick", "MouseUp" } },
        { "the caption bar, with sorting allowed", [](MousedGrid& g) { g.grid.AllowColumnSort(true); g.grid.Caption("Archiv"); },
          [](const MousedGrid& g) { return QPoint(g.Header(1).x(), g.Widget(0, g.inside.m_Geometry.m_Metrics.CaptionHeight / 2).y()); }, {},
          Qt::LeftButton, 1, 0, { 1 }, { "MouseDown", "MouseUp" } },
        { "a header that does not sort", none, [](const MousedGrid& g) { return g.Header(1); }, {}, Qt::LeftButton, 1, 0, { 1 },
          { "MouseDown", "ColumnClick", "MouseUp" } },
        { "a locked row", [](MousedGrid& g) { g.grid.RowLocked(3, true); }, [](const MousedGrid& g) { return g.Cell(3, 0); }, {},
          Qt::LeftButton, 1, 0, { 1 }, { "SelectionChanged", "ColumnClick" } },
        { "a right click among the selected rows", [](MousedGrid& g) { g.grid.MultiSelect(1); g.grid.RowSelected(4, true); },
          [](const MousedGrid& g) { return g.Cell(4, 2); }, {}, Qt::RightButton, 1, 0, { 1, 4 }, { "MouseDown", "MouseUp" } },
        { "a right click on another row", none, [](const MousedGrid& g) { return g.Cell(4, 2); }, {}, Qt::RightButton, 4, 2, { 4 },
          { "SelectionChanged", "MouseDown", "MouseUp" } },
        { "below the rows", none, [](const MousedGrid& g) { return g.Cell(7, 1) + QPoint(0, 60); }, {}, Qt::LeftButton, 1, 0, { 1 },
          { "MouseDown", "MouseUp" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MousedGrid g;
        c.arrange(g);
        g.events.clear();
        g.Click(c.where(g), c.keys, c.button);
        EXPECT_EQ(c.events.join(", ").toStdString(), g.events.join(", ").toStdString());
        EXPECT_EQ(c.row, g.grid.Row());
        EXPECT_EQ(c.col, g.grid.Col());
        EXPECT_EQ(c.selected, g.Selected());
        EXPECT_TRUE(g.Idle());
        const QString name = QString::fromLatin1(c.name);
        if (name.contains("check-box cell")) {
            EXPECT_EQ(QStringLiteral("True"), g.grid.CellText(3, 4)) << "stored as the export reads it";
        }
        if (name.contains("strip")) {
            EXPECT_TRUE(g.grid.RowChecked(5));
        }
        if (name.contains("caption bar")) {
            EXPECT_EQ(QStringList({ "5", "3", "8", "1", "4", "2", "7", "6" }), Shown(g.grid, 1)) << "not a header";
        }
        if (name.contains("that sorts")) {
            EXPECT_EQ(QStringList({ "1", "2", "3", "4", "5", "6", "7", "8" }), Shown(g.grid, 1));
        }
    }
}

TEST(GridMouse, DragsSizeMoveAndSelectAsThePressDecided)
{
    struct Case {
        const char* name;
        std::function<void(MousedGrid&)> arrange;
        std::function<QPoint(const MousedGrid&)> from;
        QPoint by;                              // how far the pointer goes while the button is held
        std::function<void(const MousedGrid&)> check;
    };
    const auto order = [](const MousedGrid& g) {
        const auto& map = g.inside.m_Model.ColOrder();
        return std::vector<int>(map.begin(), map.begin() + g.grid.Cols());
    };
    const int width = 60; // 900 twips
    const Case cases[] {
        { "a header dragged from position 1 onto position 3", [](MousedGrid& g) { g.grid.AllowColumnDrag(true); },
          [](const MousedGrid& g) { return g.Header(1); }, QPoint(2 * width, 0),
          [&](const MousedGrid& g) {
              EXPECT_EQ(std::vector<int>({ 0, 2, 3, 1, 4, 5 }), order(g));
              EXPECT_EQ("MouseDown, ColumnOrderChanged 3 1, MouseUp", g.events.join(", ").toStdString());
          } },
        { "a header swapped from position 1 onto position 3", [](MousedGrid& g) { g.grid.AllowColumnSwap(true); },
          [](const MousedGrid& g) { return g.Header(1); }, QPoint(2 * width, 0),
          [&](const MousedGrid& g) { EXPECT_EQ(std::vector<int>({ 0, 3, 2, 1, 4, 5 }), order(g)); } },
        { "a header dropped on its own place", [](MousedGrid& g) { g.grid.AllowColumnDrag(true); },
          [](const MousedGrid& g) { return g.Header(1); }, QPoint(10, 0),
          [&](const MousedGrid& g) {
              EXPECT_EQ(std::vector<int>({ 0, 1, 2, 3, 4, 5 }), order(g));
              EXPECT_EQ("MouseDown, MouseUp", g.events.join(", ").toStdString()); // a drag is no click
          } },
        { "a column border dragged right", [](MousedGrid&) { }, [](const MousedGrid& g) { return g.HeaderBorder(2); },
          QPoint(30, 0),
          [&](const MousedGrid& g) {
              EXPECT_EQ(width + 30, g.inside.m_Model.Columns()[2].WidthPx);
              EXPECT_FLOAT_EQ((width + 30) * 15.0f, g.grid.ColWidth(2)); // in the grid's twips
              EXPECT_TRUE(g.events.contains("ColumnSizeChanged 2"));
          } },
        { "a column border dragged past the column's left", [](MousedGrid&) { }, [](const MousedGrid& g) { return g.HeaderBorder(2); },
          QPoint(-110, 0), [&](const MousedGrid& g) { EXPECT_EQ(5, g.inside.m_Model.Columns()[2].WidthPx); } }, // 5 half-way
        { "a row border dragged down", [](MousedGrid& g) { g.grid.AllowRowResizing(true); },
          [](const MousedGrid& g) { return g.RowBorder(2); }, QPoint(0, 15),
          [&](const MousedGrid& g) { EXPECT_EQ(g.inside.m_Geometry.m_RowHeightDef + 15, g.grid.RowHeight(2)); } },
        { "a row border dragged up", [](MousedGrid& g) { g.grid.AllowRowResizing(true); },
          [](const MousedGrid& g) { return g.RowBorder(2); }, QPoint(0, -6),
          [&](const MousedGrid& g) { EXPECT_EQ(g.inside.m_Geometry.m_RowHeightDef, g.grid.RowHeight(2)); } },
        { "a border left towards the rows sizes nothing", [](MousedGrid& g) { g.grid.AllowColumnResizing(true); },
          [](const MousedGrid& g) { return g.HeaderBorder(2) + QPoint(0, 60); }, QPoint(40, 40),
          [&](const MousedGrid& g) { EXPECT_EQ(width, g.inside.m_Model.Columns()[2].WidthPx); } },
        { "rows dragged over with MultiSelect", [](MousedGrid& g) { g.grid.MultiSelect(1); },
          [](const MousedGrid& g) { return g.Cell(2, 1); }, QPoint(0, 40),
          [&](const MousedGrid& g) {
              EXPECT_EQ(std::vector<int>({ 2, 3, 4 }), g.Selected());
              EXPECT_EQ(4, g.grid.Row());
          } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MousedGrid g;
        c.arrange(g);
        QObject::connect(&g.grid, &RuzuZiri::ColumnOrderChanged,
                         [&g](int To, int From) { g.events.last() += QStringLiteral(" %1 %2").arg(To).arg(From); });
        QObject::connect(&g.grid, &RuzuZiri::ColumnSizeChanged, [&g](int Col, int) { g.events << QStringLiteral("ColumnSizeChanged %1").arg(Col); });
        const QPoint from = c.from(g);
        if (c.from(g).y() > g.Header(0).y() + 20)
            g.Hover(g.HeaderBorder(2)); // found the border before, then went down
        g.events.clear();
        g.Drag(from, from + c.by);
        c.check(g);
        EXPECT_TRUE(g.Idle());
    }
}

TEST(GridMouse, ThePointerShowsWhatAPressThereWouldDo)
{
    struct Case {
        const char* name;
        bool rowResizing;
        std::function<QPoint(const MousedGrid&)> where;
        int shape;
    };
    const Case cases[] {
        { "a column border in the header", false, [](const MousedGrid& g) { return g.HeaderBorder(1) + QPoint(3, 0); }, MousePointerShape::SizeWE },
        { "a column border below the rows", false, [](const MousedGrid& g) { return g.HeaderBorder(1) + QPoint(-3, 200); }, MousePointerShape::SizeWE },
        { "a row border", true, [](const MousedGrid& g) { return g.RowBorder(3) + QPoint(0, 2); }, MousePointerShape::SizeNS },
        { "a row border that cannot be sized", false, [](const MousedGrid& g) { return g.RowBorder(3); }, MousePointerShape::Default },
        { "a hand cell", false, [](const MousedGrid& g) { return g.Cell(2, 3); }, MousePointerShape::Custom },
        { "a plain cell after the hand cell", false, [](const MousedGrid& g) { return g.Cell(2, 2); }, MousePointerShape::Default },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MousedGrid g;
        g.grid.AllowRowResizing(c.rowResizing);
        g.grid.CellHandPointer(2, 3, true);
        g.grid.CellForeColor(2, 2, 0xFF); // a format of its own, without the hand
        g.Hover(g.Cell(2, 3));
        g.Hover(c.where(g));
        EXPECT_EQ(c.shape, g.inside.MousePointer());
    }
}

TEST(GridMouse, ADoubleClickOpensTheEditorOrFitsTheColumnUnderTheBorder)
{
    MousedGrid g;
    g.grid.EditTrigger(16);
    g.DoubleClick(g.Cell(3, 1));
    EXPECT_EQ("SelectionChanged, MouseDown, ColumnClick, MouseUp, Click, CellClick, MouseDown, BeforeEdit, DblClick, ColumnClick, MouseUp",
              g.events.join(", ").toStdString());
    EXPECT_TRUE(g.grid.EditPending());
    EXPECT_EQ(QStringLiteral("1"), g.grid.findChild<QLineEdit*>(QStringLiteral("txtEdit"))->text());

    MousedGrid h;
    h.grid.CellText(0, 1, QStringLiteral("a text far wider than its column"));
    h.events.clear();
    h.DoubleClick(h.HeaderBorder(1));
    EXPECT_GT(h.inside.m_Model.Columns()[1].WidthPx, 150);
    EXPECT_FALSE(h.events.contains("DblClick"));
}

// Each bit of EditTrigger opens the editor its own way and no other; a double click clicks first, so
// the click's bit opens it too. Bit 2 only swallows Enter and Escape.
TEST(GridMouse, EachEditTriggerBitOpensTheEditorItsOwnWay)
{
    struct Gesture {
        const char* what;
        int opensWith; // the EditTrigger bits under which the gesture opens the editor
        std::function<void(MousedGrid&)> act;
    };
    const Gesture gestures[] {
        { "F2", 4, [](MousedGrid& g) { QTest::keyClick(&g.grid, Qt::Key_F2); } },
        { "a click", 8, [](MousedGrid& g) { g.Click(g.Cell(1, 0)); } },
        { "a double click", 8 | 16, [](MousedGrid& g) { g.DoubleClick(g.Cell(1, 0)); } },
        { "typing", 32, [](MousedGrid& g) { QTest::keyClick(&g.grid, 'k'); } },
    };
    for (const int trigger : { 2, 4, 8, 16, 32 }) {
        for (const Gesture& gesture : gestures) {
            MousedGrid g;
            g.grid.EditTrigger(trigger);
            gesture.act(g);
            EXPECT_EQ((gesture.opensWith & trigger) != 0, g.grid.EditPending()) << gesture.what << ", EditTrigger " << trigger;
        }
    }
}

// A header cell under the pointer lights up where clicking a heading does something; a full paint
// draws every cell plain again, and the pointer's next move lights its cell anew. A move of the
// current cell, which could paint only its rows, paints the headers plain too.
TEST(GridMouse, AHeaderLightsUnderThePointerUntilTheNextFullPaint)
{
    const VisualStyle::Override classic(false);
    MousedGrid g;
    g.grid.ThemeStyle(4);
    g.grid.AllowColumnSort(true);
    // Which header cell shows hot, by the underline above its bottom edge; -1 none.
    const auto lit = [&g] {
        const OleColor hotUnderline = 0x00A9F8; // header style 4
        int hot = -1;
        for (int col = 0; col < 4; ++col) {
            const Rect e = g.Extent(col);
            if (g.grid.Point((e.Left + e.Right) / 2, g.inside.m_Geometry.m_Metrics.HeaderHeight - 3) == hotUnderline)
                hot = hot == -1 ? col : -2;
        }
        return hot;
    };
    const struct {
        const char* what;
        std::function<void(MousedGrid&)> act;
        int hot;
    } steps[] {
        { "over the second heading", [](MousedGrid& m) { m.Hover(m.Header(1)); }, 1 },
        { "over the third heading", [](MousedGrid& m) { m.Hover(m.Header(2)); }, 2 },
        { "down onto the cells", [](MousedGrid& m) { m.Hover(m.Cell(3, 2)); }, -1 },
        { "back over the third heading", [](MousedGrid& m) { m.Hover(m.Header(2)); }, 2 },
        { "a full paint", [](MousedGrid& m) { m.grid.Refresh(); }, -1 },
        { "a move at the same heading", [](MousedGrid& m) { m.Hover(m.Header(2) + QPoint(-3, 0)); }, 2 },
        { "the current cell moved by the host", [](MousedGrid& m) { m.grid.RowColSet(4, 0); }, -1 },
        { "over the first heading", [](MousedGrid& m) { m.Hover(m.Header(0)); }, 0 },
    };
    for (const auto& step : steps) {
        step.act(g);
        EXPECT_EQ(step.hot, lit()) << step.what;
    }
}

// The release of these presses goes elsewhere; the grid ends the drag where it is.
TEST(GridMouse, ADragTheGridLosesLeavesNothingHalfDone)
{
    const std::pair<const char*, std::function<void(MousedGrid&)>> losses[] {
        { "the grid hidden", [](MousedGrid& g) { g.grid.hide(); } },
        { "a modal window", [](MousedGrid&) {
              auto* box = new QDialog;
              box->setAttribute(Qt::WA_DeleteOnClose);
              box->setModal(true);
              box->show();
              QApplication::processEvents();
              box->close();
          } },
        { "the grab taken", [](MousedGrid& g) {
              QEvent ungrab(QEvent::UngrabMouse);
              QApplication::sendEvent(&g.grid, &ungrab);
          } },
    };
    for (const auto& [name, lose] : losses) {
        SCOPED_TRACE(name);
        MousedGrid g;
        g.grid.AllowColumnSwap(true);
        g.Hover(g.Header(1));
        QTest::mousePress(&g.grid, Qt::LeftButton, {}, g.Header(1));
        QTest::mouseMove(&g.grid, g.Header(3));
        EXPECT_EQ(MouseState::SwappingColumn, g.inside.m_Input.m_MouseState);
        lose(g);
        EXPECT_TRUE(g.Idle());
        g.grid.show();
        g.Hover(g.Header(4)); // a move without the button: no release comes
        EXPECT_EQ(1, g.inside.m_Model.ColOrder()[1]);
        EXPECT_EQ(MousePointerShape::Default, g.inside.MousePointer());
    }
}

// Each mouse event may be answered with any public call, the grid's deletion included, also through a
// queued call that the next paint runs: the action ends cleanly, nothing of the press left behind.
TEST(GridMouseHostileHandlers, EveryGestureEndsCleanlyWhateverItsHandlersDo)
{
    using Connect = std::function<void(RuzuZiri&, const std::function<void()>&)>;
    const std::pair<const char*, Connect> events[] {
        { "MouseDown", [](RuzuZiri& g, const std::function<void()>& act) { QObject::connect(&g, &RuzuZiri::MouseDown, act); } },
        { "Click", [](RuzuZiri& g, const std::function<void()>& act) { QObject::connect(&g, &RuzuZiri::Click, act); } },
        { "CellClick", [](RuzuZiri& g, const std::function<void()>& act) { QObject::connect(&g, &RuzuZiri::CellClick, act); } },
        { "ColumnClick", [](RuzuZiri& g, const std::function<void()>& act) { QObject::connect(&g, &RuzuZiri::ColumnClick, act); } },
        { "DblClick", [](RuzuZiri& g, const std::function<void()>& act) { QObject::connect(&g, &RuzuZiri::DblClick, act); } },
        { "ColumnSizeChanged", [](RuzuZiri& g, const std::function<void()>& act) { QObject::connect(&g, &RuzuZiri::ColumnSizeChanged, act); } },
        { "ColumnOrderChanged", [](RuzuZiri& g, const std::function<void()>& act) { QObject::connect(&g, &RuzuZiri::ColumnOrderChanged, act); } },
        { "SortComplete", [](RuzuZiri& g, const std::function<void()>& act) { QObject::connect(&g, &RuzuZiri::SortComplete, act); } },
        { "SelectionChanged", [](RuzuZiri& g, const std::function<void()>& act) { QObject::connect(&g, &RuzuZiri::SelectionChanged, act); } },
    };
    const std::pair<const char*, std::function<void(RuzuZiri&)>> hosts[] {
        { "clears", [](RuzuZiri& g) { g.Clear(); } },
        { "clears all", [](RuzuZiri& g) { g.ClearAll(); } },
        { "removes the current row", [](RuzuZiri& g) { g.RemoveRow(-1); } },
        { "sorts", [](RuzuZiri& g) { g.Sort(1, 1); } },
        { "scrolls to the end", [](RuzuZiri& g) { g.RowColSet(g.ItemCount() - 1, -1); } },
        { "opens an editor", [](RuzuZiri& g) { g.ForceCellEdit(0, 2); } },
        { "deletes the grid", [](RuzuZiri& g) { delete &g; } },
        { "queues the grid's deletion",
          [](RuzuZiri& g) { QMetaObject::invokeMethod(&g, [&g] { delete &g; }, Qt::QueuedConnection); } },
    };
    using Gesture = std::function<void(MousedGrid&, const QPointer<RuzuZiri>&)>;
    const auto steps = [](MousedGrid& g, const QPointer<RuzuZiri>& alive, QPoint From, QPoint To, bool Twice) {
        g.Hover(From);
        if (alive)
            QTest::mousePress(&g.grid, Qt::LeftButton, {}, From);
        if (alive && From != To)
            QTest::mouseMove(&g.grid, To);
        if (alive)
            QTest::mouseRelease(&g.grid, Qt::LeftButton, {}, To);
        if (alive && Twice)
            QTest::mouseDClick(&g.grid, Qt::LeftButton, {}, To);
        if (alive && Twice)
            QTest::mouseRelease(&g.grid, Qt::LeftButton, {}, To);
    };
    const std::pair<const char*, Gesture> gestures[] {
        { "a double click on a check-box cell",
          [&](MousedGrid& g, const QPointer<RuzuZiri>& a) { steps(g, a, g.CheckBox(3, 4), g.CheckBox(3, 4), true); } },
        { "a header click that sorts", [&](MousedGrid& g, const QPointer<RuzuZiri>& a) { steps(g, a, g.Header(1), g.Header(1), false); } },
        { "a header dragged", [&](MousedGrid& g, const QPointer<RuzuZiri>& a) { steps(g, a, g.Header(1), g.Header(3), false); } },
        { "a border dragged", [&](MousedGrid& g, const QPointer<RuzuZiri>& a) { steps(g, a, g.HeaderBorder(2), g.HeaderBorder(2) + QPoint(20, 0), false); } },
        { "rows dragged over", [&](MousedGrid& g, const QPointer<RuzuZiri>& a) { steps(g, a, g.Cell(1, 1), g.Cell(4, 1), false); } },
        { "a border double-clicked", [&](MousedGrid& g, const QPointer<RuzuZiri>& a) { steps(g, a, g.HeaderBorder(2), g.HeaderBorder(2), true); } },
        { "a header let go above the grid", [&](MousedGrid& g, const QPointer<RuzuZiri>& a) { steps(g, a, g.Header(1), g.Header(3) - QPoint(0, 150), false); } },
    };
    for (const auto& [event, connect] : events) {
        for (const auto& [host, hostile] : hosts) {
            const std::function<void(RuzuZiri&)>& act = hostile;
            for (const auto& [gesture, perform] : gestures) {
                SCOPED_TRACE(std::string(gesture) + ", " + event + " handler " + host);
                const auto host = std::make_unique<MousedGrid>();
                MousedGrid* g = host.get();
                const QPointer<RuzuZiri>& alive = g->owner;
                g->grid.AllowColumnSort(true);
                g->grid.AllowColumnDrag(true);
                g->grid.EditTrigger(16);
                g->grid.MultiSelect(1);
                bool fired = false;
                connect(g->grid, [&fired, &act, g] {
                    if (!std::exchange(fired, true))
                        act(g->grid);
                });
                perform(*g, alive);
                QCoreApplication::processEvents();
                if (!alive)
                    continue;
                EXPECT_TRUE(g->Idle());
                EXPECT_TRUE(GridInvariants(g->inside.m_Model));
                EXPECT_LT(g->grid.Row(), std::max(g->grid.ItemCount(), 1));
            }
        }
    }
}
