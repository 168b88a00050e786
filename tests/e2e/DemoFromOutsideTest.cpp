#include "DemoTest.h"

#include <QDate>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Tarvex::EndToEnd;

namespace {

const QColor CalendarFrame(0x70, 0x96, 0xDC);

QJsonObject DateField(const QJsonObject& State, int Index)
{
    return State[QLatin1String("DateFields")].toArray()[Index].toObject();
}

// The share of the pixels of Area that have exactly the colour Colour.
double Share(const QImage& Picture, const QRect& Area, const QColor& Colour)
{
    const QRect inPicture = Area.intersected(Picture.rect());
    if (inPicture.isEmpty())
        return 0;
    int same = 0;
    for (int y = inPicture.top(); y <= inPicture.bottom(); ++y)
        for (int x = inPicture.left(); x <= inPicture.right(); ++x)
            same += Picture.pixelColor(x, y).rgb() == Colour.rgb();
    return double(same) / (inPicture.width() * inPicture.height());
}

class DemoFromOutside : public DemoTest {
protected:
    QJsonObject ShowPage(const QString& Caption, const QString& Page)
    {
        m_Demo->Click(TabCentre(m_Demo->State(), Caption));
        return m_Demo->WaitForState([&](const QJsonObject& state) { return state[QLatin1String("Page")] == Page; },
            QStringLiteral("the %1 page after a click on the tab \"%2\"").arg(Page, Caption));
    }

    // The drop-down button fills the right end of the field's line; the open field grows to the right
    // and down, its line staying where it was.
    static QPoint DropDownButton(const QJsonObject& ClosedState, int Index)
    {
        const QRect field = RectOf(DateField(ClosedState, Index)[QLatin1String("Rect")]);
        return QPoint(field.right() - 8, field.top() + 8);
    }

