#include "grid/RuzuZiriPrivate.h"

#include "GridInvariants.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Tarvex;

namespace {

enum Column { Text, Amount, Date, Paid, Progress, Code, Mail, Grade };

// An archive-like window: the grid, and below it a strip of the host's own controls that may be
// bound to columns as editors. Column 0 shows second, so display positions and column numbers differ.
struct EditorHost {
    QWidget Window;
    QFrame* Home { new QFrame(&Window) };
    RuzuZiri* Grid { new RuzuZiri(&Window) };

    EditorHost()
    {
        Window.resize(560, 300);
        Grid->setGeometry(10, 20, 540, 200);
        Home->setGeometry(0, 240, 560, 60);
        for (const auto& [heading, type, filter] : { std::tuple { "Text", 0, "" }, { "Amount", int(ColTypeNumber), "" },
                                                     { "Date", int(ColTypeDate), "" }, { "Paid", int(ColTypeCheckBox), "" },
                                                     { "Progress", int(ColTypeProgressBar), "" }, { "Code", 0, ">" },
                                                     { "Mail", 0, "<" }, { "Grade", 0, "abc" } })
            Grid->AddColumn(heading, 800, type == ColTypeNumber ? 2 : heading == QLatin1String("Code") ? 1 : 4, type, "", filter);
        for (int r = 0; r < 6; ++r)
            Grid->AddItem(QStringLiteral("r%1\t%2\t01.02.2024\t0\t50\tAB\tcd\ta").arg(r).arg(10 * (r + 1)));
        Grid->AllowEdit(true);
        Grid->Redraw(true);
        Window.show();
        QApplication::setActiveWindow(&Window);
        DragHeading(Amount, Text);
        EXPECT_LT(Cell(0, Amount).x(), Cell(0, Text).x()) << "Amount shows first";
    }

    // The user drags a column's heading onto another's place; the host allows that for the drag alone.
    void DragHeading(int Col, int Onto) const
    {
        Grid->AllowColumnDrag(true);
        const int middle = Grid->contentsRect().top() + RuzuZiriPrivate::Of(*Grid).m_Geometry.m_Metrics.HeaderHeight / 2;
        const QPoint from(Cell(0, Col).center().x(), middle);
        const QPoint to(Cell(0, Onto).center().x(), middle);
        QTest::mousePress(Grid, Qt::LeftButton, {}, from);
        QTest::mouseMove(Grid, (from + to) / 2);
        QTest::mouseMove(Grid, to);
        QTest::mouseRelease(Grid, Qt::LeftButton, {}, to);
        Grid->AllowColumnDrag(false);
    }

    QLineEdit* Editor() const { return Grid->findChild<QLineEdit*>("txtEdit"); }
    // Opens the editor on a cell as F2 does on the current one.
    void Open(int Row, int Col)
    {
        Grid->RowColSet(Row, Col);
        QTest::keyClick(Grid, Qt::Key_F2);
    }
    // Where the grid's helpers put the cell, inside its grid lines, in the widget's pixels.
    QRect Cell(int Row, int Col) const
    {
        RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(*Grid);
        Rect extent;
        inside.GetColumnExtent(inside.FindColPosition(Col), extent);
        const QPoint border = Grid->contentsRect().topLeft();
        return { border.x() + extent.Left + 1, border.y() + inside.RowTop(Row) + 1, extent.Right - extent.Left - 1, Grid->RowHeight(Row) - 1 };
    }
};

} // namespace

