#pragma once

#include "grid/api/GridSettings.h"
#include "grid/api/SortState.h"
#include "grid/editor/EditorState.h"
#include "grid/input/InputState.h"
#include "grid/input/TipState.h"
#include "grid/layout/GridLayout.h"
#include "grid/layout/GridMetrics.h"
#include "grid/model/SortingEngine.h"
#include "grid/paint/PaintState.h"
#include "grid/scroll/ScrollBarState.h"
#include "grid/selection/CurrentCellState.h"
#include "platform/KeyEvents.h"

#include <tarvex/grid/model/GridModel.h>
#include <tarvex/grid/RuzuZiri.h>
#include <tarvex/platform/Canvas.h>
#include <tarvex/platform/DoEvents.h>
#include <tarvex/platform/MessageHook.h>
#include <tarvex/platform/Rect.h>

#include <QClipboard>
#include <QFont>
#include <QPoint>
#include <QString>
#include <QVariant>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

class QContextMenuEvent;
class QDropEvent;
class QInputMethodEvent;
class QKeyEvent;
class QMimeData;
class QMouseEvent;
class QWheelEvent;

namespace Tarvex {

struct CellSpot;
struct KeyMove;
struct PaintPass;

// What a property write does after storing the value and naming its change.
enum class After { Store, Repaint, Refresh, Metrics };

// Whether a column property's write repaints the grid.
enum class ColumnChange { StoreOnly, Repaint };

// How the host answered an event it may cancel.
enum class HostAnswer {
    Proceed, // not cancelled, and what the caller works on stands as it was
    Refused, // a handler set Cancel
    Changed, // a handler changed what the caller works on: the caller ends its own steps, whatever Cancel says
    Gone,    // a handler deleted the grid: the caller returns at once, touching nothing of it
};

// The insides of a grid: its records, the state of each part, and the helpers, each defined in
// the folder of its part (src/grid/README.md). Rows are display positions and columns display
// positions unless named column numbers.
class RuzuZiriPrivate {
public:
    explicit RuzuZiriPrivate(RuzuZiri* Owner);
    RuzuZiriPrivate(const RuzuZiriPrivate&) = delete;
    RuzuZiriPrivate& operator=(const RuzuZiriPrivate&) = delete;

    RuzuZiri* const q; // the public object: its events, its window, its public members

    // The private side of a grid, for tests and diagnostics that check the records and the layout.
    static RuzuZiriPrivate& Of(RuzuZiri& Grid) { return *Grid.d; }
    static const RuzuZiriPrivate& Of(const RuzuZiri& Grid) { return *Grid.d; }

    // The retained picture of the control surface, as every painting helper draws on it.
    Canvas Drawing() { return q->Drawing(); }

    GridModel m_Model;                    // records, order maps, formats, totals
    GridSettings m_Settings;              // the properties' backing fields
    GridLayoutState m_Geometry;           // metrics and the laid-out columns and rows
    PaintState m_Painter;                 // painting on or off, what is owed, what the picture shows
    ScrollBarState m_Bars;                // the two scroll bars
    CurrentCellState m_Current;           // the current cell and its holds
    SortState m_Sort;                     // what the rows were sorted by
    InputState m_Input;                   // the mouse's state, the type-ahead, the pointer's visits
    EditorState m_Edit;                   // the in-place editor and the cell it edits
    TipState m_Tip;                       // the hover tip
    bool m_CellsChanged { false };        // a cell's Changed bit was set since the last Clear
    NoticesUnderWay m_Notices;            // property notices whose handlers run now
    bool m_Destroying { false };          // set by the destructor: no paint starts and nothing waits on
                                          //   pending events any more
    MessageHook m_Hook { QStringLiteral("RuzuZiri") }; // the grid's window messages, in run mode
    bool m_Subclassed { false };          // m_Hook has the grid's window (AttachMessageHook, DetachMessageHook)

