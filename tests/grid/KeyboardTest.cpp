#include "grid/RuzuZiriPrivate.h"

#include "GridFill.h"
#include "GridInvariants.h"
#include "TestFonts.h"
#include "platform/KeyEvents.h"

#include <tarvex/platform/Timer.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

using namespace Tarvex;

namespace {

enum Column { Name, Amount, Paid };

const QStringList Names { "Adler", "Bauer", "Becker", "Braun", "Dietz", "Engel", "Fischer", "Frank", "Graf", "Hahn",
                          "Huber", "Jung", "Keller", "Koch", "Lang", "Maier", "Neumann", "Roth", "Schulz", "Weber" };

// A host window with a field before the grid and one after it, the grid showing 8 of its 20 rows:
// names, amounts and a check-box column; row 5 current and selected, painting on.
struct KeyHost {
    QStringList Heard; // the grid's events in order, also those the window's closing raises
    QWidget Window;
    QLineEdit* Before { new QLineEdit(&Window) };
    RuzuZiri* Grid { new RuzuZiri(&Window) };
    QLineEdit* After { new QLineEdit(&Window) };

    KeyHost()
    {
        Window.resize(400, 260);
        Before->setGeometry(0, 0, 400, 20);
        Grid->setGeometry(0, 20, 400, 200);
        After->setGeometry(0, 230, 400, 20);
        Grid->AddColumn("Name", 1500);
        Grid->AddColumn("Amount", 1200, 6, ColTypeNumber);
        Grid->AddColumn("Paid", 800, 4, ColTypeCheckBox);
        for (int r = 0; r < Names.size(); ++r)
            Grid->AddItem(QStringLiteral("%1\t%2\t0").arg(Names[r]).arg(10 * (r + 1)));
        Grid->Redraw(true);
        Grid->AllowEdit(true);
        Window.show();
        QApplication::setActiveWindow(&Window);
        Grid->setFocus();
        Grid->RowColSet(5, Name);
        Listen();
    }

    void Listen()
    {
        const auto hear = [this](const char* name) { return [this, name] { Heard << name; }; };
        QObject::connect(Grid, &RuzuZiri::RowColChanged, hear("Move"));
        QObject::connect(Grid, &RuzuZiri::SelectionChanged, hear("Sel"));
        QObject::connect(Grid, &RuzuZiri::AfterDelete, hear("AfterDelete"));
        QObject::connect(Grid, &RuzuZiri::RowCheckChanged, [this](int) { Heard << "RowCheckChanged"; });
        QObject::connect(Grid, &RuzuZiri::CellButtonClick, [this](int, int) { Heard << "CellButtonClick"; });
        QObject::connect(Grid, &RuzuZiri::AfterInsert, [this](int) { Heard << "AfterInsert"; });
        QObject::connect(Grid, &RuzuZiri::BeforeInsert, [this](int, bool&) { Heard << "BeforeInsert"; });
        QObject::connect(Grid, &RuzuZiri::BeforeDelete, [this](int, bool&) { Heard << "BeforeDelete"; });
        QObject::connect(Grid, &RuzuZiri::BeforeEdit, [this](int, int, bool&) { Heard << "BeforeEdit"; });
        QObject::connect(Grid, &RuzuZiri::AfterEdit, [this](int, int, QString&, bool&) { Heard << "AfterEdit"; });
        QObject::connect(Grid, &RuzuZiri::KeyDown, [this](qint16&, qint16&) { Heard << "KeyDown"; });
        QObject::connect(Grid, &RuzuZiri::KeyPress, [this](qint16&) { Heard << "KeyPress"; });
    }

    QLineEdit* Editor() const { return Grid->findChild<QLineEdit*>("txtEdit"); }

    std::set<int> Selected() const
    {
        std::set<int> rows;
        for (int r = 0; r < Grid->ItemCount(); ++r) {
            if (Grid->RowSelected(r))
                rows.insert(r);
        }
        return rows;
    }
};

// One key as the platform delivers it to whoever has the focus: true when it went no further.
bool Press(Qt::Key Key, Qt::KeyboardModifiers Modifiers = {}, const QString& Text = {})
{
    QPointer<QWidget> target = QApplication::focusWidget();
    if (!target)
        return false;
    QKeyEvent down(QEvent::KeyPress, Key, Modifiers, Text);
    QApplication::sendEvent(target, &down);
    const bool consumed = down.isAccepted();
    if (QWidget* now = QApplication::focusWidget()) {
        QKeyEvent up(QEvent::KeyRelease, Key, Modifiers, Text);
        QApplication::sendEvent(now, &up);
    }
    return consumed;
}

bool Type(QChar Character)
{
    return Press(Qt::Key(Character.toUpper().unicode()), {}, QString(Character));
}

// The keys that reach the host's window: the ones the grid neither consumed nor typed.
struct WindowKeys : QObject {
    QList<int> keys;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            keys << static_cast<QKeyEvent*>(event)->key();
        return false;
    }
};

std::set<int> Range(int From, int To)
{
    std::set<int> rows;
    for (int r = From; r <= To; ++r)
        rows.insert(r);
    return rows;
}

} // namespace