// What a user can type in each kind of column, and what the host's EditKeyPress handler hears and
// changes. The case-forcing filters keep every character and the caret, and only change the case.
TEST(GridCellEditor, ColumnFiltersDecideWhatCanBeTyped)
{
    struct Typing {
        Column col;
        const char* keys;
        const char* shown;
        QList<int> heard;                  // KeyAscii as EditKeyPress sees it
        std::function<void(qint16&)> host; // the host's own filter, after the grid's
    };
    const Typing cases[] {
        { Text, "Ab 1!", "Ab 1!", { 'A', 'b', ' ', '1', '!' }, nullptr },
        { Amount, "1a2,-x.", "12,-.", { '1', 0, '2', ',', '-', 0, '.' }, nullptr },
        { Date, "1.2/3-x", "1.2/3-", { '1', '.', '2', '/', '3', '-', 0 }, nullptr },
        { Code, "aBc1", "ABC1", { 'a', 'B', 'c', '1' }, nullptr },
        { Mail, "AbC", "abc", { 'A', 'b', 'C' }, nullptr },
        { Grade, "aXb.c\b", "ab.", { 'a', 0, 'b', '.', 'c', '\b' }, nullptr },
        { Text, "xzq", "yq", { 'x', 'z', 'q' }, [](qint16& key) { key = key == 'x' ? 'y' : key == 'z' ? 0 : key; } },
        { Amount, "5", "1", { '5' }, [](qint16& key) { key = '1'; } },
    };
    for (const Typing& typing : cases) {
        EditorHost host;
        QList<int> heard;
        QObject::connect(host.Grid, &RuzuZiri::EditKeyPress, [&](int col, qint16& key) {
            EXPECT_EQ(typing.col, col);
            heard << key;
            if (typing.host)
                typing.host(key);
        });
        host.Grid->ForceCellEdit(1, typing.col, true);
        QTest::keyClicks(host.Editor(), typing.keys);
        EXPECT_EQ(typing.shown, host.Editor()->text()) << typing.keys;
        EXPECT_EQ(typing.heard, heard) << typing.keys;
    }
    EditorHost host;
    host.Grid->ForceCellEdit(0, Code, true);
    QTest::keyClicks(host.Editor(), "xy");
    QTest::keyClick(host.Editor(), Qt::Key_Left);
    QTest::keyClicks(host.Editor(), "z");
    EXPECT_EQ("XZY", host.Editor()->text());
    EXPECT_EQ(2, host.Editor()->cursorPosition());
}

// Which cells open the editor, and how: over the cell, with its text all selected and the keyboard
// focus, its bold style (not in progress columns), face and alignment, in the editing colours and
// the grid's font size. BeforeEdit names the row position and the column number. ForceCellEdit
// borrows AllowEdit for the opening only, without a notice.
TEST(GridCellEditor, OpensOnEditableCellsUnlessTheHostSaysNo)
{
    struct Opening {
        const char* what;
        Column col;
        std::function<void(EditorHost&)> arrange;
        bool forced;
        bool opens;
        bool asked; // BeforeEdit was raised
        bool bold;
        Qt::Alignment alignment;
    };
    const auto refuse = [](EditorHost& h) { QObject::connect(h.Grid, &RuzuZiri::BeforeEdit, [](int, int, bool& c) { c = true; }); };
    const auto noEditing = [](EditorHost& h) { h.Grid->AllowEdit(false); };
    const auto onBeforeEdit = [](std::function<void(RuzuZiri&)> act) {
        return [act](EditorHost& h) { QObject::connect(h.Grid, &RuzuZiri::BeforeEdit, [&h, act](int, int, bool&) { act(*h.Grid); }); };
    };
    const Opening cases[] {
        { "a text cell", Text, nullptr, false, true, true, true, Qt::AlignLeft },
        { "a right-aligned amount", Amount, nullptr, false, true, true, true, Qt::AlignRight },
        { "a centred code", Code, nullptr, false, true, true, true, Qt::AlignHCenter },
        { "a progress cell", Progress, nullptr, false, true, true, false, Qt::AlignLeft },
        { "a check-box cell", Paid, nullptr, false, false, false, false, {} },
        { "a cell the host refuses", Text, refuse, false, false, true, false, {} },
        { "a grid that allows no editing", Text, noEditing, false, false, false, false, {} },
        { "a grid that allows no editing, forced", Text, noEditing, true, true, true, true, Qt::AlignLeft },
        { "a cell below which the host appends a row", Text, onBeforeEdit([](RuzuZiri& g) { g.AddItem("new"); }), false,
          true, true, true, Qt::AlignLeft },
        { "a cell the host moves down", Text, onBeforeEdit([](RuzuZiri& g) { g.AddItem("new", 0); }), false, false, true,
          false, {} },
        { "a cell the host removes", Text, onBeforeEdit([](RuzuZiri& g) { g.RemoveRow(2); }), false, false, true, false, {} },
    };
    for (const Opening& opening : cases) {
        EditorHost host;
        if (opening.arrange)
            opening.arrange(host);
        host.Grid->CellFontBold(2, opening.col, true);
        host.Grid->CellFontName(2, opening.col, "Serif");
        host.Grid->BackColorEdit(0xFFFF00);
        host.Grid->Font(QFont("Sans", 14));
        const bool allowed = host.Grid->AllowEdit();
        QList<QPoint> asked;
        QObject::connect(host.Grid, &RuzuZiri::BeforeEdit, [&](int row, int col, bool&) { asked << QPoint(col, row); });
        QSignalSpy notices(host.Grid, &UserControl::PropertyChanged);
        if (opening.forced)
            host.Grid->ForceCellEdit(2, opening.col);
        else
            host.Open(2, opening.col);
        const QLineEdit* editor = host.Editor();
        EXPECT_EQ(opening.opens, host.Grid->EditPending()) << opening.what;
        EXPECT_EQ(opening.opens, editor->isVisible()) << opening.what;
        EXPECT_EQ(opening.asked ? QList { QPoint(opening.col, 2) } : QList<QPoint> {}, asked) << opening.what;
        EXPECT_EQ(0, notices.count()) << opening.what;
        EXPECT_EQ(allowed, host.Grid->AllowEdit()) << opening.what;
        if (!opening.opens)
            continue;
        EXPECT_EQ(host.Cell(2, opening.col), editor->geometry()) << opening.what;
        EXPECT_EQ(host.Grid->CellText(2, opening.col), editor->text()) << opening.what;
        EXPECT_EQ(editor->text(), editor->selectedText()) << opening.what;
        EXPECT_EQ(editor, QApplication::focusWidget()) << opening.what;
        EXPECT_EQ(opening.bold, editor->font().bold()) << opening.what;
        EXPECT_EQ(opening.alignment, editor->alignment() & Qt::AlignHorizontal_Mask) << opening.what;
        EXPECT_EQ("Serif", editor->font().family()) << opening.what;
        const QImage shown = host.Window.grab().toImage();
        EXPECT_EQ(QColor(Qt::cyan), shown.pixelColor(host.Grid->mapTo(&host.Window, editor->geometry().topRight()) - QPoint(2, -2)));
        host.Grid->Font(QFont("Sans", 10));
        EXPECT_EQ(10, editor->font().pointSize()) << opening.what; // the open editor follows the grid's font
    }
}