    // ---- Shared helpers ----------------------------------------------------------------------
    // Where pixel (0, 0) of the picture lies in the widget: inside the window's border. Qt event
    // positions and child widgets are shifted by it.
    QPoint ClientOrigin() const { return q->contentsRect().topLeft(); }
    bool CanEdit() const { return m_Settings.m_AllowEdit && m_Model.LastRow() >= 0; }
    bool HasImages(bool Ignore) const { return m_Geometry.m_Metrics.ImageWidth > 3 && !Ignore; }
    int ImageIndexOfKey(const QString& Key) const; // 0 without an image list or such a key
    // Suspensions nest: painting resumes with the last of them, so that a commit inside a key's
    // action does not paint in the middle of it, and the key paints once.
    void EnablePaint(bool On)
    {
        m_Painter.m_PaintHeld = On ? std::max(m_Painter.m_PaintHeld - 1, 0) : m_Painter.m_PaintHeld + 1;
        m_Painter.m_Paint = m_Painter.m_Redraw && m_Painter.m_PaintHeld == 0;
    }
    // Grows with every change of rows, columns, display order or current cell. An operation that
    // raised an event compares it with what it saw before: a handler may have called any member.
    quint64 Changes() const { return m_Model.Revision() + m_Current.m_CellMoves; }
    // Raises one of the grid's events. False when a handler deleted the grid: the caller returns at
    // once then, touching nothing of it.
    template <typename... Params, typename... Args>
    bool Raise(void (RuzuZiri::*Event)(Params...), Args&&... Arguments)
    {
        const Lifeline self(q);
        (q->*Event)(std::forward<Args>(Arguments)...);
        return self.Alive();
    }
    // Raises KeyPress or EditKeyPress, whose last argument is the typed character as KeyAscii: what
    // the host leaves there is the character typed from then on.
    template <typename... Params, typename... Args>
    bool RaiseTyped(void (RuzuZiri::*Event)(Params...), TypedChar& Typed, Args... Leading)
    {
        qint16 keyAscii = Typed.KeyAscii();
        if (!Raise(Event, Leading..., keyAscii))
            return false;
        Typed = TypedChar::FromKeyAscii(keyAscii);
        return true;
    }
    // Raises an event whose last argument is its Cancel flag. What counts as changed is the caller's
    // to say: StillAsItWas is asked after the handlers ran, while the grid stands.
    template <typename StillAsItWas, typename... Params, typename... Args>
    HostAnswer AskHost(const StillAsItWas& Unchanged, void (RuzuZiri::*Event)(Params...), Args&&... Arguments)
    {
        bool cancel = false;
        if (!Raise(Event, std::forward<Args>(Arguments)..., cancel))
            return HostAnswer::Gone;
        if (!Unchanged())
            return HostAnswer::Changed;
        return cancel ? HostAnswer::Refused : HostAnswer::Proceed;
    }
    // The usual measure for AskHost: no row, column, display order or current cell changed since now.
    auto UnchangedSince() const
    {
        return [this, seen = Changes()] { return Changes() == seen; };
    }
    bool MoveCurrentCell(int Row, int Col, bool DoScroll);
    bool FixRef(int& vRow, int& vCol) const;
    // FixRef for a write: a row past the last is refused instead of read as the last one.
    bool FixWriteRef(int& vRow, int& vCol) const;
    bool FixRange(int& RowTo, int& ColTo) const;
    bool IsRange(int RowFrom, int RowTo, int ColFrom, int ColTo) const;
    // Valid until a text of the cell's row is written (the row's block is rebuilt then).
    const udtCell* CellRef(int& vRow, int& vCol) const;
    CellLook ControlLook() const;
    void ApplyCellFormat(int vRow, int vCol, int Code, const QVariant& Value);
    bool CellFlagBit(int vRow, int vCol, qint32 Mask) const;
    void CellFlagBit(int vRow, int vCol, qint32 Mask, bool On);
    bool RowFlagBit(int vRow, qint32 Mask) const;
    void EachCellOfRow(int vRow, const std::function<void(int Row, int Col)>& Change);
    void RowFlagBit(int vRow, qint32 Mask, bool On);
    void SetCellChanged(int vRow, int vCol, bool On);
    void SetCellTextAndValue(int vRow, int vCol, const QString& Text);
    // The row the Up and Down keys of the keyboard input move to.
    int FindUnlockedRow(bool Backwards) const;
    void AutoSizeColumn(int Col);
    qint32 PixelsFromScaleUnits(float Width) const;
    template <typename Field>
    Field ColumnField(int vCol, Field udtColumn::*Member) const;
    template <typename Field, typename Value>
    void ColumnField(int vCol, Field udtColumn::*Member, const Value& New_Value, ColumnChange Change);