// Every row of the key table: which key with which Shift state, MultiSelect and EditTrigger, from which
// start, leaves which current cell and selection, raises which events in which order, and goes no
// further. The host's KeyDown comes after everything the key did.
TEST(GridKeyboard, EachKeyMovesSelectsEditsAsTheTableSays)
{
    struct KeyRow {
        const char* what;
        Qt::Key key;
        Qt::KeyboardModifiers shift;
        int multiSelect;
        int editTrigger;
        std::function<void(KeyHost&)> start; // after row 5 became current
        QPoint current;                      // column position, row position
        std::set<int> selected;
        QStringList heard;
        bool consumed;
    };
    const auto none = [](KeyHost&) {};
    const auto at = [](int row, int col) { return [row, col](KeyHost& h) { h.Grid->RowColSet(row, col); }; };
    const auto option = [](std::function<void(RuzuZiri&)> set) { return [set](KeyHost& h) { set(*h.Grid); }; };
    const QStringList moved { "Sel", "Move", "KeyDown" };
    const KeyRow rows[] {
        { "Down", Qt::Key_Down, {}, 0, 52, none, { 0, 6 }, { 6 }, moved, true },
        { "Up", Qt::Key_Up, {}, 0, 52, none, { 0, 4 }, { 4 }, moved, true },
        { "Shift+Down extends", Qt::Key_Down, Qt::ShiftModifier, 1, 52, none, { 0, 6 }, { 5, 6 }, moved, true },
        { "Shift+Down without bit 1", Qt::Key_Down, Qt::ShiftModifier, 2, 52, none, { 0, 6 }, { 6 }, moved, true },
        { "Down on the last row stays", Qt::Key_Down, {}, 0, 52, at(19, 0), { 0, 19 }, { 19 }, { "KeyDown" }, true },
        { "Up on the first row stays", Qt::Key_Up, {}, 0, 52, at(0, 0), { 0, 0 }, { 0 }, { "KeyDown" }, true },
        { "Down passes a locked row", Qt::Key_Down, {}, 0, 52, option([](RuzuZiri& g) { g.RowLocked(6, true); }),
          { 0, 7 }, { 7 }, moved, true },
        { "Down passes a hidden row", Qt::Key_Down, {}, 0, 52, option([](RuzuZiri& g) { g.RowVisible(6, false); }),
          { 0, 7 }, { 7 }, moved, true },
        { "Right", Qt::Key_Right, {}, 0, 52, none, { 1, 5 }, { 5 }, { "Move", "KeyDown" }, true },
        { "Left wraps", Qt::Key_Left, {}, 0, 52, none, { 2, 5 }, { 5 }, { "Move", "KeyDown" }, true },
        { "Left passes a locked column", Qt::Key_Left, {}, 0, 52, option([](RuzuZiri& g) { g.ColLocked(2, true); }),
          { 1, 5 }, { 5 }, { "Move", "KeyDown" }, true },
        { "Home", Qt::Key_Home, {}, 0, 52, at(5, 2), { 0, 5 }, { 5 }, { "Move", "KeyDown" }, true },
        { "End", Qt::Key_End, {}, 0, 52, none, { 2, 5 }, { 5 }, { "Move", "KeyDown" }, true },
        { "Ctrl+Home", Qt::Key_Home, Qt::ControlModifier, 0, 52, none, { 0, 0 }, { 0 }, moved, true },
        { "Ctrl+End", Qt::Key_End, Qt::ControlModifier, 0, 52, none, { 0, 19 }, { 19 }, moved, true },
        { "Ctrl+Home onto a filtered first row", Qt::Key_Home, Qt::ControlModifier, 0, 52,
          option([](RuzuZiri& g) { g.RowVisible(0, false); }), { 0, 1 }, { 1 }, moved, true },
        { "Shift+End", Qt::Key_End, Qt::ShiftModifier, 1, 52, none, { 0, 19 }, Range(5, 19), { "Sel", "Move", "KeyDown" }, true },
        { "Shift+Home", Qt::Key_Home, Qt::ShiftModifier, 1, 52, none, { 0, 0 }, Range(0, 5),
          { "Sel", "Sel", "Move", "KeyDown" }, true },
        { "PageDown", Qt::Key_PageDown, {}, 0, 52, none, { 0, 5 }, { 5 }, { "KeyDown" }, true },
        { "PageUp", Qt::Key_PageUp, {}, 0, 52, none, { 0, 5 }, { 5 }, { "KeyDown" }, true },
        { "Ctrl+A", Qt::Key_A, Qt::ControlModifier, 2, 52, none, { 0, 5 }, Range(0, 19), { "Sel", "KeyDown" }, true },
        { "Ctrl+A without bit 2", Qt::Key_A, Qt::ControlModifier, 1, 52, none, { 0, 5 }, { 5 }, { "KeyDown" }, false },
        { "Space on a check box", Qt::Key_Space, {}, 0, 52, at(5, 2), { 2, 5 }, { 5 },
          { "BeforeEdit", "AfterEdit", "KeyDown" }, true },
        { "Space on a row check box", Qt::Key_Space, {}, 0, 52, option([](RuzuZiri& g) { g.RowCheckBoxes(true); }),
          { 0, 5 }, { 5 }, { "RowCheckChanged", "KeyDown" }, true },
        { "Space on a cell button", Qt::Key_Space, {}, 0, 4, option([](RuzuZiri& g) { g.ColType(Amount, ColTypeButton); g.Col(Amount); }),
          { 1, 5 }, { 5 }, { "CellButtonClick", "KeyDown", "KeyPress" }, true },
        { "Insert", Qt::Key_Insert, {}, 0, 52, option([](RuzuZiri& g) { g.AllowInsert(true); }), { 0, 5 }, { 5 },
          { "BeforeInsert", "Move", "Sel", "AfterInsert", "KeyDown" }, true },
        { "Insert not allowed", Qt::Key_Insert, {}, 0, 52, none, { 0, 5 }, { 5 }, { "KeyDown" }, false },
        { "Delete", Qt::Key_Delete, {}, 0, 52, option([](RuzuZiri& g) { g.AllowDelete(true); g.FocusRectMode(1); }), { 0, 5 }, { 5 },
          { "BeforeDelete", "AfterDelete", "KeyDown" }, true },
        { "Delete in a cell", Qt::Key_Delete, {}, 0, 52,
          option([](RuzuZiri& g) { g.AllowDelete(true); g.FocusRectMode(2); g.Col(Amount); }), { 1, 5 }, { 5 },
          { "BeforeEdit", "BeforeDelete", "AfterEdit", "AfterDelete", "KeyDown" }, true },
        { "Delete in a cell the host will not edit", Qt::Key_Delete, {}, 0, 52, option([](RuzuZiri& g) {
              g.AllowDelete(true);
              g.FocusRectMode(2);
              g.Col(Amount);
              QObject::connect(&g, &RuzuZiri::BeforeEdit, [](int, int, bool& cancel) { cancel = true; });
          }),
          { 1, 5 }, { 5 }, { "BeforeEdit", "KeyDown" }, true },
        { "F2", Qt::Key_F2, {}, 0, 52, none, { 0, 5 }, { 5 }, { "BeforeEdit", "KeyDown" }, true },
        { "F2 without bit 4", Qt::Key_F2, {}, 0, 32, none, { 0, 5 }, { 5 }, { "KeyDown" }, false },
        { "Enter where typing edits", Qt::Key_Return, {}, 0, 52, none, { 0, 5 }, { 5 }, { "KeyDown" }, true },
        { "Enter where it edits", Qt::Key_Return, {}, 0, 4, none, { 0, 5 }, { 5 }, { "BeforeEdit", "KeyDown" }, true },
        { "Enter without editing", Qt::Key_Return, {}, 0, 4, option([](RuzuZiri& g) { g.AllowEdit(false); }),
          { 0, 5 }, { 5 }, { "KeyDown", "KeyPress" }, false },
        { "Enter swallowed", Qt::Key_Return, {}, 0, 6, option([](RuzuZiri& g) { g.AllowEdit(false); }),
          { 0, 5 }, { 5 }, { "KeyDown" }, true },
        { "a letter where typing edits", Qt::Key_K, {}, 0, 52, none, { 0, 5 }, { 5 },
          { "KeyDown", "BeforeEdit", "KeyPress" }, true },
        { "a letter searches", Qt::Key_K, {}, 0, 4, none, { 0, 12 }, { 12 }, { "KeyDown", "Sel", "Move", "KeyPress" }, true },
        { "a letter that finds nothing", Qt::Key_Z, {}, 0, 4, none, { 0, 5 }, { 5 }, { "KeyDown", "KeyPress" }, true },
        { "Down in an edit commits", Qt::Key_Down, {}, 0, 52,
          [](KeyHost& h) { h.Grid->EditTrigger(4); Press(Qt::Key_F2); h.Editor()->setText("Zorn"); h.Heard.clear(); },
          { 0, 6 }, { 6 }, { "AfterEdit", "Sel", "Move", "KeyDown" }, true },
        { "Escape in an edit drops it", Qt::Key_Escape, {}, 0, 4,
          [](KeyHost& h) { Press(Qt::Key_F2); h.Editor()->setText("Zorn"); h.Heard.clear(); }, { 0, 5 }, { 5 }, { "KeyDown", "KeyPress" }, true },
        { "Enter in an edit commits", Qt::Key_Return, {}, 0, 52,
          [](KeyHost& h) { Type('z'); h.Heard.clear(); }, { 0, 5 }, { 5 }, { "KeyDown", "AfterEdit", "Sel" }, true },
    };
    for (const KeyRow& row : rows) {
        KeyHost host;
        host.Grid->MultiSelect(row.multiSelect);
        host.Grid->EditTrigger(row.editTrigger);
        row.start(host);
        host.Heard.clear();
        QString text;
        if (row.key == Qt::Key_Space)
            text = " ";
        else if (row.key == Qt::Key_Return)
            text = "\r";
        else if (row.key == Qt::Key_Escape)
            text = "\x1b";
        else if (row.key >= Qt::Key_A && row.key <= Qt::Key_Z && !(row.shift & Qt::ControlModifier))
            text = QChar(row.key).toLower();
        EXPECT_EQ(row.consumed, Press(row.key, row.shift, text)) << row.what;
        EXPECT_EQ(row.current, QPoint(host.Grid->Col(), host.Grid->Row())) << row.what;
        EXPECT_EQ(row.selected, host.Selected()) << row.what;
        EXPECT_EQ(row.heard, host.Heard) << row.what;
    }
}