// Committing: AfterEdit hears a changed value only, may change or refuse it; the cell, its column's
// total and its Changed bits follow the stored value; the current cell moves by EditMove; a sort
// commits first and does not sort when the host refuses.
TEST(GridCellEditor, CommitsWhatChangedAndMovesByEditMove)
{
    struct Commit {
        const char* what;
        Column col;
        const char* typed;
        std::function<void(QString&, bool&)> host; // AfterEdit's handler
        int editMove;        // -1: a sort commits, smallest amount first (the order the rows have)
        bool allowMove;
        bool committed;      // what UpdateCell answers
        const char* stored;
        QStringList heard;   // AfterEdit's values
        QPoint current;      // column number, row position
        int moves;           // RowColChanged (a column move on the same row raises none, as RowColSet's)
    };
    const auto nothing = [](QString&, bool&) {};
    const auto refuse = [](QString&, bool& c) { c = true; };
    const Commit cases[] {
        { "a changed amount", Amount, "25", nothing, 0, false, true, "25", { "25" }, { Amount, 1 }, 0 },
        { "an unchanged amount", Amount, "20", nothing, 0, true, true, "20", {}, { Amount, 1 }, 0 },
        { "spaces only", Text, "   ", nothing, 0, false, true, "", { "" }, { Text, 1 }, 0 },
        { "the host's own value", Amount, "25", [](QString& v, bool&) { v = "30"; }, 0, false, true, "30", { "25" }, { Amount, 1 }, 0 },
        { "a value the host blanks", Amount, "25", [](QString& v, bool&) { v = "  "; }, 0, false, true, "", { "25" }, { Amount, 1 }, 0 },
        { "a value the host refuses", Amount, "25", refuse, 2, true, false, "20", { "25" }, { Amount, 1 }, 0 },
        { "moving right", Amount, "25", nothing, 1, true, true, "25", { "25" }, { Text, 1 }, 0 },
        { "moving right from the last column", Grade, "b", nothing, 1, true, true, "b", { "b" }, { Amount, 1 }, 0 },
        { "moving down", Amount, "25", nothing, 2, true, true, "25", { "25" }, { Amount, 2 }, 1 },
        { "moving down where moving is not allowed", Amount, "25", nothing, 2, false, true, "25", { "25" }, { Amount, 1 }, 0 },
        { "a sort", Amount, "25", nothing, -1, false, true, "25", { "25" }, { Amount, 1 }, 0 },
        { "a sort the host refuses", Amount, "25", refuse, -1, false, false, "20", { "25" }, { Amount, 1 }, 0 },
    };
    for (const Commit& commit : cases) {
        EditorHost host;
        host.Grid->EditMove(commit.editMove);
        host.Grid->MultiSelect(1);
        host.Open(1, commit.col);
        host.Grid->RowSelected(4, true);
        QStringList heard;
        QObject::connect(host.Grid, &RuzuZiri::AfterEdit, [&](int row, int col, QString& value, bool& cancel) {
            EXPECT_EQ(QPoint(commit.col, 1), QPoint(col, row)) << commit.what;
            heard << value;
            commit.host(value, cancel);
        });
        QSignalSpy moves(host.Grid, &RuzuZiri::RowColChanged);
        QSignalSpy sorted(host.Grid, &RuzuZiri::SortComplete);
        host.Editor()->setText(commit.typed);
        if (commit.editMove >= 0)
            EXPECT_EQ(commit.committed, host.Grid->UpdateCell(commit.allowMove)) << commit.what;
        else
            host.Grid->Sort(Amount, 2);

        EXPECT_EQ(commit.stored, host.Grid->CellText(1, commit.col)) << commit.what;
        EXPECT_EQ(commit.heard, heard) << commit.what;
        EXPECT_EQ(commit.current, QPoint(host.Grid->Col(), host.Grid->Row())) << commit.what;
        EXPECT_EQ(commit.moves, moves.count()) << commit.what;
        EXPECT_EQ(commit.editMove < 0 && commit.committed ? 1 : 0, sorted.count()) << commit.what;
        const bool written = !heard.isEmpty() && commit.committed;
        EXPECT_EQ(written, host.Grid->CellChanged(1, commit.col) && host.Grid->RowChanged(1)) << commit.what;
        EXPECT_EQ(210 - 20 + host.Grid->CellValue(1, Amount).toDouble(), host.Grid->TotalsCol(Amount)) << commit.what;
        EXPECT_EQ(!commit.committed, host.Grid->EditPending() && host.Editor()->isVisible()) << commit.what;
        EXPECT_EQ(commit.committed ? static_cast<QWidget*>(host.Grid) : host.Editor(), QApplication::focusWidget()) << commit.what;
        EXPECT_EQ(commit.committed && commit.allowMove ? 1 : 2, host.Grid->SelectedCount()) << commit.what;
    }
}