    // ---- Sorting (Sorting.cpp) -----------------------------------------------------------------
    // Each typed sort puts display positions First..Last in the order of the column's keys.
    bool SortRows(int First, int Last, int Col, qint16 Order);
    void SortRowsType3(int First, int Last, int Col, qint16 Order);
    void SortRowsDate(int First, int Last, int Col, qint16 Order);
    void SortRowsNumeric(int First, int Last, int Col, qint16 Order);
    bool SortRowsCustom(int First, int Last, int Col, qint16 Order);
    void SortRowsText(int First, int Last, int Col, qint16 Order);
    bool SortSubRanges();
    void SortRowsByKeys(int First, int Last, qint16 Order, const std::vector<double>& Keys);
    const std::vector<double>& SortKeys(int Col, const std::function<std::vector<double>()>& Build);
    SortingEngine::TextOfRecord SortTexts(int Col) const;
    bool TakeSortColumns(int vCol1, int vCol2);

    // ---- Scroll bars ---------------------------------------------------------------------------
    // Bar 0 is the horizontal bar, 1 the vertical one. Each keeps the platform's record: the range
    // maximum is the value SBSetMax was given plus the page, and positions stop at that maximum less
    // the page plus 1 (scroll/ScrollBars.cpp).
    void AttachScrollBars();
    void SBAttach(QWidget* hWnd);
    void FlatSBInit();
    void FlatSBTerm();
    ScrollInfo SBGetInfo(int Bar) const;
    void SBSetInfo(int Bar, const ScrollInfo& Info);
    void SBSetStyle(int Style);
    int SBGetPos(int Bar) const;
    void SBSetPos(int Bar, int Position);
    int SBGetMin(int Bar) const;
    int SBGetMax(int Bar) const;
    void SBSetMax(int Bar, int Value);
    void SBSetRange(int Bar, int Value);
    bool SBVisible(int Bar) const;
    void SBShow(int Bar, bool Show);
    void LayoutScrollBars();
    void ShowScrollBarLook();
    // A scroll request of the platform's numbering (0 line up ... 8 end of scroll) on a bar, as the
    // bar's own actions and the mouse wheel send them to the window-message hook (scroll/ScrollRequests.cpp).
    void ScrollRequest(int Bar, int Request, bool Wheel);
    int ScrollTarget(int Bar, int Request, bool Wheel);
    int NavigableFromScrollPosition(int Bar, bool Down, bool Wheel);
    void OnScrollBarAction(int Bar, int Action);
    void SendScrollRequest(int Bar, int Request);
    void WhileScrollBarWaits(int Bar, const std::function<void()>& Handle);
    void WheelOverScrollBar(int Bar, const QWheelEvent& Wheel);
    void ReleaseWaitingScrollBars();
    void DragAutoScroll(qint16& Direction);
    void AutoScrollPass();
    void StopAutoScroll();
    // What one pass of the drag auto-scroll changed; a pass that changed nothing raises nothing.
    struct AutoScrollChange {
        bool Scrolled { false };
        bool Moved { false };
        bool Selected { false };
        bool Any() const { return Scrolled || Moved || Selected; }
    };
    AutoScrollChange AutoScrollStep(qint16 Direction);

    // ---- Window-message hook (input/MessageCallback.cpp) ----------------------------------------
    // Focus, the pointer's coming and going, the scroll bars' requests, the wheel and changes of the
    // application's look reach the grid as window messages, each after the grid's own handling.
    void AttachMessageHook();
    void DetachMessageHook();
    void zSubclassCallback(bool bBefore, bool& bHandled, qintptr& lReturn, QWidget* lng_hWnd, int uMsg,
                           quintptr wParam, qintptr lParam, qintptr& lParamUser);
    void FocusRepaint(bool NoFocus);
    void LoseFocus();
    void MouseEntered();
    void MouseLeft();
    void ThemeChangedMessage();
    void TrackMouseLeave(QWidget* hWnd);