// The keys take MultiSelect bit by bit and the Shift state bit by bit: Shift extends where the mode
// has 1, Ctrl+A selects all where it has 2, so 3 does both, and Ctrl held beside them changes nothing.
TEST(GridKeyboard, MultiSelectsKeysReadTheModeBitByBit)
{
    struct ModeRow {
        int multiSelect;
        Qt::Key key;
        Qt::KeyboardModifiers shift;
        std::set<int> selected; // row 5 selected and current before the key
    };
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    const ModeRow rows[] {
        { 0, Qt::Key_Down, Qt::ShiftModifier, { 6 } },         { 1, Qt::Key_Down, Qt::ShiftModifier, { 5, 6 } },
        { 2, Qt::Key_Down, Qt::ShiftModifier, { 6 } },         { 3, Qt::Key_Down, Qt::ShiftModifier, { 5, 6 } },
        { 1, Qt::Key_Down, ctrlShift, { 5, 6 } },              { 2, Qt::Key_Down, ctrlShift, { 6 } },
        { 0, Qt::Key_A, Qt::ControlModifier, { 5 } },          { 1, Qt::Key_A, Qt::ControlModifier, { 5 } },
        { 2, Qt::Key_A, Qt::ControlModifier, Range(0, 19) },   { 3, Qt::Key_A, Qt::ControlModifier, Range(0, 19) },
        { 2, Qt::Key_A, ctrlShift, Range(0, 19) },             { 3, Qt::Key_A, Qt::ShiftModifier, { 5 } },
    };
    for (const ModeRow& row : rows) {
        KeyHost host;
        host.Grid->MultiSelect(row.multiSelect);
        Press(row.key, row.shift);
        EXPECT_EQ(row.selected, host.Selected()) << "MultiSelect " << row.multiSelect << ", key " << row.key << ", Shift "
                                                 << row.shift.toInt();
    }
}