// Whatever the host answers AfterEdit with, the value goes into the record that was edited, wherever
// that record shows by then; where it is gone the edit closes and UpdateCell says it failed. A value
// the host refuses keeps the editor open over the edited record. Row 2 ("r2", amount 30) is edited;
// the rows' amounts are 10 to 60 in order.
TEST(GridCellEditor, TheValueGoesIntoTheEditedRecordWhereverItNowStands)
{
    struct Answer {
        const char* what;
        std::function<void(RuzuZiri&, bool&)> host; // AfterEdit's handler
        bool committed;                             // what UpdateCell answers
        int row;                                    // where the edited record shows afterwards; -1 = gone
    };
    const auto act = [](std::function<void(RuzuZiri&)> change) { return [change](RuzuZiri& g, bool&) { change(g); }; };
    const Answer answers[] {
        { "nothing", act([](RuzuZiri&) {}), true, 2 },
        { "appends an empty row", act([](RuzuZiri& g) { g.AddItem(""); }), true, 2 },
        { "inserts a row on top", act([](RuzuZiri& g) { g.AddItem("new\t5", 0); }), true, 3 },
        { "sorts, the largest amount first", act([](RuzuZiri& g) { g.Sort(Amount, 1); }), true, 3 },
        { "removes another row", act([](RuzuZiri& g) { g.RemoveRow(0); }), true, 1 },
        { "deletes other selected rows", act([](RuzuZiri& g) {
              g.MultiSelect(1);
              g.RowSelected(2, false);
              g.RowSelected(0, true);
              g.RowSelected(4, true);
              g.DeleteSelected();
          }),
          true, 1 },
        { "removes the edited row", act([](RuzuZiri& g) { g.RemoveRow(2); }), false, -1 },
        { "clears", act([](RuzuZiri& g) { g.Clear(); }), false, -1 },
        // The focus going back to the grid repaints (the pointer rests over it), and the repaint
        // runs the queued call.
        { "queues removing the first row",
          act([](RuzuZiri& g) { QMetaObject::invokeMethod(&g, [&g] { g.RemoveRow(0); }, Qt::QueuedConnection); }), true, 1 },
        { "refuses and sorts", [](RuzuZiri& g, bool& cancel) { cancel = true; g.Sort(Amount, 1); }, false, 3 },
    };
    int x = 200;
    for (const Answer& answer : answers) {
        EditorHost host;
        RuzuZiri& grid = *host.Grid;
        grid.FocusRectHide(true);
        QTest::mouseMove(&grid, QPoint(++x, 5));
        host.Open(2, Text);
        host.Editor()->setText("EDITED");
        QObject::connect(&grid, &RuzuZiri::AfterEdit,
                         [&, fired = false](int, int, QString&, bool& cancel) mutable {
                             if (!std::exchange(fired, true))
                                 answer.host(grid, cancel);
                         });

        EXPECT_EQ(answer.committed, grid.UpdateCell(true)) << answer.what;
        QCoreApplication::processEvents();

        QStringList edited;
        for (int r = 0; r < grid.ItemCount(); ++r) {
            if (grid.CellText(r, Text) == "EDITED" || grid.CellText(r, Amount) == "30")
                edited << grid.CellText(r, Amount) + "@" + QString::number(r);
        }
        EXPECT_EQ(answer.row < 0 ? QStringList {} : QStringList { "30@" + QString::number(answer.row) }, edited) << answer.what;
        if (answer.row >= 0) {
            EXPECT_EQ(answer.committed ? "EDITED" : "r2", grid.CellText(answer.row, Text)) << answer.what;
        }
        const bool open = !answer.committed && answer.row >= 0;
        EXPECT_EQ(open, grid.EditPending() && host.Editor()->isVisible()) << answer.what;
        if (open) {
            EXPECT_EQ(host.Cell(answer.row, Text), host.Editor()->geometry()) << answer.what;
        }
        EXPECT_TRUE(GridInvariants(RuzuZiriPrivate::Of(grid).m_Model)) << answer.what;
    }
}