    // ---- Hover tip (input/HoverTip.cpp) -------------------------------------------------------
    // A cell text cut by its column shows whole in picToolTip once the pointer rested on the cells.
    void CellTipTimer(int Row, int Col);
    // A press, a move off the rows or the pointer leaving ends a running wait without a tip.
    void CancelTip();
    void TipWaitTick();
    void ShowCellTip(int Row, int Col);
    QString TipText(int Row, int Col) const;
    bool PointerStillOn(int Row, int Col) const;
    void HideTip();
    void WatchTipPlace(bool On);
    void EndTip();

    // ---- Navigation (selection/Navigation.cpp) ----------------------------------------------------
    // Display positions the current cell may move to next; the callers move it.
    int NextNavigableRow(int Step, qint16 IgnoreMask) const;
    int PrevNavigableRow(int Step, qint16 IgnoreMask) const;
    int NextNavigableCol(bool FromStart) const;
    int PrevNavigableCol(bool FromEnd) const;
    bool IsNavigableRow(int Position, qint16 IgnoreMask) const;
    bool IsNavigableCol(int Position) const;

    // ---- Export and column arrangement --------------------------------------------------------
    void OpenExportedFile(const QString& Path);

    // ---- In-place editor (editor/CellEditor.cpp, editor/EditorCommit.cpp, editor/EditorInput.cpp,
    //      editor/BoundEditor.cpp) --------------------------------------------------------------
    // Each returns, or stops, at once when a handler deleted the grid; BeginOrCommitEdit and
    // txtEdit_KeyPress answer false then.
    void CreateCellEditor();
    void OpenCellEditor(int Row, int Col);
    void PositionEditor();
    bool BeginOrCommitEdit(bool bAllowMove);
    // Hides the open editor, puts a bound control back where it came from and hands the keyboard
    // focus back to the grid when the editor had it. The keyboard's Escape drops an edit with it.
    // False when a focus handler deleted the grid.
    bool CloseCellEditor();
    // After rows were removed; false when the grid was deleted on the way.
    bool FollowEditAfterRemoval();
    bool EditorHasFocus() const;
    // The character filter of the column being edited, then EditKeyPress; none left = swallowed.
    bool txtEdit_KeyPress(TypedChar& Typed);
    void txtEdit_DblClick();
    void EditorKey(QKeyEvent& Key);
    void TypeInEditor(TypedChar Typed);
    // Text typed otherwise than one character by one key (editor/EditorPaste.cpp): each returns true
    // when it took the event, and leaves at once when a handler deleted the grid.
    bool FilterTyped(QStringView Text, QString& Kept);
    bool TypeKeyText(const QKeyEvent& Key);
    bool PasteKey(const QKeyEvent& Key);
    void PasteInEditor(QClipboard::Mode Mode);
    bool DropInEditor(QDropEvent& Drop);
    bool ComposeInEditor(QInputMethodEvent& Compose);
    void EditorMenu(const QContextMenuEvent& Event);
    bool MiddleClickPaste(const QMouseEvent& Release);
    CellToEdit HoldCellToEdit(int Row, int Col);
    bool StillToEdit(const CellToEdit& Cell) const;
    // Brings m_EditRow and m_EditCol to where the edited cell shows now; false when its row is gone.
    bool FindEditedCell();
    // An edit whose row is gone closes; false, as nothing of it can be stored.
    bool DropLostEdit();
    int EditColumn() const;
    void ShowTextEditor();
    void ShowBoundEditor();
    void PlaceBoundEditor(const Rect& Extent, int Top, int Height);
    void HideBoundEditor();
    // The editors take the size of the grid's font, also when it changes under an open edit.
    QFont EditorFontSize(QFont Font) const;
    void ColorEditor(QWidget& Editor) const;
    // False when the edited row is gone.
    bool StoreEdit(QString Value);
    void CommitOnFocusLoss();
    bool MoveAfterEdit();