// What the edit keys leave in the cells: a toggled check box reads back as the host would write it, a
// cell Delete empties the cell and its total, Insert adds an empty row above, Delete removes the row;
// typing opens the editor with the letter; Escape drops an edit and Enter commits one.
TEST(GridKeyboard, EditKeysChangeTheCellsAndRows)
{
    KeyHost host;
    RuzuZiri& grid = *host.Grid;
    grid.RowColSet(2, Paid);
    Press(Qt::Key_Space, {}, " ");
    EXPECT_TRUE(grid.CellChecked(2, Paid));
    EXPECT_EQ("True", grid.CellText(2, Paid));
    EXPECT_TRUE(grid.CellChanged(2, Paid));

    grid.AllowDelete(true);
    grid.FocusRectMode(2);
    grid.Col(Amount);
    const double total = grid.TotalsCol(Amount);
    Press(Qt::Key_Delete);
    EXPECT_EQ("", grid.CellText(2, Amount));
    EXPECT_EQ(total - 30, grid.TotalsCol(Amount));
    EXPECT_TRUE(grid.CellChanged(2, Amount));

    grid.FocusRectMode(1);
    grid.AllowInsert(true);
    Press(Qt::Key_Insert);
    EXPECT_EQ(21, grid.ItemCount());
    EXPECT_EQ("", grid.CellText(2, Name));
    EXPECT_EQ("Becker", grid.CellText(3, Name));
    Press(Qt::Key_Delete);
    Press(Qt::Key_Delete);
    EXPECT_EQ(19, grid.ItemCount());
    EXPECT_EQ("Braun", grid.CellText(2, Name));

    grid.Col(Name);
    Type('w');
    EXPECT_TRUE(grid.EditPending());
    EXPECT_EQ("w", host.Editor()->text());
    Type('x');
    Press(Qt::Key_Escape, {}, "\x1b");
    EXPECT_FALSE(grid.EditPending());
    EXPECT_EQ("Braun", grid.CellText(2, Name));
    EXPECT_EQ(&grid, QApplication::focusWidget());
    Type('w');
    Type('x');
    Press(Qt::Key_Return, {}, "\r");
    EXPECT_FALSE(grid.EditPending());
    EXPECT_EQ("wx", grid.CellText(2, Name));
}

// A host that cancels AfterEdit gets the cell back as it was before Space or Delete changed it.
TEST(GridKeyboard, ACancelledAfterEditUndoesASpaceToggleOrACellDelete)
{
    KeyHost host;
    RuzuZiri& grid = *host.Grid;
    QObject::connect(&grid, &RuzuZiri::AfterEdit, [](int, int, QString&, bool& cancel) { cancel = true; });
    grid.AllowDelete(true);
    grid.FocusRectMode(2);
    const double total = grid.TotalsCol(Amount);
    for (const int col : { int(Paid), int(Amount) }) {
        grid.RowColSet(3, col);
        const QString before = grid.CellText(3, col);
        Press(col == Paid ? Qt::Key_Space : Qt::Key_Delete, {}, col == Paid ? " " : "");
        EXPECT_EQ(before, grid.CellText(3, col)) << col;
        EXPECT_FALSE(grid.CellChanged(3, col)) << col;
        EXPECT_FALSE(grid.CellsChanged()) << col;
    }
    EXPECT_FALSE(grid.CellChecked(3, Paid));
    EXPECT_EQ(total, grid.TotalsCol(Amount));
}

// The search text grows while keys come within a second of each other on the tick count and starts
// anew after a pause of a second or more; rows a filter hid are passed over.
TEST(GridKeyboard, TypeAheadRestartsAfterASecondWithoutAKey)
{
    KeyHost host;
    DrivenClock clock;
    RuzuZiri& grid = *host.Grid;
    grid.EditTrigger(4);
    struct Step {
        int pause;
        QChar typed;
        int row;
    };
    const Step steps[] { { 2000, 'b', 1 }, { 999, 'r', 3 }, { 1000, 'h', 9 }, { 10, 'u', 10 }, { 1500, 'k', 12 },
                         { 0, 'z', 12 }, { 3000, 'F', 6 } };
    for (const Step& step : steps) {
        clock.Advance(step.pause);
        Type(step.typed);
        EXPECT_EQ(step.row, grid.Row()) << QString(step.typed).toStdString();
    }
    grid.RowColSet(0, Name);
    grid.RowVisible(6, false);
    clock.Advance(1000);
    Type('f');
    EXPECT_EQ(7, grid.Row()) << "Fischer is filtered out";
    EXPECT_FALSE(grid.RowLocked(0));
}

