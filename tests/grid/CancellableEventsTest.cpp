#include "grid/RuzuZiriPrivate.h"

#include "GridFill.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace Tarvex;

namespace {

enum Column { Name, Paid };
enum class Answer { Refuse, RefuseAndAddRowAbove, RemoveRow };
enum class Event { BeforeEdit, AfterEdit, BeforeInsert, BeforeDelete };

// Six named rows with an unchecked box each, row 2 current, shown with the keyboard's focus. The
// host answers the first event it listens to.
struct AskedGrid {
    QWidget Window;
    RuzuZiri* Grid { new RuzuZiri(&Window) };
    bool Answered { false };

    AskedGrid(Event Heard, Answer Given)
    {
        Window.resize(400, 240);
        Grid->setGeometry(0, 0, 400, 240);
        Fill(*Grid, { 0, ColTypeCheckBox }, { "r0\tFalse", "r1\tFalse", "r2\tFalse", "r3\tFalse", "r4\tFalse", "r5\tFalse" }, 1500);
        Grid->AllowEdit(true);
        Grid->AllowInsert(true);
        Grid->AllowDelete(true);
        Grid->EditTrigger(4);
        Grid->Redraw(true);
        Window.show();
        QApplication::setActiveWindow(&Window);
        Grid->setFocus();
        Grid->RowColSet(2, Name);
        const auto answer = [this, Given](bool& Cancel) {
            if (std::exchange(Answered, true))
                return;
            Cancel = Given != Answer::RemoveRow;
            if (Given == Answer::RefuseAndAddRowAbove)
                Grid->AddItem("new", 0);
            if (Given == Answer::RemoveRow)
                Grid->RemoveRow(-1);
        };
        switch (Heard) {
        case Event::BeforeEdit: QObject::connect(Grid, &RuzuZiri::BeforeEdit, [answer](int, int, bool& c) { answer(c); }); break;
        case Event::AfterEdit: QObject::connect(Grid, &RuzuZiri::AfterEdit, [answer](int, int, QString&, bool& c) { answer(c); }); break;
        case Event::BeforeInsert: QObject::connect(Grid, &RuzuZiri::BeforeInsert, [answer](int, bool& c) { answer(c); }); break;
        case Event::BeforeDelete: QObject::connect(Grid, &RuzuZiri::BeforeDelete, [answer](int, bool& c) { answer(c); }); break;
        }
    }

    // Every row's name ("-" when empty) with "+" for a checked box, the current row, an open edit.
    std::string Shown() const
    {
        QStringList rows;
        for (int r = 0; r < Grid->ItemCount(); ++r)
            rows << (Grid->CellText(r, Name).isEmpty() ? "-" : Grid->CellText(r, Name)) + (Grid->CellChecked(r, Paid) ? "+" : "");
        return (rows.join(' ') + QStringLiteral(" @%1").arg(Grid->Row()) + (Grid->EditPending() ? " edit" : "")).toStdString();
    }
};

} // namespace

// A refusal stops what the grid was about to do; a host that also changed the rows under it stops
// it where it stands, without the steps a refusal takes (putting a toggle or an emptied cell back,
// going on with a press), so the grid never acts on a row that moved. An edit keeps its own measure
// of a change: it follows its record past a row added above and ends only with its row.
TEST(CancellableEvents, ARefusalStopsTheGridAndAChangeUnderItStopsItWhereItStands)
{
    const auto key = [](Qt::Key Key, int Col = Name, int FocusRectMode = 1) {
        return [=](AskedGrid& g) {
            g.Grid->FocusRectMode(FocusRectMode);
            g.Grid->Col(Col);
            QTest::keyClick(g.Grid, Key);
        };
    };
    const auto click = [](AskedGrid& g) {
        const RuzuZiriPrivate& inside = RuzuZiriPrivate::Of(*g.Grid);
        Rect box;
        inside.GetCellRect(4, Paid, inside.RowTop(4), box, RuzuZiriPrivate::CellRectCheckBox);
        QTest::mouseClick(g.Grid, Qt::LeftButton, {}, inside.ClientOrigin() + QPoint((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2));
    };
    const auto commit = [](AskedGrid& g) {
        QTest::keyClick(g.Grid, Qt::Key_F2);
        g.Grid->findChild<QLineEdit*>("txtEdit")->setText("z");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };
    const struct {
        const char* what;
        Event heard;
        Answer given;
        std::function<void(AskedGrid&)> act;
        const char* shown;
    } cases[] {
        { "Space on a box", Event::AfterEdit, Answer::Refuse, key(Qt::Key_Space, Paid), "r0 r1 r2 r3 r4 r5 @2" },
        { "Space on a box", Event::AfterEdit, Answer::RefuseAndAddRowAbove, key(Qt::Key_Space, Paid), "new r0 r1 r2+ r3 r4 r5 @2" },
        { "a click in a box", Event::BeforeEdit, Answer::Refuse, click, "r0 r1 r2 r3 r4 r5 @4" },
        { "a click in a box", Event::BeforeEdit, Answer::RefuseAndAddRowAbove, click, "new r0 r1 r2 r3 r4 r5 @2" },
        { "a click in a box", Event::AfterEdit, Answer::Refuse, click, "r0 r1 r2 r3 r4 r5 @4" },
        { "a click in a box", Event::AfterEdit, Answer::RefuseAndAddRowAbove, click, "new r0 r1 r2 r3 r4 r5 @2" },
        { "Insert", Event::BeforeInsert, Answer::RefuseAndAddRowAbove, key(Qt::Key_Insert), "new r0 r1 r2 r3 r4 r5 @2" },
        { "Delete", Event::BeforeDelete, Answer::RefuseAndAddRowAbove, key(Qt::Key_Delete), "new r0 r1 r2 r3 r4 r5 @2" },
        { "Delete in a cell", Event::BeforeDelete, Answer::Refuse, key(Qt::Key_Delete, Name, 2), "r0 r1 r2 r3 r4 r5 @2" },
        { "Delete in a cell", Event::AfterEdit, Answer::Refuse, key(Qt::Key_Delete, Name, 2), "r0 r1 r2 r3 r4 r5 @2" },
        { "Delete in a cell", Event::AfterEdit, Answer::RefuseAndAddRowAbove, key(Qt::Key_Delete, Name, 2), "new r0 r1 - r3 r4 r5 @2" },
        { "Enter in an edit", Event::AfterEdit, Answer::RefuseAndAddRowAbove, commit, "new r0 r1 r2 r3 r4 r5 @2 edit" },
        { "Enter in an edit", Event::AfterEdit, Answer::RemoveRow, commit, "r0 r1 r3 r4 r5 @2" },
    };
    for (const auto& c : cases) {
        AskedGrid g(c.heard, c.given);
        c.act(g);
        EXPECT_TRUE(g.Answered) << c.what;
        EXPECT_EQ(c.shown, g.Shown()) << c.what << ", answer " << int(c.given);
    }
}