    // ---- Keyboard and mouse input (input/Keyboard.cpp, input/KeyNavigation.cpp, input/KeyEdits.cpp,
    //      input/TypeAhead.cpp, input/mouse/Mouse.cpp) ---------------------------------------------------
    // The keys that move, page, end or drop an edit reach the key-down handling from the open editor
    // too; the rest are the text box's. Typed is the key's character, which the key-press handling
    // may change or clear before the editor's filter sees it. True when the grid consumed the key:
    // the editor then does nothing with it.
    bool EditorKeyDown(QKeyEvent& Key, TypedChar& Typed);
    void EditorKeyUp(QKeyEvent& Key);
    void EditorFocusOut(Qt::FocusReason Reason);
    // Each returns false when a handler deleted the grid. A consumed key has its code set to None.
    bool UserControl_KeyDown(KeyCode& Key, qint16& Shift);
    bool UserControl_KeyPress(TypedChar& Typed);
    bool UserControl_KeyUp(KeyCode Key, qint16& Shift);
    bool ActOnKey(KeyCode& Key, qint16 Shift, KeyMove& Move);
    // Every key, press and scroll that sets m_EditKey goes through here: it also tells the painter
    // whether to keep the current row in view.
    void RememberKey(KeyCode Key);
    void ResumePaint(KeyMove& Move);
    bool FollowKey(bool Consumed, KeyMove& Move);
    bool CommitForKey();
    bool EditForKey(KeyCode& Key, bool bAllowMove);
    bool KeyUpDown(KeyCode& Key, qint16 Shift, KeyMove& Move);
    bool KeyLeftRight(KeyCode& Key, KeyMove& Move);
    bool KeyPage(KeyCode& Key, KeyMove& Move);
    bool KeyHomeEnd(KeyCode& Key, qint16 Shift, KeyMove& Move);
    bool KeySelectToEdge(bool Home);
    bool KeyEnterEscape(KeyCode& Key, KeyMove& Move);
    bool KeyF2(KeyCode& Key);
    bool KeyInsert(KeyCode& Key, KeyMove& Move);
    bool KeyDelete(KeyCode& Key, KeyMove& Move);
    bool DeleteCurrentRow(KeyMove& Move);
    bool DeleteCellText(KeyMove& Move);
    bool KeySpace(KeyCode& Key, KeyMove& Move);
    bool ToggleCheckCell(KeyCode& Key, KeyMove& Move);
    bool KeyCtrlCombo(KeyCode& Key, qint16 Shift, KeyMove& Move);
    bool TypeToEdit(TypedChar& Typed);
    bool TypeAhead(TypedChar Typed);
    // Stores a check-box cell's state with its text, as the host's CellChecked does, without a repaint.
    void StoreCellChecked(int vRow, int vCol, bool Checked);