// A key that types a character is typed whatever its key code, and a letter of any script searches or
// opens the editor as an ASCII letter does; punctuation is heard but searches nothing. An Alt chord
// types nothing: from the grid it goes on to the host's window, for its accelerators.
TEST(GridKeyboard, CharactersOfEveryScriptAreTypedAndAltChordsAreNot)
{
    struct Typed {
        const char* what;
        int editTrigger;
        int key;
        Qt::KeyboardModifiers shift;
        QString text;
        QString typedBefore; // within the second before
        int row;
        QString editor;      // the open editor's text; null: no editor
        QStringList heard;
        bool consumed;
    };
    const QStringList searched { "KeyDown", "Sel", "Move", "KeyPress" };
    const QStringList heardOnly { "KeyDown", "KeyPress" };
    const QStringList edited { "KeyDown", "BeforeEdit", "KeyPress" };
    const QStringList altChord { "KeyDown" };
    const Typed rows[] {
        { "a", 4, Qt::Key_A, {}, "a", {}, 0, {}, searched, true },
        { "ä", 4, Qt::Key_Adiaeresis, {}, "ä", {}, 12, {}, searched, true },
        { "ö", 4, Qt::Key_Odiaeresis, {}, "ö", {}, 13, {}, searched, true },
        { "ü", 4, Qt::Key_Udiaeresis, {}, "ü", {}, 14, {}, searched, true },
        { "Ü", 4, Qt::Key_Udiaeresis, Qt::ShiftModifier, "Ü", {}, 14, {}, searched, true },
        { "ß after gro", 4, Qt::Key_ssharp, {}, "ß", "gro", 10, {}, searched, true },
        { "д", 4, 0x414, {}, "д", {}, 15, {}, searched, true },
        { "中", 4, 0x4E2D, {}, "中", {}, 17, {}, searched, true },
        { "김, above 0x7FFF", 4, 0xAE40, {}, "김", {}, 18, {}, searched, true },
        { "-", 4, Qt::Key_Minus, {}, "-", {}, 5, {}, heardOnly, true },
        { "‰, whose low byte is a digit", 4, 0x2030, {}, "‰", {}, 5, {}, heardOnly, true },
        { "Alt+a", 4, Qt::Key_A, Qt::AltModifier, "a", {}, 5, {}, altChord, false },
        { "ü where typing edits", 52, Qt::Key_Udiaeresis, {}, "ü", {}, 5, "ü", edited, true },
        { "Д where typing edits", 52, 0x414, Qt::ShiftModifier, "Д", {}, 5, "Д", edited, true },
        { "Alt+a where typing edits", 52, Qt::Key_A, Qt::AltModifier, "a", {}, 5, {}, altChord, false },
        { "Alt+a in the open editor", 52, Qt::Key_A, Qt::AltModifier, "a", "x", 5, "x", {}, true },
    };
    // From row 9 on, after Graf.
    const QStringList foreign { "Grob", "Großmann", "Keller", "Äpfel", "Öztürk", "Überland", "Дмитриев", "Жуков", "中山", "김" };
    for (const Typed& row : rows) {
        KeyHost host;
        DrivenClock clock;
        RuzuZiri& grid = *host.Grid;
        for (int r = 0; r < foreign.size(); ++r)
            grid.CellText(9 + r, Name, foreign[r]);
        grid.EditTrigger(row.editTrigger);
        clock.Advance(2000);
        for (const QChar c : row.typedBefore)
            Type(c);
        host.Heard.clear();
        qint16 keyAscii = 0;
        QObject::connect(&grid, &RuzuZiri::KeyPress, [&](qint16& KeyAscii) { keyAscii = KeyAscii; });
        WindowKeys window;
        host.Window.installEventFilter(&window);

        EXPECT_EQ(row.consumed, Press(Qt::Key(row.key), row.shift, row.text)) << row.what;
        EXPECT_EQ(row.consumed, window.keys.isEmpty()) << row.what;
        EXPECT_EQ(row.row, grid.Row()) << row.what;
        EXPECT_EQ(row.heard, host.Heard) << row.what;
        if (row.heard.contains("KeyPress")) {
            EXPECT_EQ(row.text.front(), CharacterOf(keyAscii)) << row.what;
        }
        EXPECT_EQ(!row.editor.isNull(), grid.EditPending()) << row.what;
        if (grid.EditPending()) {
            EXPECT_EQ(row.editor, host.Editor()->text()) << row.what;
        }
    }
}