// A host that ends the edit while AfterEdit hears of it and opens another cell ends that commit:
// its value goes nowhere, and the edit the host opened stays open on its own text.
TEST(GridCellEditor, AnEditTheHostEndsDuringItsCommitStoresNothing)
{
    const std::pair<const char*, std::function<void(EditorHost&)>> endings[] {
        { "Escape", [](EditorHost& h) { QTest::keyClick(h.Editor(), Qt::Key_Escape); } },
        { "a clear and a new row", [](EditorHost& h) {
             h.Grid->Clear();
             h.Grid->AddItem("r9\t10");
         } },
    };
    for (const auto& [what, ending] : endings) {
        const std::function<void(EditorHost&)>& end = ending;
        EditorHost host;
        host.Open(2, Text);
        host.Editor()->setText("EDITED");
        QObject::connect(host.Grid, &RuzuZiri::AfterEdit, [&, fired = false](int, int, QString&, bool&) mutable {
            if (std::exchange(fired, true))
                return;
            end(host);
            host.Grid->ForceCellEdit(0, Amount);
        });
        EXPECT_TRUE(host.Grid->UpdateCell(true)) << what;
        EXPECT_EQ("10", host.Grid->CellText(0, Amount)) << what;
        EXPECT_TRUE(host.Grid->EditPending() && host.Editor()->isVisible()) << what;
        EXPECT_EQ("10", host.Editor()->text()) << what;
        EXPECT_EQ(host.Cell(0, Amount), host.Editor()->geometry()) << what;
    }
}