    // ---- Mouse input (input/mouse/Mouse.cpp, input/mouse/MousePress.cpp, input/mouse/MouseMove.cpp, input/mouse/MouseRelease.cpp) --
    // X and Y are pixels of the picture. Each handler returns at once when a handler of an event it
    // raised, or a queued call run by a paint, deleted the grid; one that changed the rows, the columns
    // or the current cell ends the handler's own steps there.
    void AttachMouse();
    ClickSequence& Clicks();
    void UserControl_MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void UserControl_MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void UserControl_MouseUp(qint16 Button, qint16 Shift, float X, float Y);
    void UserControl_Click();
    void UserControl_DblClick();
    void UserControl_OLEDragDrop(const QMimeData& Data, float X, float Y);
    bool RaiseMouseEvent(void (RuzuZiri::*Event)(qint16&, qint16&, float&, float&), qint16 Button, qint16 Shift,
                         float X, float Y);
    void SetMouseState(MouseState New_State);
    // What a press started, handed to its release; the press's own fields are cleared on the way.
    struct MousePress {
        MouseState State { MouseState::None };
        int DownCol { -1 };
        int SwapCol { -1 };
        int DragCol { -1 };
        int SizeCol { -1 };
        bool Pending() const { return State != MouseState::None || DownCol != -1; }
    };
    MousePress EndPress();
    // Ends a press whose release the grid will not see (hidden, blocked by a modal window, the grab
    // taken away): nothing stays half-moved, the pointer shows its default shape again.
    void LoseMouseAction();
    std::pair<int, int> PointerCell(float X, float Y) const;
    bool IsCell(int Row, int Col) const { return m_Model.IsRowPosition(Row) && m_Model.IsColumn(Col); }
    int ColumnAt(int Position) const { return m_Model.IsColumn(Position) ? m_Model.ColOrder()[size_t(Position)] : -1; }
    bool IsRowLockedAt(int Row) const;
    // The row of column headings; the caption bar above it is one bar, no column's.
    bool InHeaderRow(float Y) const
    {
        return Y >= m_Geometry.m_Metrics.CaptionHeight && Y < m_Geometry.m_Metrics.HeaderHeight;
    }
    // The column whose heading is at X, -1 over the corner above the row numbers.
    int HeaderColFromX(float X) const;
    bool InsideBox(int Row, int Col, int Kind, int Width, int Height, float X, float Y) const;
    bool PressOnRows(qint16 Button, qint16 Shift, float X, float Y);
    bool OtherButtonOnRow(int Row, int Col);
    bool LeftPressOnRow(int Row, int Col, qint16 Shift, float X, float Y);
    bool ToggleCheckCell(int Row, int Col, float X, float Y);
    bool SelectOnPress(int Row, qint16 Shift);
    bool SelectOnly(int Row);
    void ArmDragSelect(int Row, qint16 Shift);
    void PressHeader(int Col);
    // The second press of a double click: the host hears MouseDown, whatever the button.
    void UserControl_SecondPress(qint16 Button, qint16 Shift, float X, float Y);
    // Escape while a heading is dragged drops it where it came from; false when no drag was pending.
    bool EscapeHeaderDrag();
    bool MoveOverRows(qint16 Button, qint16 Shift, float X, float Y);
    void ShowHotHeader(float X, float Y);
    // The header position that shows hot now; -1 = none.
    int HotHeader() const;
    int ScanBorders(float X, float Y);
    int ScanRowBorders(float Y);
    int ScanColumnBorders(float X);
    bool DragWithLeft(qint16 Shift, float X, float Y);
    bool ResizeRowTo(float Y);
    bool ResizeColumnTo(float X);
    bool DragSelectTo(qint16 Shift, float Y);
    int DragStop(int Row) const;
    bool SelectDraggedRows(int Row);
    // The column under the pointer, or the current one where the pointer is outside every column.
    int ColOrCurrent(int Col) const { return m_Model.IsColumn(Col) ? Col : m_Current.m_Col; }
    void FollowPointer();
    void DragHeaderTo(float X, float Y);
    bool ColumnSized(int Col);
    bool FitColumnAtBorder();
    int CellPointer(int Wanted) const;
    bool ReleaseLeft(const MousePress& Press, qint16 Shift, float X, float Y);
    bool ReleaseOnLockedRow(int Col);
    bool DropColumn(const MousePress& Press, int Col);
    bool ReleaseOverCell(float X, float Y);
    bool InImageBox(int Row, int Col, float X, float Y) const;
    bool PressedExpandButton(int Row, int Col, float X, float Y) const;
    bool ReleaseOverHeader(const MousePress& Press, int Col, qint16 Shift);
    bool SortByHeader(int Col, qint16 Shift);
    bool ReleaseEnd(int DownRow);
    bool RepaintHeaders();
    // The column at the position navigation last chose, as RowColSet takes it; Current before any.
    int NavColumn(int Current) const { return m_Input.m_NavCol != -1 ? ColumnAt(m_Input.m_NavCol) : Current; }
    // The pointer's shape: MousePointerShape's numbers.
    int MousePointer() const;
    void MousePointer(int Shape);

    // ---- Refresh request, metrics, painting (the view completes these) ----------------------
    // RefreshIfRedraw and DrawGrid return false when the grid did not outlive the paint: a queued
    // call run by its event pump, or a RequestRowData handler, deleted it.
    bool RefreshIfRedraw();
    void CalcMetrics();
    void CalcRowHeight(int Row);
    void UpdateScrollRanges();
    bool DrawGrid(bool Paint, bool NoFocus = false);
    bool SetCurrentCell(int Row, int Col, bool DoScroll, bool Apply);
    void ScrollColumnIntoView(int Col);
    void ScrollRowIntoView(int Row);
    bool SelectRowRange(bool Select, int& From, int& To);
    bool SelectOnlyUnlocked(int From, int To);
    std::pair<int, int> ShownSelection() const;