// The host's KeyDown swallows a key by clearing its code, as KeyPress swallows a character: the key
// then types nothing and goes no further. A commit the host refuses leaves a moving key unconsumed,
// the page keys as the arrows, so it reaches the host's window.
TEST(GridKeyboard, TheHostsKeyDownSwallowsAKeyAndARefusedCommitLeavesItUnconsumed)
{
    struct Answer {
        const char* what;
        int editTrigger;
        bool editing;   // F2 opened an edit of "Zorn" before the key
        bool gridFocus; // the grid took the focus back from the open editor
        bool clears;    // the host's KeyDown sets the code to 0
        bool refuses;   // the host's AfterEdit cancels
        Qt::Key key;
        QString text;
        bool consumed;
        int row;
        bool editOpen;
        int caret;      // in the open editor; -1 not read
    };
    const Answer rows[] {
        { "F5 cleared", 52, false, false, true, false, Qt::Key_F5, {}, true, 5, false, -1 },
        { "a letter cleared", 4, false, false, true, false, Qt::Key_K, "k", true, 5, false, -1 },
        { "a letter cleared where typing edits", 52, false, false, true, false, Qt::Key_K, "k", true, 5, false, -1 },
        { "Home cleared in the editor", 4, true, false, true, false, Qt::Key_Home, {}, true, 5, true, 4 },
        { "Home in the editor", 4, true, false, false, false, Qt::Key_Home, {}, true, 5, true, 0 },
        { "PageDown whose commit is refused", 4, true, true, false, true, Qt::Key_PageDown, {}, false, 5, true, -1 },
    };
    for (const Answer& row : rows) {
        KeyHost host;
        RuzuZiri& grid = *host.Grid;
        grid.EditTrigger(row.editTrigger);
        if (row.editing) {
            Press(Qt::Key_F2);
            host.Editor()->setText("Zorn");
        }
        if (row.gridFocus)
            grid.setFocus();
        if (row.clears)
            QObject::connect(&grid, &RuzuZiri::KeyDown, [](qint16& KeyCode, qint16&) { KeyCode = 0; });
        if (row.refuses)
            QObject::connect(&grid, &RuzuZiri::AfterEdit, [](int, int, QString&, bool& Cancel) { Cancel = true; });
        host.Heard.clear();
        WindowKeys window;
        host.Window.installEventFilter(&window);

        EXPECT_EQ(row.consumed, Press(row.key, {}, row.text)) << row.what;
        EXPECT_EQ(row.consumed ? QList<int> {} : QList<int> { row.key }, window.keys) << row.what;
        EXPECT_EQ(row.row, grid.Row()) << row.what;
        EXPECT_EQ(row.editOpen, grid.EditPending()) << row.what;
        EXPECT_FALSE(host.Heard.contains("KeyPress")) << row.what;
        if (row.caret >= 0) {
            EXPECT_EQ(row.caret, host.Editor()->cursorPosition()) << row.what;
        }
    }
}

// One repaint per key, whatever the key did; the page keys scroll by a page and leave the current row.
TEST(GridKeyboard, AKeyRepaintsOnce)
{
    struct Paint {
        const char* what;
        std::function<void(RuzuZiri&)> before;
        std::function<void()> key;
    };
    const auto nothing = [](RuzuZiri&) {};
    // Enter opens the editor where typing does not; the caret ends after the new text.
    const auto openChanged = [](RuzuZiri& g) {
        g.Col(Name);
        Press(Qt::Key_Return, {}, "\r");
        g.findChild<QLineEdit*>("txtEdit")->setText("Zorn");
    };
    const Paint keys[] {
        { "Down", nothing, [] { Press(Qt::Key_Down); } },
        { "Shift+Down", nothing, [] { Press(Qt::Key_Down, Qt::ShiftModifier); } },
        { "Insert", nothing, [] { Press(Qt::Key_Insert); } },
        { "Delete", nothing, [] { Press(Qt::Key_Delete); } },
        { "Ctrl+A", nothing, [] { Press(Qt::Key_A, Qt::ControlModifier); } },
        { "Ctrl+End", nothing, [] { Press(Qt::Key_End, Qt::ControlModifier); } },
        { "a search", nothing, [] { Type('h'); } },
        { "Space on a check box", [](RuzuZiri& g) { g.Col(Paid); }, [] { Press(Qt::Key_Space, {}, " "); } },
        { "Enter committing", openChanged, [] { Press(Qt::Key_Return, {}, "\r"); } },
        { "Up committing", openChanged, [] { Press(Qt::Key_Up); } },
        { "Down committing", openChanged, [] { Press(Qt::Key_Down); } },
        { "Right committing at the text's end", openChanged, [] { Press(Qt::Key_Right); } },
        { "PageDown committing", openChanged, [] { Press(Qt::Key_PageDown); } },
    };
    KeyHost host;
    RuzuZiri& grid = *host.Grid;
    grid.AllowInsert(true);
    grid.AllowDelete(true);
    grid.EditTrigger(4);
    grid.MultiSelect(3);
    grid.FocusRectMode(1);
    QSignalSpy paints(&grid, &RuzuZiri::RequestRowData);
    for (const Paint& key : keys) {
        key.before(grid);
        paints.clear();
        key.key();
        EXPECT_EQ(1, paints.count()) << key.what;
    }
    grid.RowColSet(2, Name);
    Press(Qt::Key_PageDown);
    EXPECT_EQ(2, grid.Row());
    const int pageTop = grid.RowFirstVisible();
    EXPECT_GT(pageTop, 5);
    Press(Qt::Key_PageUp);
    EXPECT_LT(grid.RowFirstVisible(), pageTop);
    EXPECT_EQ(2, grid.Row());
}