// Text that reaches the editor otherwise than one typed character at a time goes through the column's
// filter and EditKeyPress character by character, as typed text does: pasted by the keys, the context
// menu or the middle button, dropped, committed by an input method, or typed as a character outside
// 16 bits (its two halves heard, kept whole or not at all). A paste of which nothing is left changes
// nothing. A text longer than 32,767 characters opens whole, and goes back untouched.
TEST(GridCellEditor, PastedDroppedAndComposedTextIsFilteredAsTypedTextIs)
{
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString longText(40000, u'x');
    const qint16 high = qint16(emoji[0].unicode());
    const qint16 low = qint16(emoji[1].unicode());
    struct Arrival {
        const char* what;
        Column col;
        QString cell;                         // the cell's text before the edit; empty = as the host filled it
        QString text;                         // what is pasted, dropped, composed or typed
        std::function<void(QLineEdit&, const QString&)> arrive;
        QString shown;                        // the editor's text afterwards
        QList<int> heard;                     // KeyAscii as EditKeyPress sees it
        std::function<void(qint16&)> host;    // the host's own filter, after the grid's
    };
    const auto clipboard = [](QClipboard::Mode mode, std::function<void(QLineEdit&)> paste) {
        return [mode, paste](QLineEdit& editor, const QString& text) {
            QGuiApplication::clipboard()->setText(text, mode);
            paste(editor);
        };
    };
    const auto ctrlV = clipboard(QClipboard::Clipboard, [](QLineEdit& e) { QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier); });
    const auto shiftInsert = clipboard(QClipboard::Clipboard, [](QLineEdit& e) { QTest::keyClick(&e, Qt::Key_Insert, Qt::ShiftModifier); });
    const auto menuPaste = clipboard(QClipboard::Clipboard, [](QLineEdit& e) {
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(2, 2), e.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&e, &menuKey);
        auto* menu = e.findChild<QMenu*>();
        ASSERT_TRUE(menu);
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith("&Paste"))
                action->trigger();
        }
        menu->close();
    });
    const auto middleClick = clipboard(QClipboard::Selection, [](QLineEdit& e) {
        QTest::mouseClick(&e, Qt::MiddleButton, {}, QPoint(e.width() - 2, e.height() / 2));
    });
    const auto drop = [](QLineEdit& e, const QString& text) {
        QMimeData dragged;
        dragged.setText(text);
        const QPoint at(1, e.height() / 2);
        QDragEnterEvent entered(at, Qt::CopyAction, &dragged, Qt::LeftButton, {});
        QApplication::sendEvent(&e, &entered);
        QDropEvent dropped(at, Qt::CopyAction, &dragged, Qt::LeftButton, {});
        QApplication::sendEvent(&e, &dropped);
    };
    const auto compose = [](QLineEdit& e, const QString& text) {
        QInputMethodEvent composed;
        composed.setCommitString(text);
        QApplication::sendEvent(&e, &composed);
    };
    const auto typeKey = [](QLineEdit& e, const QString& text) {
        QKeyEvent down(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(&e, &down);
    };
    const auto nothing = [](QLineEdit&, const QString&) {};
    std::vector<Arrival> arrivals {
        { "Ctrl+V", Amount, "", "1a2", ctrlV, "2012", { '1', 0, '2' }, nullptr },
        { "Shift+Insert", Amount, "", "x9", shiftInsert, "209", { 0, '9' }, nullptr },
        { "the context menu's Paste", Grade, "", "bz", menuPaste, "ab", { 'b', 0 }, nullptr },
        { "a paste of which nothing is left", Amount, "", "hello", ctrlV, "20", { 0, 0, 0, 0, 0 }, nullptr },
        { "a paste the host changes", Text, "", "ab", ctrlV, "r1xb", { 'a', 'b' }, [](qint16& k) { k = k == 'a' ? 'x' : k; } },
        { "a paste into a column that forces upper case", Code, "", "cd", ctrlV, "ABCD", { 'c', 'd' }, nullptr },
        { "a drop", Grade, "", "xbz", drop, "ba", { 0, 'b', 0 }, nullptr },
        { "an input method's commit", Grade, "", "cq", compose, "ac", { 'c', 0 }, nullptr },
        { "an emoji typed", Text, "", emoji, typeKey, "r1" + emoji, { high, low }, nullptr },
        { "an emoji typed where the filter has no room for it", Amount, "", emoji, typeKey, "20", { 0 }, nullptr },
        { "an emoji whose second half the host swallows", Text, "", emoji, typeKey, "r1", { high, low },
          [low](qint16& k) { k = k == low ? 0 : k; } },
        { "an emoji pasted between letters", Grade, "", "a" + emoji + "b", ctrlV, "aab", { 'a', 0, 'b' }, nullptr },
        { "a text longer than a text box holds, untouched", Text, longText, "", nothing, longText, {}, nullptr },
    };
    // Only where the window system keeps a selection does the middle button paste.
    if (QGuiApplication::clipboard()->supportsSelection())
        arrivals.push_back({ "the middle button", Amount, "", "7y", middleClick, "207", { '7', 0 }, nullptr });
    for (const Arrival& arrival : arrivals) {
        EditorHost host;
        RuzuZiri& grid = *host.Grid;
        if (!arrival.cell.isEmpty())
            grid.CellText(1, arrival.col, arrival.cell);
        const QString before = grid.CellText(1, arrival.col);
        QList<int> heard;
        QObject::connect(&grid, &RuzuZiri::EditKeyPress, [&](int, qint16& key) {
            heard << key;
            if (arrival.host)
                arrival.host(key);
        });
        int afterEdits = 0;
        QObject::connect(&grid, &RuzuZiri::AfterEdit, [&](int, int, QString&, bool&) { ++afterEdits; });
        grid.ForceCellEdit(1, arrival.col);
        QLineEdit& editor = *host.Editor();
        editor.end(false);
        arrival.arrive(editor, arrival.text);
        EXPECT_EQ(arrival.shown, editor.text()) << arrival.what;
        EXPECT_EQ(arrival.heard, heard) << arrival.what;
        EXPECT_TRUE(grid.UpdateCell(false)) << arrival.what;
        EXPECT_EQ(arrival.shown, grid.CellText(1, arrival.col)) << arrival.what;
        EXPECT_EQ(arrival.shown == before ? 0 : 1, afterEdits) << arrival.what;
    }
}