    // ---- Metrics and geometry ----------------------------------------------------------------
    // Pixels of the control surface, x from the grid's left edge. ColFromX, RowFromY and PageTopRow
    // serve the mouse and keyboard input.
    enum CellRectKind { CellRectCell = 0, CellRectCheckBox = 1, CellRectImage = 2 };
    int CalcHeaderHeight() const;
    bool FindRowImage();
    // The one geometry every painting step and hit test reads (layout/Geometry.cpp).
    const GridLayout& Layout() const;
    void LayOutRows(GridLayout& Result) const;
    void LayOutColumns(GridLayout& Result) const;
    int MeasureRowNumbers() const;
    int RowNumberWidth() const;
    void GetColumnExtent(int Position, Rect& Extent) const;
    void GetCellRect(int Row, int Position, int Top, Rect& Placement, int Kind) const;
    int ColFromX(float X) const;
    int RowFromY(float Y) const;
    int RowTop(int Row, int Start = -1) const;
    int VisibleRowCount() const;
    int PageTopRow(int Row) const;
    int FindColPosition(int Col) const;
    bool UCMousePointer() const;
    void UCMousePointer(bool Custom);

    // ---- Control-level property writers ------------------------------------------------------
    // A write stores the value, names its change and takes its After step. Each returns false when
    // a handler deleted the grid.
    template <typename Field, typename Value>
    bool SetProperty(Field& Member, const Value& New_Value, const QString& ChangeName, After Step)
    {
        Member = static_cast<Field>(New_Value);
        return Notify(ChangeName) && AfterChange(Step);
    }
    bool AfterChange(After Step);
    bool Notify(const QString& ChangeName);
    // The checks a write accessor shares with the loader of saved settings, so that a form file
    // cannot bring what the property would not take.
    static qint16 ValidColumnHeaderLines(qint16 Lines);
    static int ValidMinVerticalOffset(int Offset);
    static int ValidFreezeAtCol(int Col);
    static int ValidGridLineWidth(int Width);
    static QFont ValidFont(QFont Font);
    void ChangeTotals(int vCol, const std::function<void(udtTotals&)>& Change);
    void CustomColor(qint32& Member, qint32 New_Color, const QString& ChangeName);

    // ---- Painting ----------------------------------------------------------------------------
    // DrawGrid's steps in their order (paint/GridPainter.cpp), one cell (paint/CellPainting.cpp), the
    // caption and header row (paint/HeaderPainting.cpp) and the grid's own header looks
    // (paint/HeaderStyles.cpp).
    bool BeginPaint(bool Paint);
    void PrepareColors(PaintPass& pass);
    void ClearSurface(PaintPass& pass);
    void PaintEmptyGrid();
    void ChooseVisibleRows(PaintPass& pass);
    void KeepCurrentRowInView(PaintPass& pass);
    void PaintRows(PaintPass& pass);
    void PaintRow(PaintPass& pass, int Position, const udtRow& Row);
    bool PaintChangedRowsOnly(PaintPass& pass, int First, int Last, bool NoFocus);
    bool PictureMayChangeInPart(bool NoFocus) const;
    bool PictureMayMove(bool NoFocus) const;
    bool PaintScrolledPicture(PaintPass& pass, bool NoFocus);
    bool MovePicture(PaintPass& pass, const PaintStamp& To);
    int UnfrozenLeft() const;
    bool ColumnsMayMove(int& Dx) const;
    void MoveColumns(PaintPass& pass, int Dx);
    bool RowsMayMove(int& Dy) const;
    void MoveRows(PaintPass& pass, int Dy);
    int ScrolledDistance(int From, int To, int Limit) const;
    bool StripesStay(int From, int To) const;
    void PaintBand(PaintPass& pass, const Rect& Band);
    void KeepPaintedLook(const PaintPass& pass);
    Rect ChangedBand(const PaintPass& pass, int First, int Last) const;
    PaintStamp StampNow() const;
    size_t PaintSettings() const;
    void OfferChangedRows(const PaintStamp& Before, quint64 OwnEdits, int First, int Last);
    bool FirstShownPositionIsOdd(int First) const;
    void PaintRowNumber(PaintPass& pass, int Position, int Height);
    void FillRowBackground(PaintPass& pass, const Rect& Bounds);
    void PaintSelection(PaintPass& pass, const udtRow& Row, int Top);
    qint32 SelectionColor(const Canvas& hDC, const udtRow& Row) const;
    void PaintCells(PaintPass& pass, int Position, const udtRow& Row, bool Selected);
    void PaintRowLines(PaintPass& pass, int Top);
    void PaintBottomLine(PaintPass& pass);
    void PaintTotalsLine(PaintPass& pass);
    QString TotalsText(int Col) const;
    void PaintVerticalLines(PaintPass& pass);
    void PaintFocusRect(PaintPass& pass);
    void FinishPaint(PaintPass& pass);
    void DrawTextIn(PaintPass& pass, const QString& Text, Rect& Bounds, int Flags);
    bool IsColumnScrolledOut(int Position) const;