// The grid takes the focus by a click and by Tab like any widget of a form and gives it on by Tab; a
// key it does not use reaches the host's window; the editor's focus going elsewhere commits the edit.
TEST(GridKeyboard, TheGridTakesTheFocusAndLeavesTheHostItsKeys)
{
    KeyHost host;
    RuzuZiri& grid = *host.Grid;
    host.Before->setFocus();
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(&grid, QApplication::focusWidget());
    grid.RowColSet(5, Name); // the click made its row current
    host.Before->setFocus();
    Press(Qt::Key_Tab);
    EXPECT_EQ(&grid, QApplication::focusWidget());

    WindowKeys window;
    host.Window.installEventFilter(&window);
    Press(Qt::Key_F5);
    Press(Qt::Key_Down);
    EXPECT_EQ(QList<int> { Qt::Key_F5 }, window.keys);

    grid.EditTrigger(4);
    Press(Qt::Key_F2);
    host.Editor()->setText("Zorn");
    Press(Qt::Key_Tab);
    EXPECT_EQ(host.After, QApplication::focusWidget());
    EXPECT_FALSE(grid.EditPending());
    EXPECT_EQ("Zorn", grid.CellText(6, Name));

    // The pointer resting over the grid keeps no edit whose editor the user left.
    grid.setFocus();
    QTest::mouseMove(&grid, QPoint(200, 5));
    ASSERT_TRUE(RuzuZiriPrivate::Of(grid).m_Input.m_MouseInside);
    Press(Qt::Key_F2);
    host.Editor()->setText("Ziegler");
    Press(Qt::Key_Tab);
    EXPECT_EQ(host.After, QApplication::focusWidget());
    EXPECT_FALSE(grid.EditPending());
    EXPECT_FALSE(host.Editor()->isVisible());
    EXPECT_EQ("Ziegler", grid.CellText(6, Name));
}

// Hidden rows and columns hold the current cell where a move would land on them, and a held move reads
// every row (and column) as locked. Keys clear the hold and never aim at a hidden row, so after any
// mix of public calls and keys some row still reads unlocked.
TEST(GridKeyboard, NoMixOfCallsAndKeysLeavesEveryRowLocked)
{
    KeyHost host;
    RuzuZiri& grid = *host.Grid;
    grid.EditTrigger(4);
    QRandomGenerator random(7);
    const std::function<void()> acts[] {
        [&] { grid.RowVisible(int(random.bounded(grid.ItemCount())), random.bounded(3) != 0); },
        [&] { grid.RemoveRow(grid.ItemCount() - 1); },
        [&] { grid.AddItem("Ost\t1\t0"); },
        [&] { grid.RowColSet(int(random.bounded(grid.ItemCount())), 0); },
        [&] { grid.FilterOn("B", Name, 5); },
        [&] { grid.FilterOff(0); },
        [] { Press(Qt::Key_Down); },
        [] { Press(Qt::Key_Up); },
        [] { Press(Qt::Key_End, Qt::ControlModifier); },
        [] { Press(Qt::Key_Home, Qt::ControlModifier); },
        [] { Type('b'); },
        [] { Press(Qt::Key_Left); },
    };
    for (int step = 0; step < 400; ++step) {
        if (grid.ItemCount() < 4)
            grid.AddItem("Nord\t1\t0");
        acts[random.bounded(int(std::size(acts)))]();
        bool anyShown = false;
        bool anyUnlocked = false;
        for (int r = 0; r < grid.ItemCount(); ++r) {
            anyShown = anyShown || grid.RowVisible(r);
            anyUnlocked = anyUnlocked || !grid.RowLocked(r);
        }
        ASSERT_TRUE(anyUnlocked || !anyShown) << "step " << step;
        ASSERT_FALSE(grid.ColLocked(0)) << "step " << step;
    }
}