// A host's control bound to a column edits its cells: it comes into the grid's container over the
// cell (only the geometry its MoveControl bits name), takes the focus, and goes back home hidden
// when the edit ends; AfterEdit hears an empty value and stores what the host puts there.
TEST(GridCellEditor, BoundControlsEditInTheCellsPlaceAndGoBackHome)
{
    for (const bool combo : { true, false }) {
        EditorHost host;
        host.Grid->BorderStyle(combo ? 1 : 0);
        QWidget* home = combo ? host.Home : &host.Window;
        QPointer<QWidget> control = combo ? static_cast<QWidget*>(new QComboBox(home)) : new QLineEdit(home);
        if (combo)
            static_cast<QComboBox*>(control.data())->addItems({ "open", "paid" });
        control->setGeometry(5, 5, 50, 30);
        control->hide();
        host.Grid->BindControl(Text, control, combo ? 15 : 4 | 8);
        QStringList heard;
        QObject::connect(host.Grid, &RuzuZiri::AfterEdit, [&](int, int, QString& value, bool&) {
            heard << value;
            value = combo ? "paid" : value;
        });

        host.Open(1, Text);
        EXPECT_TRUE(host.Grid->EditPending() && control->isVisible() && !host.Editor()->isVisible()) << combo;
        EXPECT_EQ(&host.Window, control->parentWidget()) << combo;
        EXPECT_EQ(control, host.Window.focusWidget()) << combo;
        const QRect cell = host.Cell(1, Text).translated(host.Grid->pos());
        EXPECT_EQ(combo ? cell.adjusted(0, 0, 0, -1) : QRect(cell.topLeft(), QSize(50, 30)), control->geometry()) << combo;
        EXPECT_EQ(combo, combo && static_cast<QComboBox*>(control.data())->view()->isVisible()); // the list drops down

        EXPECT_TRUE(host.Grid->UpdateCell(false)) << combo;
        EXPECT_EQ(QStringList { "" }, heard) << combo;
        EXPECT_EQ(combo ? "paid" : "", host.Grid->CellText(1, Text)) << combo;
        EXPECT_FALSE(control->isVisible()) << combo;
        EXPECT_EQ(home, control->parentWidget()) << combo;
        EXPECT_EQ(host.Grid, host.Window.focusWidget()) << combo;
    }
}

namespace {

// A host answering an editor event by changing the grid under the edit.
const std::pair<const char*, std::function<void(RuzuZiri&)>> HostileActs[] {
    { "clears", [](RuzuZiri& g) { g.Clear(); } },
    { "clears all", [](RuzuZiri& g) { g.ClearAll(); } },
    { "removes the edited row", [](RuzuZiri& g) { g.RemoveRow(2); } },
    { "removes the first row", [](RuzuZiri& g) { g.RemoveRow(0); } },
    { "adds a row on top", [](RuzuZiri& g) { g.AddItem("new\t0", 0); } },
    { "sorts", [](RuzuZiri& g) { g.Sort(Amount, 1); } },
    { "commits the edit", [](RuzuZiri& g) { g.UpdateCell(true); } },
    { "opens another cell", [](RuzuZiri& g) { g.ForceCellEdit(0, Amount); } },
    { "moves the current cell", [](RuzuZiri& g) { g.RowColSet(0, Date); } },
    { "queues removing the edited row",
      [](RuzuZiri& g) { QMetaObject::invokeMethod(&g, [&g] { g.RemoveRow(2); }, Qt::QueuedConnection); } },
    { "deletes the grid", [](RuzuZiri& g) { delete &g; } },
    { "queues the grid's deletion", [](RuzuZiri& g) { QMetaObject::invokeMethod(&g, [&g] { delete &g; }, Qt::QueuedConnection); } },
};

enum class EditorEvent { BeforeEdit, AfterEdit, EditKeyPress };

void Arm(RuzuZiri& Grid, EditorEvent Event, const std::function<void(RuzuZiri&)>& Act)
{
    const auto once = [&Grid, Act, fired = std::make_shared<bool>(false)] {
        if (!std::exchange(*fired, true))
            Act(Grid);
    };
    switch (Event) {
    case EditorEvent::BeforeEdit: QObject::connect(&Grid, &RuzuZiri::BeforeEdit, once); break;
    case EditorEvent::AfterEdit: QObject::connect(&Grid, &RuzuZiri::AfterEdit, once); break;
    case EditorEvent::EditKeyPress: QObject::connect(&Grid, &RuzuZiri::EditKeyPress, once); break;
    }
}

// Row 2 ("r2", amount 30) is the one being edited; "NEW" is typed there.
testing::AssertionResult EditLandedWell(const RuzuZiri& Grid, const QLineEdit& Editor)
{
    if (const auto invariants = GridInvariants(RuzuZiriPrivate::Of(Grid).m_Model); !invariants)
        return invariants;
    if (Grid.EditPending() != Editor.isVisible())
        return testing::AssertionFailure() << "EditPending " << Grid.EditPending() << " with the editor shown " << Editor.isVisible();
    if (Grid.Row() < -1 || Grid.Row() >= Grid.ItemCount())
        return testing::AssertionFailure() << "current row " << Grid.Row() << " of " << Grid.ItemCount();
    for (int p = 0; p < Grid.ItemCount(); ++p)
        if (Grid.CellText(p, Text) == "NEW" && Grid.CellText(p, Amount) != "30")
            return testing::AssertionFailure() << "the edit of r2 landed in the row of " << Grid.CellText(p, Amount).toStdString();
    return testing::AssertionSuccess();
}

} // namespace