    void DrawCell(PaintPass& pass, const CellSpot& Spot, const udtRow& Row, bool Selected);
    CellLook CellLookOf(const udtCell& Cell) const;
    // The font a cell's text is drawn in, on Font's size: the editors and the hover tip show the
    // cell in it too.
    QFont CellFont(QFont Font, const udtColumn& Column, const udtRow& Row, const udtCell& Cell) const;
    // The text a cell shows: its own, formatted with the column's Format. The painter, the hover tip
    // and the column sizing all show and measure this one.
    QString ShownText(const udtRow& Row, int Col) const;
    void DrawRowCheckBox(PaintPass& pass, const udtRow& Row, int Top, int Height);
    void DrawCellCheckBox(PaintPass& pass, const CellSpot& Spot, bool Checked);
    void DrawCheckBox(PaintPass& pass, Rect Box, bool Checked);
    void DrawRowImage(PaintPass& pass, const udtRow& Row, int Top, int Height, bool Selected);
    void DrawCellKind(PaintPass& pass, const CellSpot& Spot, const udtColumn& Column, const udtCell& Cell, int H, Rect& R);
    int PrepareCellText(PaintPass& pass, const CellSpot& Spot, const udtRow& Row, const udtCell& Cell,
                        const QString& Text, int& Img, Rect& R);
    void DrawCellImage(PaintPass& pass, const CellSpot& Spot, const udtColumn& Column, int H, int Image, bool Selected,
                       Rect& R);
    void DrawCellPicture(PaintPass& pass, const CellSpot& Spot, const udtColumn& Column, const QPixmap& Picture);
    void DrawListImage(PaintPass& pass, int Index, int X, int Y, int Style);

    void DrawCaption();
    // Within, when not empty, confines the header cells' drawing to that part of the picture.
    int DrawHeaders(bool SingleLineOnly, const Rect& Within = Rect {});
    void DrawHeaderCell(int Position, int State, bool SingleLineOnly, bool RowNumberCell, const Rect& Within = Rect {});
    void DrawHeaderCellAt(int Position, int Left, int State, bool SingleLineOnly, const Rect& Within = Rect {});
    void ShowDraggedHeader(int Position, int Left);
    void HideDraggedHeader();
    Canvas HeaderDrawing(const Rect& Within);
    void DrawHeaderBackground(Canvas& hDC, Rect& r, int State, bool Caption);
    void DrawHeaderStyle(Canvas& hDC, Rect& r, int State);
    void DrawHeaderGradient(Canvas& hDC, const Rect& r, int State, bool Caption, bool Alternate);
    void DrawHeader3D(Canvas& hDC, const Rect& r, int State, bool Caption, bool Alternate);
    void DrawHeaderLine(Canvas& hDC, int X1, int Y1, int X2, int Y2, qint32 Color);
    void DrawHeaderText(Canvas& hDC, const QString& Text, Rect& R, int Flags);

    // ---- Themes and colour sets (paint/Themes.cpp) -------------------------------------------
    void ApplyTheme();
    void SelectThemeStyle();
    void GetVisualStyleName(); // sets m_ThemeName
    void ComputeThemeColors(int Scheme);

    // ---- Lifecycle and persistence (Persistence.cpp) -------------------------------------------
    struct PersistedProperty;
    // The saved keys after the two fonts, in the order they are written.
    static const std::vector<PersistedProperty>& PersistedProperties();
    void Initialize();
    void Terminate();
    void ApplyWindowSettings();
    void ShowBorder();
    void ApplyUserMode();
};

} // namespace Tarvex