// Every event a key raises, answered by every kind of hostile host, with painting on: no crash, no
// access to a deleted grid (the sanitizer build runs this too), sound storage, a current row that
// exists, and an editor that never writes into a row that is gone.
TEST(GridKeyboardHostileHandlers, KeysEndCleanlyWhateverTheHandlersDo)
{
    enum class Event { BeforeEdit, AfterEdit, BeforeInsert, BeforeDelete, KeyDown, KeyUp, SelectionChanged };
    const std::pair<Event, const char*> events[] {
        { Event::BeforeEdit, "BeforeEdit" }, { Event::AfterEdit, "AfterEdit" }, { Event::BeforeInsert, "BeforeInsert" },
        { Event::BeforeDelete, "BeforeDelete" }, { Event::KeyDown, "KeyDown" }, { Event::KeyUp, "KeyUp" },
        { Event::SelectionChanged, "SelectionChanged" },
    };
    const std::pair<const char*, std::function<void(RuzuZiri&)>> acts[] {
        { "clears", [](RuzuZiri& g) { g.Clear(); } },
        { "removes the current row", [](RuzuZiri& g) { g.RemoveRow(-1); } },
        { "removes the last row", [](RuzuZiri& g) { g.RemoveRow(g.ItemCount() - 1); } },
        { "sorts", [](RuzuZiri& g) { g.Sort(Name, 1); } },
        { "commits the edit", [](RuzuZiri& g) { g.UpdateCell(false); } },
        { "moves the current cell", [](RuzuZiri& g) { g.RowColSet(0, Amount); } },
        { "deletes the grid", [](RuzuZiri& g) { delete &g; } },
        { "queues the grid's deletion",
          [](RuzuZiri& g) { QMetaObject::invokeMethod(&g, [&g] { delete &g; }, Qt::QueuedConnection); } },
    };
    const std::pair<const char*, std::function<void(KeyHost&)>> keys[] {
        { "Insert", [](KeyHost&) { Press(Qt::Key_Insert); } },
        { "Delete", [](KeyHost&) { Press(Qt::Key_Delete); } },
        { "Delete in a cell", [](KeyHost& h) { h.Grid->FocusRectMode(2); h.Grid->Col(Amount); Press(Qt::Key_Delete); } },
        { "Space", [](KeyHost& h) { h.Grid->Col(Paid); Press(Qt::Key_Space, {}, " "); } },
        { "F2 and Enter", [](KeyHost&) { Press(Qt::Key_F2); Type('q'); Press(Qt::Key_Return, {}, "\r"); } },
        // Released while the open editor has the focus.
        { "F2", [](KeyHost&) { Press(Qt::Key_F2); } },
        { "Home in an open editor", [](KeyHost& h) { h.Grid->ForceCellEdit(-1, Name); Press(Qt::Key_Home); } },
        { "typing and Down", [](KeyHost& h) { h.Grid->EditTrigger(52); Type('q'); Press(Qt::Key_Down); } },
        { "a search", [](KeyHost&) { Type('h'); } },
        { "Shift+End", [](KeyHost&) { Press(Qt::Key_End, Qt::ShiftModifier); } },
    };
    for (const auto& [event, eventName] : events) {
        for (const auto& [actName, act] : acts) {
            for (const auto& [keyName, key] : keys) {
                auto host = std::make_unique<KeyHost>();
                QPointer<RuzuZiri> grid = host->Grid;
                grid->AllowInsert(true);
                grid->AllowDelete(true);
                grid->FocusRectMode(1);
                grid->MultiSelect(1);
                grid->EditTrigger(4);
                bool fired = false;
                const auto once = [&, act = act] {
                    if (fired || !grid)
                        return;
                    fired = true;
                    act(*grid);
                };
                switch (event) {
                case Event::BeforeEdit: QObject::connect(grid, &RuzuZiri::BeforeEdit, once); break;
                case Event::AfterEdit: QObject::connect(grid, &RuzuZiri::AfterEdit, once); break;
                case Event::BeforeInsert: QObject::connect(grid, &RuzuZiri::BeforeInsert, once); break;
                case Event::BeforeDelete: QObject::connect(grid, &RuzuZiri::BeforeDelete, once); break;
                case Event::KeyDown: QObject::connect(grid, &RuzuZiri::KeyDown, once); break;
                case Event::KeyUp: QObject::connect(grid, &RuzuZiri::KeyUp, once); break;
                case Event::SelectionChanged: QObject::connect(grid, &RuzuZiri::SelectionChanged, once); break;
                }
                const auto where = testing::Message() << keyName << ", " << eventName << " handler " << actName;
                QStringList before;
                for (int r = 0; r < grid->ItemCount(); ++r)
                    before << grid->CellText(r, Name);
                key(*host);
                QCoreApplication::processEvents();
                if (!grid)
                    continue;
                EXPECT_TRUE(GridInvariants(RuzuZiriPrivate::Of(*grid).m_Model)) << where;
                EXPECT_GE(grid->Row(), -1) << where;
                EXPECT_LT(grid->Row(), grid->ItemCount()) << where;
                // Whatever a commit wrote went into a row of the list as the host left it.
                for (int r = 0; r < grid->ItemCount(); ++r) {
                    const QString name = grid->CellText(r, Name);
                    EXPECT_TRUE(name.isEmpty() || name == "q" || before.contains(name)) << where;
                }
                Press(Qt::Key_Down);
                Type('b');
                if (grid) {
                    EXPECT_TRUE(GridInvariants(RuzuZiriPrivate::Of(*grid).m_Model)) << where << ", afterwards";
                }
            }
        }
    }
}

// Down onto a row below rows taller than the default keeps that row in view, and every paint after
// it keeps it there (a row above growing meanwhile) until the user does something that aims
// elsewhere: another moving or editing key, a press, a scroll. A key that aims nowhere leaves it.
TEST(GridKeyboard, DownKeepsTheCurrentRowInViewPastTallRowsUntilTheUserAimsElsewhere)
{
    const auto click = [](KeyHost& h) {
        const RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(*h.Grid);
        Rect amount { 0, 0, 0, 0 };
        inside.GetColumnExtent(Amount, amount);
        QTest::mouseClick(h.Grid, Qt::LeftButton, {}, inside.ClientOrigin() + QPoint(amount.Left + 5, inside.RowTop(h.Grid->Row()) + 3));
    };
    const auto wheel = [](KeyHost& h) {
        const QPointF at(5, 60);
        QWheelEvent down(at, h.Grid->mapToGlobal(at), {}, QPoint(0, -WHEEL_DELTA), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(h.Grid, &down);
    };
    const struct {
        const char* what;
        std::function<void(KeyHost&)> then;
        bool kept;
    } cases[] {
        { "nothing else", [](KeyHost&) {}, true },
        { "Space on a text cell", [](KeyHost&) { Press(Qt::Key_Space, {}, " "); }, true },
        { "Right", [](KeyHost&) { Press(Qt::Key_Right); }, false },
        { "a click on the current row", click, false },
        { "a wheel notch", wheel, false },
    };
    for (const auto& c : cases) {
        KeyHost host;
        RuzuZiri& grid = *host.Grid;
        // How far a notch or a grown row pushes the current row depends on how many rows fit.
        grid.Font(DejaVuSans());
        grid.FontHeader(DejaVuSans());
        grid.AllowRowResizing(true);
        for (int r = 2; r <= 4; ++r)
            grid.RowHeight(r, float(3 * grid.RowHeight(0)));
        grid.RowColSet(3, Name);
        for (int step = 0; step < 6; ++step)
            Press(Qt::Key_Down);
        ASSERT_EQ(9, grid.Row()) << c.what;
        EXPECT_TRUE(grid.RowFirstVisible() <= 9 && 9 <= grid.RowLastVisible()) << c.what;
        c.then(host);
        // A row between the top of the page and the current one grows past half the page.
        grid.RowHeight(grid.RowFirstVisible() + 1, 150);
        EXPECT_EQ(c.kept, grid.RowFirstVisible() <= grid.Row() && grid.Row() <= grid.RowLastVisible()) << c.what;
    }
}