// Opening, typing, committing, opening another cell and sorting under an open edit, with each
// editor event answered by each hostile act, painting on: no access to a deleted grid (the
// sanitizer build runs this too), sound storage, the editor shown exactly while an edit is open,
// and the edit never written into a row that is not its own, then or afterwards.
TEST(GridCellEditorHostileHandlers, EditsEndCleanlyWhateverTheHandlersDo)
{
    const std::pair<const char*, std::function<void(EditorHost&)>> operations[] {
        { "opening", [](EditorHost& h) { h.Grid->ForceCellEdit(2, Text); } },
        { "typing", [](EditorHost& h) { QTest::keyClick(h.Editor(), 'x'); } },
        { "pasting", [](EditorHost& h) {
             QGuiApplication::clipboard()->setText("xy");
             QTest::keyClick(h.Editor(), Qt::Key_V, Qt::ControlModifier);
         } },
        { "composing", [](EditorHost& h) {
             QInputMethodEvent composed;
             composed.setCommitString("xy");
             QApplication::sendEvent(h.Editor(), &composed);
         } },
        { "committing", [](EditorHost& h) { h.Grid->UpdateCell(true); } },
        { "opening another cell", [](EditorHost& h) { h.Grid->ForceCellEdit(3, Amount); } },
        { "sorting", [](EditorHost& h) { h.Grid->Sort(Text, 1); } },
    };
    for (const EditorEvent event : { EditorEvent::BeforeEdit, EditorEvent::AfterEdit, EditorEvent::EditKeyPress }) {
        for (const auto& [actName, act] : HostileActs) {
            for (const auto& [operationName, operation] : operations) {
                auto host = std::make_unique<EditorHost>();
                QPointer<RuzuZiri> grid = host->Grid;
                QPointer<QLineEdit> editor = host->Editor();
                grid->EditMove(2);
                if (std::string_view(operationName) != "opening") {
                    grid->ForceCellEdit(2, Text);
                    editor->setText("NEW");
                }
                Arm(*grid, event, act);
                const auto where = testing::Message() << operationName << ", " << int(event) << " handler " << actName;
                operation(*host);
                QCoreApplication::processEvents();
                if (grid) {
                    EXPECT_TRUE(EditLandedWell(*grid, *editor)) << where;
                }
                // What is open is committed; then another cell is edited as a user would.
                const std::function<void()> afterwards[] {
                    [&] { editor->setText(grid->EditPending() ? "NEW" : editor->text()); },
                    [&] { grid->UpdateCell(true); },
                    [&] { grid->ForceCellEdit(1, Date); },
                    [&] { QTest::keyClick(editor, '7'); },
                    [&] { grid->UpdateCell(true); },
                };
                for (const auto& step : afterwards) {
                    if (grid)
                        step();
                }
                if (grid) {
                    EXPECT_TRUE(EditLandedWell(*grid, *editor)) << where << ", afterwards";
                }
            }
        }
    }
}