    QJsonObject WaitForPanel(int Index, bool Open)
    {
        return m_Demo->WaitForState([&](const QJsonObject& state) { return DateField(state, Index)[QLatin1String("PanelOpen")].toBool() == Open; },
            QStringLiteral("the panel of date field %1 to be %2").arg(Index).arg(Open ? "open" : "closed"));
    }

};

TEST_F(DemoFromOutside, ClickingATabShowsItsPage)
{
    ShowPage(QStringLiteral("Einstellungen"), QStringLiteral("settings"));
    const QRect grid = RectOf(Archive(ShowPage(QStringLiteral("Archiv"), QStringLiteral("archive")))[QLatin1String("Rect")]);
    // Where the archive shows rows, the document page has nothing below its calculator line.
    const QRect lowerHalf(grid.left() + 8, grid.center().y(), grid.width() - 16, grid.height() / 3);
    m_Demo->WaitForShot([&](const QImage& shot) { return !IsPlain(shot, lowerHalf); }, QStringLiteral("the archive's rows"));
    ShowPage(QStringLiteral("Dokument"), QStringLiteral("document"));
    m_Demo->WaitForShot([&](const QImage& shot) { return IsPlain(shot, lowerHalf); }, QStringLiteral("the empty lower half of the document page"));
}

TEST_F(DemoFromOutside, TheCalculatorLineEvaluatesWhatTheUserTypes)
{
    const QJsonObject state = ShowPage(QStringLiteral("Dokument"), QStringLiteral("document"));
    m_Demo->Click(RectOf(state[QLatin1String("Calculator")][QLatin1String("Rect")]).center());
    m_Demo->Type(QStringLiteral("(1+2)*3"));
    m_Demo->Key({ QStringLiteral("Return") });

    const QJsonObject calculator = m_Demo->WaitForState(
        [](const QJsonObject& state) { return !state[QLatin1String("Calculator")][QLatin1String("Result")].toString().isEmpty(); },
        QStringLiteral("a result of the calculator line"))[QLatin1String("Calculator")].toObject();
    EXPECT_EQ(QStringLiteral("(1+2)*3"), calculator[QLatin1String("Input")].toString());
    EXPECT_EQ(QStringLiteral("Ergebnis: 9"), calculator[QLatin1String("Result")].toString());
}

TEST_F(DemoFromOutside, ADateFieldOpensItsCalendarOnTheScreenAndClosesAgain)
{
    const QPoint button = DropDownButton(ShowPage(QStringLiteral("Dokument"), QStringLiteral("document")), 0);
    m_Demo->Click(button);
    // The open field reaches down over the panel, whose frame is its left edge.
    const QRect open = RectOf(DateField(WaitForPanel(0, true), 0)[QLatin1String("Rect")]);
    const QPoint frame(open.left(), open.center().y());
    m_Demo->WaitForShot([&](const QImage& shot) { return shot.pixelColor(frame) == CalendarFrame; }, QStringLiteral("the calendar's frame"));

    m_Demo->Click(button);
    WaitForPanel(0, false);
    m_Demo->WaitForShot([&](const QImage& shot) { return shot.pixelColor(frame) != CalendarFrame; }, QStringLiteral("no calendar frame"));
}

TEST_F(DemoFromOutside, AClickOnADayOfTheOpenCalendarWritesThatDate)
{
    m_Demo->Click(DropDownButton(ShowPage(QStringLiteral("Dokument"), QStringLiteral("document")), 1));
    const QJsonObject field = DateField(WaitForPanel(1, true), 1);
    const QDate shown = QDate::fromString(field[QLatin1String("Text")].toString(), QStringLiteral("dd.MM.yyyy"));
    ASSERT_TRUE(shown.isValid()) << field[QLatin1String("Text")].toString().toStdString();

    // The same weekday a week away, which is always in the shown month and column; the grid starts on Sunday.
    const QDate wanted = shown.addDays(shown.day() + 7 <= shown.daysInMonth() ? 7 : -7);
    const int cell = QDate(wanted.year(), wanted.month(), 1).dayOfWeek() % 7 + wanted.day() - 1;
    // Day cells are 255 twips square, 360 apart across and 240 down, in a day grid that starts 90 twips
    // from the panel's left and 840 below its top, which is 255 twips below the field's.
    const auto pixels = [](int twips) { return twips / 15; };
    const QRect rect = RectOf(field[QLatin1String("Rect")]);
    const QPoint cellTopLeft = rect.topLeft() + QPoint(pixels(90 + 60 + 360 * (cell % 7)), pixels(255 + 840 + 45 + 240 * (cell / 7)));
    const QPoint cellCorner = cellTopLeft + QPoint(1, 1);
    const QColor unselected = m_Demo->Shot().pixelColor(cellCorner);
    m_Demo->Click(cellTopLeft + QPoint(pixels(127), pixels(127)));

    const QString text = wanted.toString(QStringLiteral("dd.MM.yyyy"));
    const QJsonObject state = m_Demo->WaitForState(
        [&](const QJsonObject& state) { return DateField(state, 1)[QLatin1String("Text")] == text; }, QStringLiteral("the delivery date %1").arg(text));
    EXPECT_EQ(QStringLiteral("Zuletzt geändert: Lieferdatum – %1").arg(text), state[QLatin1String("LastDateChange")].toString());
    EXPECT_TRUE(DateField(state, 1)[QLatin1String("PanelOpen")].toBool()) << "a single click leaves the panel open";
    m_Demo->WaitForShot([&](const QImage& shot) { return shot.pixelColor(cellCorner) != unselected; }, QStringLiteral("the clicked day highlighted"));
}

TEST_F(DemoFromOutside, TheArchiveScrollsByItsArrowAndByItsTrack)
{
    const QJsonObject archive = Archive(m_Demo->State());
    ASSERT_EQ(0, archive[QLatin1String("RowFirstVisible")].toInt());
    const QRect grid = RectOf(archive[QLatin1String("Rect")]);
    // The vertical bar runs down the grid's right edge, its down arrow at the bottom.
    const QPoint downArrow(grid.right() - 8, grid.bottom() - 8);
    const QPoint track(grid.right() - 8, grid.center().y());
    // Rows of the first columns in the lower half, clear of the current row and of a partly shown last row.
    const QRect rows(grid.left() + grid.width() / 20, grid.center().y(), grid.width() / 5, grid.height() / 2 - 30);

    const QImage top = m_Demo->Shot();
    m_Demo->Click(downArrow);
    m_Demo->WaitForState([](const QJsonObject& state) { return Archive(state)[QLatin1String("RowFirstVisible")].toInt() == 1; },
        QStringLiteral("the first visible row 1 after a click on the down arrow"));
    const QImage oneDown = m_Demo->WaitForShot([&](const QImage& shot) { return MovedUp(top, shot, rows) > 0; }, QStringLiteral("the rows moved up"));
    const int rowHeight = MovedUp(top, oneDown, rows);

    m_Demo->Click(track);
    const int first = Archive(m_Demo->WaitForState([](const QJsonObject& state) { return Archive(state)[QLatin1String("RowFirstVisible")].toInt() > 1; },
                                  QStringLiteral("a page further down after a click on the track")))[QLatin1String("RowFirstVisible")]
                          .toInt();
    m_Demo->WaitForShot([&](const QImage& shot) { return MovedUp(oneDown, shot, rows) == (first - 1) * rowHeight; },
        QStringLiteral("the rows moved up by %1 more rows").arg(first - 1));
}

// Each notch of the wheel (X's button 5) over the rows scrolls three rows: the state says so, and
// the picture moves up by the same height for each notch.
TEST_F(DemoFromOutside, EachWheelNotchOverTheArchiveScrollsThreeRows)
{
    const QJsonObject archive = Archive(m_Demo->State());
    ASSERT_EQ(0, archive[QLatin1String("RowFirstVisible")].toInt());
    const QRect grid = RectOf(archive[QLatin1String("Rect")]);
    const QRect rows(grid.left() + grid.width() / 20, grid.center().y(), grid.width() / 5, grid.height() / 2 - 30);
    const QImage top = m_Demo->Shot();
    m_Demo->MoveTo(rows.center());

    const auto notchDown = [&](int First, const QImage& Before) {
        m_Demo->Press(5);
        m_Demo->Release(5);
        m_Demo->WaitForState([First](const QJsonObject& state) { return Archive(state)[QLatin1String("RowFirstVisible")].toInt() == First; },
            QStringLiteral("the first visible row %1 after a notch of the wheel").arg(First));
        return m_Demo->WaitForShot([&](const QImage& shot) { return MovedUp(Before, shot, rows) > 0; },
            QStringLiteral("the rows moved up after a notch to row %1").arg(First));
    };
    const QImage threeDown = notchDown(3, top);
    const QImage sixDown = notchDown(6, threeDown);
    const int threeRows = MovedUp(top, threeDown, rows);
    EXPECT_EQ(threeRows, MovedUp(threeDown, sixDown, rows));
    EXPECT_GE(threeRows, 3 * 10); // three rows of text, not a few pixels
}

// The archive worked from the keyboard alone, once a click gave it the focus: moving and paging, a
// customer found by typing, a cell edited with F2 and committed with Enter, an edit dropped with
// Escape, a document inserted, and one deleted after the question was answered in its message box.
TEST_F(DemoFromOutside, TheArchiveIsWorkedFromTheKeyboard)
{
    const auto archive = [this](const std::function<bool(const QJsonObject&)>& Wanted, const QString& Description) {
        return Archive(m_Demo->WaitForState([&](const QJsonObject& state) { return Wanted(Archive(state)); }, Description));
    };
    const auto number = [](const QJsonObject& Grid, const char* Name) { return Grid[QLatin1String(Name)].toInt(); };
    const auto text = [](const QJsonObject& Grid) { return Grid[QLatin1String("CellText")].toString(); };
    const QJsonObject start = Archive(m_Demo->State());
    const QRect grid = RectOf(start[QLatin1String("Rect")]);
    const int rows = number(start, "Rows");
    const QRect lines(grid.left() + grid.width() / 20, grid.center().y(), grid.width() / 5, grid.height() / 2 - 30);
    // The caption bar: it takes the focus and leaves the current row alone.
    m_Demo->Click(QPoint(grid.center().x(), grid.top() + 6));

    m_Demo->Key({ QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down") });
    archive([&](const QJsonObject& g) { return number(g, "Row") == 3; }, QStringLiteral("row 3 after three Down keys"));
    const QImage top = m_Demo->Shot();
    m_Demo->Key({ QStringLiteral("Next") });
    const QJsonObject paged = archive([&](const QJsonObject& g) { return number(g, "RowFirstVisible") > 3; },
        QStringLiteral("the next page after Page Down"));
    EXPECT_EQ(3, number(paged, "Row"));
    // A page moves farther than the band shows, so the band only shows other rows.
    m_Demo->WaitForShot([&](const QImage& shot) { return shot.copy(lines) != top.copy(lines); }, QStringLiteral("the next page's rows"));

    m_Demo->Key({ QStringLiteral("Right"), QStringLiteral("Right"), QStringLiteral("Right") });
    archive([&](const QJsonObject& g) { return number(g, "Col") == 3; }, QStringLiteral("the customer column"));
    m_Demo->Type(QStringLiteral("we"));
    archive([&](const QJsonObject& g) { return text(g).startsWith(QStringLiteral("Weingut")); }, QStringLiteral("a customer starting with We"));
    QThread::msleep(1200);
    m_Demo->Type(QStringLiteral("sch"));
    const QJsonObject found = archive([&](const QJsonObject& g) { return text(g).startsWith(QStringLiteral("Schreinerei")); },
        QStringLiteral("a customer starting with Sch after a pause"));
    const int row = number(found, "Row");

    m_Demo->Key({ QStringLiteral("F2") });
    archive([&](const QJsonObject& g) { return g[QLatin1String("EditPending")].toBool(); }, QStringLiteral("the editor open after F2"));
    m_Demo->Type(QStringLiteral("Zorn GmbH"));
    m_Demo->Key({ QStringLiteral("Return") });
    const QJsonObject edited = archive([&](const QJsonObject& g) { return !g[QLatin1String("EditPending")].toBool(); },
        QStringLiteral("the edit committed by Enter"));
    EXPECT_EQ(QStringLiteral("Zorn GmbH"), text(edited));
    EXPECT_EQ(row, number(edited, "Row"));

    m_Demo->Key({ QStringLiteral("F2") });
    archive([&](const QJsonObject& g) { return g[QLatin1String("EditPending")].toBool(); }, QStringLiteral("the editor open again"));
    m_Demo->Type(QStringLiteral("Nix"));
    m_Demo->Key({ QStringLiteral("Escape") });
    EXPECT_EQ(QStringLiteral("Zorn GmbH"), text(archive([&](const QJsonObject& g) { return !g[QLatin1String("EditPending")].toBool(); },
        QStringLiteral("the edit dropped by Escape"))));

    m_Demo->Key({ QStringLiteral("Insert") });
    const QJsonObject inserted = archive([&](const QJsonObject& g) { return number(g, "Rows") == rows + 1; },
        QStringLiteral("a document inserted"));
    EXPECT_EQ(row, number(inserted, "Row"));
    EXPECT_EQ(QString(), text(inserted));

    m_Demo->Key({ QStringLiteral("Delete") });
    m_Demo->Answer(QStringLiteral("Archiv"), { QStringLiteral("Return") });
    const QJsonObject deleted = archive([&](const QJsonObject& g) { return number(g, "Rows") == rows; },
        QStringLiteral("the inserted document deleted after the question"));
    EXPECT_EQ(QStringLiteral("Zorn GmbH"), text(deleted));
}

// The page shown gives its first control the focus, as a form gives its first control: the archive's
// list answers its keys from the start, and again once its tab is picked after another page's.
TEST_F(DemoFromOutside, TheArchivesListHasTheKeyboardFromTheStartAndWhenItsTabIsPicked)
{
    const auto row = [](const QJsonObject& state) { return Archive(state)[QLatin1String("Row")].toInt(); };
    const QJsonObject start = m_Demo->State();
    EXPECT_EQ(QStringLiteral("RuzuZiri1"), start[QLatin1String("Focus")].toString());
    const int first = row(start);
    m_Demo->Key({ QStringLiteral("Down") });
    m_Demo->WaitForState([&](const QJsonObject& state) { return row(state) == first + 1; }, QStringLiteral("the next row after Down at start"));

    ShowPage(QStringLiteral("Einstellungen"), QStringLiteral("settings"));
    ShowPage(QStringLiteral("Archiv"), QStringLiteral("archive"));
    m_Demo->Key({ QStringLiteral("Down") });
    m_Demo->WaitForState([&](const QJsonObject& state) { return row(state) == first + 2; },
        QStringLiteral("the next row after Down once the archive's tab was picked again"));
}

// The Delete question speaks the interface's language, its buttons too: "Nein", picked by its letter,
// keeps the document.
TEST_F(DemoFromOutside, TheDeleteQuestionAndItsButtonsSpeakGerman)
{
    const QJsonObject start = Archive(m_Demo->State());
    const QRect grid = RectOf(start[QLatin1String("Rect")]);
    m_Demo->Click(QPoint(grid.center().x(), grid.top() + 6));
    m_Demo->Key({ QStringLiteral("Delete") });
    const QJsonObject dialog = m_Demo->WaitForState([](const QJsonObject& state) { return state[QLatin1String("Dialog")][QLatin1String("Shown")].toBool(); },
        QStringLiteral("the question after Delete"))[QLatin1String("Dialog")].toObject();
    EXPECT_EQ(QStringLiteral("Archiv"), dialog[QLatin1String("Title")].toString());
    EXPECT_EQ(QStringLiteral("Dieses Dokument aus dem Archiv löschen?"), dialog[QLatin1String("Text")].toString());
    EXPECT_EQ(QJsonArray({ QStringLiteral("&Ja"), QStringLiteral("&Nein") }), dialog[QLatin1String("Buttons")].toArray());

    m_Demo->Answer(QStringLiteral("Archiv"), { QStringLiteral("alt+n") });
    const QJsonObject answered = m_Demo->WaitForState([](const QJsonObject& state) { return !state[QLatin1String("Dialog")][QLatin1String("Shown")].toBool(); },
        QStringLiteral("the question answered with Nein"));
    EXPECT_EQ(start[QLatin1String("Rows")].toInt(), Archive(answered)[QLatin1String("Rows")].toInt());
}

// The archive's geometry as the pointer finds it: the grid reports where it saw the pointer and the
// cell under it, so the header row and the column borders are found by moving there, as a user's
// eye would find them.
class ArchiveByMouse : public DemoFromOutside {
protected:
    void SetUp() override
    {
        DemoFromOutside::SetUp();
        if (!m_Demo)
            return;
        const QJsonObject archive = Archive(m_Demo->State());
        m_Grid = RectOf(archive[QLatin1String("Rect")]);
        FindGridOrigin();
        // The first row starts one pixel below the header row.
        m_FirstRowTop = Search(m_Grid.height() / 2, [&](int y) { return Point(Window(40, y))[QLatin1String("MouseRow")].toInt() >= 0; });
        // A column's span reaches 4 pixels past its right border.
        const int second = Search(m_Grid.width() / 2, [&](int x) { return Point(Window(x, m_FirstRowTop + 4))[QLatin1String("MouseCol")].toInt() != 0; });
        m_RowNumbers = second - 5 - Width(archive, 0);
    }

    // The state once the grid has seen the pointer at Where, in window pixels.
    QJsonObject Point(QPoint Where) { return SeenAt(Where - m_Origin); }
    // The least value in 0..Limit for which Holds is true, Holds being false below it and true above.
    static int Search(int Limit, const std::function<bool(int)>& Holds)
    {
        int low = 0;
        int high = Limit;
        while (low < high) {
            const int middle = (low + high) / 2;
            if (Holds(middle))
                high = middle;
            else
                low = middle + 1;
        }
        return low;
    }
    QPoint Window(int X, int Y) const { return m_Origin + QPoint(X, Y); }
    static int Width(const QJsonObject& Archive, int Column)
    {
        return qRound(Archive[QLatin1String("ColWidths")].toArray()[Column].toDouble() / 15);
    }
    // The right border of the column shown at Position, in the grid's pixels.
    int Border(const QJsonObject& Archive, int Position) const
    {
        int x = m_RowNumbers;
        for (int p = 0; p <= Position; ++p)
            x += Width(Archive, Archive[QLatin1String("ColOrder")].toArray()[p].toInt());
        return x;
    }
    QPoint Header(const QJsonObject& Archive, int Position) const
    {
        const int left = Position == 0 ? m_RowNumbers : Border(Archive, Position - 1);
        return Window((left + Border(Archive, Position)) / 2, m_FirstRowTop - 8);
    }
    void Drag(QPoint From, QPoint To)
    {
        Point(From);
        m_Demo->Press();
        Point((From + To) / 2);
        Point(To);
        m_Demo->Release();
    }
    QImage Band(const QImage& Shot, int Left, int Right, int Top, int Bottom) const
    {
        return Shot.copy(QRect(Window(Left, Top), Window(Right, Bottom)));
    }

    QRect m_Grid;          // the grid in the window
    int m_FirstRowTop { 0 };
    int m_RowNumbers { 0 }; // width of the row-number strip
};

TEST_F(ArchiveByMouse, AHeaderClickSortsAndShowsTheArrow)
{
    const QJsonObject archive = Archive(m_Demo->State());
    const int right = Border(archive, 6);
    const QImage before = m_Demo->Shot();
    m_Demo->Click(Header(archive, 6));
    const QJsonObject sorted = Archive(m_Demo->WaitForState([](const QJsonObject& state) { return Archive(state)[QLatin1String("SortCol")].toInt() == 6; },
        QStringLiteral("the gross amounts sorted by a click on their header")));
    EXPECT_EQ(2, sorted[QLatin1String("SortOrder")].toInt()); // smallest first
    // The arrow sits 12 pixels left of the header cell's right border.
    m_Demo->WaitForShot([&](const QImage& shot) { return Band(shot, right - 13, right - 2, m_FirstRowTop - 22, m_FirstRowTop - 2) != Band(before, right - 13, right - 2, m_FirstRowTop - 22, m_FirstRowTop - 2); },
        QStringLiteral("the sort arrow in the gross header"));
}

TEST_F(ArchiveByMouse, AHeaderDraggedOntoAnotherMovesItsColumnThere)
{
    const QJsonObject archive = Archive(m_Demo->State());
    const QImage before = m_Demo->Shot();
    Drag(Header(archive, 1), Header(archive, 3));
    const QJsonObject moved = Archive(m_Demo->WaitForState(
        [](const QJsonObject& state) { return Archive(state)[QLatin1String("ColOrder")].toArray()[3].toInt() == 1; },
        QStringLiteral("the kind column at position 3 after a drag of its header")));
    EXPECT_EQ(QJsonArray({ 0, 2, 3, 1, 4, 5, 6, 7 }), moved[QLatin1String("ColOrder")].toArray());
    const int left = Border(archive, 0);
    m_Demo->WaitForShot([&](const QImage& shot) { return Band(shot, left + 2, left + 40, m_FirstRowTop - 20, m_FirstRowTop - 4) != Band(before, left + 2, left + 40, m_FirstRowTop - 20, m_FirstRowTop - 4); },
        QStringLiteral("another heading at position 1"));
}

TEST_F(ArchiveByMouse, ABorderDraggedResizesItsColumnAndARestOnACutTextShowsTheTip)
{
    const QJsonObject archive = Archive(m_Demo->State());
    const int border = Border(archive, 4); // the city's
    const int width = Width(archive, 4);
    const QImage before = m_Demo->Shot();
    Drag(Window(border, m_FirstRowTop - 8), Window(border - (width - 20), m_FirstRowTop - 8));
    const QJsonObject narrowed = Archive(m_Demo->WaitForState(
        [](const QJsonObject& state) { return qRound(Archive(state)[QLatin1String("ColWidths")].toArray()[4].toDouble()) == 300; },
        QStringLiteral("the city column 20 pixels wide after a drag of its border")));
    // The net amounts now start where the city's right half was.
    m_Demo->WaitForShot([&](const QImage& shot) { return Band(shot, border - 20, border, m_FirstRowTop, m_FirstRowTop + 60) != Band(before, border - 20, border, m_FirstRowTop, m_FirstRowTop + 60); },
        QStringLiteral("the rows laid out anew"));

    // Off the rows first: a tip waits for a pointer that rests, from its first entry into a cell.
    const QJsonObject offRows = Point(Window(border - (width - 20) - 10, m_FirstRowTop - 8));
    const QImage plain = m_Demo->Shot();
    Point(Window(border - (width - 20) - 10, m_FirstRowTop + 30));
    const QJsonObject tip = Archive(m_Demo->WaitForState([](const QJsonObject& state) { return Archive(state)[QLatin1String("Tip")][QLatin1String("Shown")].toBool(); },
        QStringLiteral("the tip of a city the narrowed column cuts")))[QLatin1String("Tip")].toObject();
    const QRect shown = RectOf(tip[QLatin1String("Rect")]);
    EXPECT_GT(shown.width(), 20); // the whole name, wider than its column
    // In the picture of the window the tip stands over the cells: its fill where they were, and its text.
    const QColor back(tip[QLatin1String("Back")].toString());
    const QRect inside = shown.adjusted(2, 2, -2, -2).intersected(m_Grid);
    const auto tipShows = [&](const QImage& shot) { return Share(shot, inside, back) > 0.5 && Share(shot, inside, back) < 0.99; };
    EXPECT_LT(Share(plain, inside, back), 0.1);
    m_Demo->WaitForShot(tipShows, QStringLiteral("the tip's fill and text on the screen"));

    // The tip takes no pointer: while the pointer rests, the grid hears it neither leave nor come
    // again, and the tip stays.
    for (int look = 0; look < 10; ++look) {
        QThread::msleep(100);
        const QJsonObject resting = Archive(m_Demo->State());
        ASSERT_TRUE(resting[QLatin1String("Tip")][QLatin1String("Shown")].toBool()) << "after " << look * 100 << " ms more";
        EXPECT_EQ(offRows[QLatin1String("MouseLeaves")].toInt(), resting[QLatin1String("MouseLeaves")].toInt());
        EXPECT_EQ(offRows[QLatin1String("MouseEnters")].toInt(), resting[QLatin1String("MouseEnters")].toInt());
    }
    EXPECT_TRUE(tipShows(m_Demo->Shot()));

    // Going from the rest out of the grid is one leave, as any leave is, and takes the tip along.
    const int leaves = offRows[QLatin1String("MouseLeaves")].toInt();
    m_Demo->MoveTo(QPoint(m_Grid.left() + 40, m_Grid.bottom() + 12));
    const QJsonObject left = Archive(m_Demo->WaitForState([&](const QJsonObject& state) {
        return Archive(state)[QLatin1String("MouseLeaves")].toInt() > leaves && !Archive(state)[QLatin1String("Tip")][QLatin1String("Shown")].toBool();
    }, QStringLiteral("the pointer gone from the grid, and the tip with it")));
    QThread::msleep(200);
    EXPECT_EQ(leaves + 1, Archive(m_Demo->State())[QLatin1String("MouseLeaves")].toInt());
    EXPECT_EQ(offRows[QLatin1String("MouseEnters")].toInt(), left[QLatin1String("MouseEnters")].toInt());
    Q_UNUSED(narrowed);
}

} // namespace
