#pragma once

// RuzuZiri: a data grid for large row counts.
//
// Index of this header
//   Events ........................ signals, in their fixed order
//   Columns and rows .............. AddColumn, AddRow/AddItem, RemoveRow/RemoveItem, DeleteSelected,
//                                   Clear, ClearAll, Redraw, Refresh, Cols, CheckedCount
//                                   (AddRemoveRows.cpp, Columns.cpp, view/Refresh.cpp, RowProperties.cpp)
//   Cells ......................... Cell* properties, FormatCells, FormatCellsAlignment  (Cells.cpp, CellFormatting.cpp)
//   Column properties and sizing .. Col* properties, BindControl, ColWidthAutoSize, ColForceFit
//                                   (Columns.cpp, view/ColumnSizing.cpp)
//   Rows and current cell ......... Row*, SelectedClearAll, SelectedCount, MultiSelect  (RowProperties.cpp);
//                                   RowColSet (view/CurrentCell.cpp)
//   Scroll bars ................... ScrollBars, ScrollBarStyle, ScrollTrack, SBLargeChange
//                                   (view/ScrollBars.cpp, view/ScrollRequests.cpp)
//   Sorting ....................... Sort  (Sorting.cpp; keys and order in model/SortingEngine.cpp)
//   Find and filter ............... FindItem, FilterOn, FilterOff, RowVisible, SearchColumn
//                                   (FindFilter.cpp; the searches over the rows in model/RowSearch.cpp)
//   Behaviour ..................... Allow*, Edit*, FreezeAtCol, row sizes, ForceCellEdit, GetInfo
//                                   (ControlProperties.cpp)
//   Appearance .................... fonts, caption, headers, focus, grid lines  (Appearance.cpp)
//   Colours and themes ............ colour properties, ThemeColor, ThemeStyle  (ThemeProperties.cpp)
//   Totals line ................... TotalsLineShow, TotalsCol, TotalsLineCaption, TotalsLineColAvg  (TotalsLine.cpp)
//   Grid state .................... EditPending, hWnd, Rows, MouseCol, MouseRow, RowFirstVisible, ...
//                                   (ControlProperties.cpp); VisibleHeight, VisibleWidth (view/Metrics.cpp)
//   Number parsing ................ rVal (model/NumberParsing.cpp)
//   Export and column arrangement . ExportGrid, ColOrder*, ColWidths*  (Export.cpp, ColumnStore.cpp,
//                                   model/Export.cpp, model/ColumnStore.cpp)
//   Storage ....................... Model(): the records, read-only
//   Lifecycle and persistence ..... InitProperties, ReadProperties, WriteProperties  (Persistence.cpp)
//   Private: shared helpers, sorting helpers, scroll bars, refresh request, metrics, current cell,
//            navigation, instance fields
//
// Call flow
//   AddItem -> AddRow -> m_Model.AddRow (records, formats, totals)
//           -> RefreshIfRedraw: painting on -> Refresh; off -> m_PendingMetrics/m_PendingScroll owed
//           -> RowCountChanged
//   Redraw(true) -> UpdateScrollRanges (if owed) -> CalcMetrics (if owed) -> DrawGrid
//   DrawGrid -> paint of the visible rows -> RequestRowData(last visible position, -1 when empty)
//   Cell writer -> FixWriteRef -> change the record -> DrawGrid(m_Paint)
//   RowColSet -> SelectRowRange (clears the old selection) -> SetCurrentCell (RowColChanged, Scroll)
//             -> SBSetPos when the row is off the page -> DrawGrid
//   Scroll bar action -> ScrollRequest -> SBSetPos -> DrawGrid -> Scroll
//   RemoveRow -> m_Model.RemoveRow -> selection follows -> SetCurrentCell if the current row went
//             -> RowCountChanged

#include "grid/model/GridModel.h"
#include "grid/model/NumberParsing.h"
#include "grid/model/SortingEngine.h"
#include "grid/view/GridMetrics.h"
#include "grid/view/ScrollInfo.h"
#include "grid/view/Themes.h"
#include "platform/DoEvents.h"
#include "platform/ImageList.h"
#include "platform/Rect.h"
#include "platform/UserControl.h"

#include <QFont>
#include <QPixmap>
#include <QPointer>
#include <QScrollBar>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

class QLineEdit;

namespace Tarvex {

struct CellSpot;
struct PaintPass;
class PictureBox;
class PropertyBag;

class RuzuZiri : public UserControl {
    Q_OBJECT

public:
    explicit RuzuZiri(QWidget* parent = nullptr);
    ~RuzuZiri() override;

    // ---- Events ------------------------------------------------------------------------------
signals:
    void Click();
    void DblClick();
    void KeyDown(qint16& KeyCode, qint16& Shift);
    void KeyPress(qint16& KeyAscii);
    void KeyUp(qint16& KeyCode, qint16& Shift);
    void MouseDown(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseMove(qint16& Button, qint16& Shift, float& X, float& Y);
    void MouseUp(qint16& Button, qint16& Shift, float& X, float& Y);
    void CellButtonClick(int Row, int Col);
    void CellImageClick(int Row, int Col);
    void CellHandClick(int Row, int Col, qint16& Shift);
    void CellClick(int Row, int Col, qint16& Shift);
    void ColumnClick(int Col);
    void ColumnSizeChanged(int Col, int MoveControl);
    void CustomSort(bool Ascending, int& Col, QString& Value1, QString& Value2, bool& Swap);
    void ColumnOrderChanged(int ToCol, int FromCol);
    void RowCheckChanged(int Row);
    void RowCountChanged();
    void MouseEnter();
    void MouseLeave();
    void RowColChanged();
    void Scroll();
    void SelectionChanged();
    void SortComplete();
    void ThemeChanged();
    void EditKeyPress(int Col, qint16& KeyAscii);
    void BeforeEdit(int Row, int Col, bool& Cancel);
    void AfterEdit(int Row, int Col, QString& vNewValue, bool& Cancel);
    void BeforeDelete(int Row, bool& Cancel);
    void AfterDelete();
    void BeforeInsert(int Row, bool& Cancel);
    void AfterInsert(int Row);
    void RequestRowData(int Row);

public:
    // ---- Columns and rows --------------------------------------------------------------------
    // Returns the new column's display position; -1 (and no column) when Width is not a finite number.
    int AddColumn(const QString& Caption, float Width = 500, int Alignment = 4, int DataType = 0,
                  const QString& Format = QString(), const QString& InputFilter = QString(),
                  int ImageAlignment = 4, bool WordWrap = false, int Index = 0, bool bVisible = true,
                  bool bLocked = false);
    int AddRow(const QString& vstrItem, int vRow = -1, bool vbRowChecked = false, bool vbMarkAsNew = false,
               bool vbRowLocked = false, bool vbRowVisible = true, int vRowData = 0);
    int AddItem(const QString& vstrItem, int vRow = -1, bool vbRowChecked = false, bool vbMarkAsNew = false,
                bool vbRowLocked = false, bool vbRowVisible = true, int vRowData = 0);
    void RemoveRow(int vRow = -1);
    void RemoveItem(int vRow = -1);
    void DeleteSelected();
    void Clear();
    void ClearAll();
    bool Redraw() const { return m_Redraw; }
    void Redraw(bool New_Redraw);
    void Refresh();
    int Cols() const { return m_Model.Cols(); }
    int CheckedCount() const;
    int ItemCount() const { return m_Model.ItemCount(); }

    // ---- Cells -------------------------------------------------------------------------------
    int CellAlignment(int vRow, int vCol) const;
    void CellAlignment(int vRow, int vCol, int New_CellAlignment);
    qint32 CellBackColor(int vRow, int vCol) const;
    void CellBackColor(int vRow, int vCol, qint32 New_CellBackColor);
    qint32 CellForeColor(int vRow, int vCol) const;
    void CellForeColor(int vRow, int vCol, qint32 New_CellForeColor);
    QString CellFontName(int vRow, int vCol) const;
    void CellFontName(int vRow, int vCol, const QString& New_CellFontName);
    bool CellFontBold(int vRow, int vCol) const;
    void CellFontBold(int vRow, int vCol, bool New_CellFontBold);
    bool CellFontItalic(int vRow, int vCol) const;
    void CellFontItalic(int vRow, int vCol, bool New_CellFontItalic);
    bool CellFontUnderline(int vRow, int vCol) const;
    void CellFontUnderline(int vRow, int vCol, bool New_CellFontUnderline);
    bool CellWordWrap(int vRow, int vCol) const;
    void CellWordWrap(int vRow, int vCol, bool New_CellWordWrap);
    bool CellHandPointer(int vRow, int vCol) const;
    void CellHandPointer(int vRow, int vCol, bool New_CellHandPointer);
    QVariant CellImage(int vRow, int vCol) const;
    void CellImage(int vRow, int vCol, const QVariant& New_CellImage);
    bool CellChecked(int vRow = -1, int vCol = -1) const;
    void CellChecked(int vRow, int vCol, bool New_CellChecked);
    bool CellChanged(int vRow, int vCol) const;
    QString CellText(int vRow = -1, int vCol = -1) const;
    void CellText(int vRow, int vCol, const QString& New_CellText);
    QVariant CellValue(int vRow = -1, int vCol = -1) const;
    void CellValue(int vRow, int vCol, const QVariant& New_CellValue);
    QString CellTag(int vRow = -1, int vCol = -1) const;
    void CellTag(int vRow, int vCol, const QString& New_CellTag);
    int CellProgressValue(int vRow, int vCol) const;
    void CellProgressValue(int vRow, int vCol, int New_CellProgressValue);
    qint32 CellProgressBarColor(int vRow, int vCol) const;
    void CellProgressBarColor(int vRow, int vCol, qint32 New_CellProgressBarColor);
    void CellPicture(const std::shared_ptr<QPixmap>& vNewValue, int vRow = -1, int vCol = -1);
    std::shared_ptr<QPixmap> CellPictureGet(int vRow = -1, int vCol = -1) const;
    bool CellsChanged() const { return m_CellsChanged; }
    void FormatCells(int RowFrom = 0, int RowTo = -1, int ColFrom = 0, int ColTo = -1, int Mode = 8,
                     const QString& vNewValue = QString(), int vNewAlign = 4);
    void FormatCellsAlignment(int RowFrom = 0, int RowTo = -1, int ColFrom = 0, int ColTo = -1,
                              int vAlignment = 4);

    // ---- Column properties and sizing --------------------------------------------------------
    int ColAlignment(int vCol) const;
    void ColAlignment(int vCol, int New_ColAlignment);
    int ColImageAlignment(int vCol) const;
    void ColImageAlignment(int vCol, int New_ColImageAlignment);
    QString ColFormat(int vCol) const;
    void ColFormat(int vCol, const QString& New_ColFormat);
    QString ColHeading(int vCol) const;
    void ColHeading(int vCol, const QString& New_ColHeading);
    QString ColInputFilter(int vCol) const;
    void ColInputFilter(int vCol, const QString& New_ColInputFilter);
    QString ColTag(int vCol) const;
    void ColTag(int vCol, const QString& New_ColTag);
    int ColType(int vCol) const;
    void ColType(int vCol, int New_ColType);
    bool ColVisible(int vCol) const;
    void ColVisible(int vCol, bool New_ColVisible);
    bool ColLocked(int vCol) const;
    void ColLocked(int vCol, bool New_ColLocked);
    bool ColWordWrap(int vCol) const;
    void ColWordWrap(int vCol, bool New_ColWordWrap);
    float ColWidth(int vCol) const;
    void ColWidth(int vCol, float New_ColWidth);
    int Col() const;
    void Col(int New_Col);
    void BindControl(int vCol, QObject* Ctrl, int MoveControl);
    void ColWidthAutoSize(int vCol);
    void ColForceFit();

    // ---- Rows and current cell ---------------------------------------------------------------
    // Rows are display positions; -1 is the current row (row 0 without one), a row past the last
    // reads the last row. Writes to a row past the last change nothing.
    int Row() const { return m_Row; }
    void Row(int New_Row);
    bool RowAdded(int vRow) const;
    bool RowChanged(int vRow) const;
    bool RowChecked(int vRow) const;
    void RowChecked(int vRow, bool New_RowChecked);
    bool RowSelected(int vRow) const;
    void RowSelected(int vRow, bool New_RowSelected);
    // Also true for every row while a move onto a hidden row holds the current one.
    bool RowLocked(int vRow) const;
    void RowLocked(int vRow, bool New_RowLocked);
    int RowData(int vRow) const;
    void RowData(int vRow, int New_RowData);
    QString RowTag(int vRow) const;
    void RowTag(int vRow, const QString& New_RowTag);
    qint16 RowGroupHeader(int vRow) const;
    void RowGroupHeader(int vRow, qint16 New_RowGroupHeader);
    // Pixels; -1 computes the row's height from its texts.
    int RowHeight(int vRow) const;
    void RowHeight(int vRow, float New_RowHeight);
    // An image-list index, or the key of an image given by key.
    QVariant RowImage(int vRow) const;
    void RowImage(int vRow, const QVariant& New_RowImage);
    void RowBackColor(int vRow, qint32 vNewValue);
    void RowForeColor(int vRow, qint32 vNewValue);
    void RowFontBold(int vRow, bool vNewValue);
    // Not repainted until the next repaint.
    void SelectedClearAll();
    int SelectedCount() const { return m_Model.SelectedCount(); }
    // vCol is a column number; -1 keeps the current row or column.
    void RowColSet(int vRow, int vCol);
    int MultiSelect() const { return m_MultiSelect; }
    void MultiSelect(int New_MultiSelect);

    // ---- Sorting -----------------------------------------------------------------------------
    // vCol1: primary column number, -1 = the column sorted last; vCol1SortType:
    // 0 record order, 1 greatest first, 2 smallest first, -1 = next of 0 -> 2 -> 1 -> 0; vCol2: column
    // that orders rows of equal primary text, -1 = keep the last one; vCol2SortType: -1 = the primary's.
    void Sort(int vCol1 = -1, int vCol1SortType = -1, int vCol2 = -1, int vCol2SortType = -1);

    // ---- Find and filter ---------------------------------------------------------------------
    // Search modes: 0 equal, 1 at or after, 2 contains, 4 at or after with the same first character,
    // 5 starts with, 6 ends with; anything else matches nothing. Texts compare upper-cased unless MatchCase.
    int FindItem(const QString& SearchText, int SearchColumn = -1, int SearchMode = 0, bool MatchCase = false,
                 int StartingRow = 0);
    void FilterOn(const QString& FilterText, int SearchColumn, int SearchMode = 0, bool MatchCase = false,
                  int StartingRow = 0);
    void FilterOff(int StartingRow = 0);
    bool RowVisible(int vRow) const;
    void RowVisible(int vRow, bool New_RowVisible);
    int SearchColumn() const { return m_SearchColumn; }
    void SearchColumn(int New_SearchColumn);

    // ---- Behaviour ---------------------------------------------------------------------------
    // Drag moves a column, swap exchanges two; at most one of them is on.
    bool AllowColumnDrag() const { return m_AllowColumnDrag; }
    void AllowColumnDrag(bool New_AllowColumnDrag);
    bool AllowColumnSwap() const { return m_AllowColumnSwap; }
    void AllowColumnSwap(bool New_AllowColumnSwap);
    bool AllowColumnHover() const { return m_AllowColumnHover; }
    void AllowColumnHover(bool New_AllowColumnHover);
    bool AllowColumnResizing() const { return m_AllowColumnResizing; }
    void AllowColumnResizing(bool New_AllowColumnResizing);
    bool AllowColumnSort() const { return m_AllowColumnSort; }
    void AllowColumnSort(bool New_AllowColumnSort);
    bool AllowDelete() const { return m_AllowDelete; }
    void AllowDelete(bool New_AllowDelete);
    bool AllowEdit() const { return m_AllowEdit; }
    void AllowEdit(bool New_AllowEdit);
    bool AllowInsert() const { return m_AllowInsert; }
    void AllowInsert(bool New_AllowInsert);
    bool AllowRowResizing() const { return m_AllowRowResizing; }
    void AllowRowResizing(bool New_AllowRowResizing);
    bool AllowWordWrap() const { return m_AllowWordWrap; }
    void AllowWordWrap(bool New_AllowWordWrap);
    bool AutoToolTips() const { return m_AutoToolTips; }
    void AutoToolTips(bool New_AutoToolTips);
    // Least number of row records added at each growth; a negative value means 10.
    int CacheIncrement() const { return m_Model.CacheIncrement(); }
    void CacheIncrement(int New_CacheIncrement);
    // After Enter ends an edit: 0 stay on the cell, 1 move right, 2 move down.
    int EditMove() const { return m_EditMove; }
    void EditMove(int New_EditMove);
    // What opens the editor: 2 Enter and Escape swallowed, 4 F2, 8 click, 16 double click, 32 typing.
    int EditTrigger() const { return m_EditTrigger; }
    void EditTrigger(int New_EditTrigger);
    bool Enabled() const { return isEnabled(); }
    void Enabled(bool New_Enabled);
    // Display positions 0..FreezeAtCol stay put when the grid scrolls sideways; -1 = none.
    int FreezeAtCol() const { return m_FreezeAtCol; }
    void FreezeAtCol(int New_FreezeAtCol);
    // Lines a word-wrapped row may grow to; 0 = no limit.
    int MaxLineCount() const { return m_MaxLineCount; }
    void MaxLineCount(int New_MaxLineCount);
    // Least row height, in ScaleUnits.
    int MinRowHeight() const { return m_MinRowHeight; }
    void MinRowHeight(int New_MinRowHeight);
    // Pixels above and below the text of a row.
    int MinVerticalOffset() const { return m_MinVerticalOffset; }
    void MinVerticalOffset(int New_MinVerticalOffset);
    // Unit of the widths AddColumn and ColWidth take: 1 twips, 2 points, 3 pixels, ...
    int ScaleUnits() const { return m_ScaleUnits; }
    void ScaleUnits(int New_ScaleUnits);
    bool ShowRowNumbers() const { return m_ShowRowNumbers; }
    void ShowRowNumbers(bool New_ShowRowNumbers);
    bool ShowRowNumbersVary() const { return m_ShowRowNumbersVary; }
    void ShowRowNumbersVary(bool New_ShowRowNumbersVary);
    // Opens the editor on the cell (column number) even where editing is not allowed.
    void ForceCellEdit(int lNewRow, int lNewCol, bool bBlankCell = false);
    // Locale information of the user's default locale (4097: the English name of the language).
    static QString GetInfo(int lInfo);

    // ---- Appearance ----------------------------------------------------------------------------
    qint16 Appearance() const { return m_Appearance; }
    void Appearance(qint16 New_Appearance);
    bool AlphaBlendSelection() const { return m_AlphaBlendSelection; }
    void AlphaBlendSelection(bool New_AlphaBlendSelection);
    bool ApplySelectionToImages() const { return m_ApplySelectionToImages; }
    void ApplySelectionToImages(bool New_ApplySelectionToImages);
    bool BackColorEvenRowsEnabled() const { return m_BackColorEvenRowsEnabled; }
    void BackColorEvenRowsEnabled(bool New_BackColorEvenRowsEnabled);
    // 0 none, 1 single.
    int BorderStyle() const { return m_BorderStyle; }
    void BorderStyle(int New_BorderStyle);
    QString Caption() const { return m_Caption; }
    void Caption(const QString& New_Caption);
    int CaptionAlignment() const { return m_CaptionAlignment; }
    void CaptionAlignment(int New_CaptionAlignment);
    bool CenterRowImage() const { return m_CenterRowImage; }
    void CenterRowImage(bool New_CenterRowImage);
    // Text lines of the header row; at least 1.
    qint16 ColumnHeaderLines() const { return m_ColumnHeaderLines; }
    void ColumnHeaderLines(qint16 New_ColumnHeaderLines);
    bool ColumnHeaders() const { return m_ColumnHeaders; }
    void ColumnHeaders(bool New_ColumnHeaders);
    // Extra header lines a third of a text line high.
    bool ColumnHeaderSmall() const { return m_ColumnHeaderSmall; }
    void ColumnHeaderSmall(bool New_ColumnHeaderSmall);
    bool DisplayEllipsis() const { return m_DisplayEllipsis; }
    void DisplayEllipsis(bool New_DisplayEllipsis);
    // The image-list entry drawn as a row's expand mark: read as its key when given by key.
    QVariant ExpandRowImage() const;
    void ExpandRowImage(const QVariant& New_ExpandRowImage);
    bool FocusRectHide() const { return m_FocusRectHide; }
    void FocusRectHide(bool New_FocusRectHide);
    // 0 none, 1 row, 2 column.
    int FocusRectMode() const { return m_FocusRectMode; }
    void FocusRectMode(int New_FocusRectMode);
    int FocusRectStyle() const { return m_FocusRectStyle; }
    void FocusRectStyle(int New_FocusRectStyle);
    bool FocusRowHighlight() const { return m_FocusRowHighlight; }
    void FocusRowHighlight(bool New_FocusRowHighlight);
    QFont Font() const { return m_Font; }
    void Font(const QFont& New_Font);
    QFont FontHeader() const { return m_FontHeader; }
    void FontHeader(const QFont& New_FontHeader);
    // 0 none, 1 both, 2 vertical only, 3 horizontal only (what the painter draws for each).
    int GridLines() const { return m_GridLines; }
    void GridLines(int New_GridLines);
    int GridLineWidth() const { return m_GridLineWidth; }
    void GridLineWidth(int New_GridLineWidth);
    // Held, not owned; not saved with the control.
    Tarvex::ImageList* ImageList() const { return m_ImageList; }
    void ImageList(Tarvex::ImageList* New_ImageList);
    bool RowCheckBoxes() const { return m_RowCheckBoxes; }
    void RowCheckBoxes(bool New_RowCheckBoxes);

    // ---- Colours and themes --------------------------------------------------------------------
    // OLE colours. A scheme (ThemeColor 0..4, or 6 for the one matching the visual style) sets most
    // of them at once; 5 keeps the host's own.
    qint32 BackColor() const { return m_Colors.m_BackColor; }
    void BackColor(qint32 New_BackColor);
    qint32 BackColorBkg() const { return m_Colors.m_BackColorBkg; }
    void BackColorBkg(qint32 New_BackColorBkg);
    qint32 BackColorEdit() const { return m_Colors.m_BackColorEdit; }
    void BackColorEdit(qint32 New_BackColorEdit);
    qint32 BackColorEvenRows() const { return m_Colors.m_BackColorEvenRows; }
    void BackColorEvenRows(qint32 New_BackColorEvenRows);
    qint32 BackColorSel() const { return m_Colors.m_BackColorSel; }
    void BackColorSel(qint32 New_BackColorSel);
    qint32 FocusRectColor() const { return m_Colors.m_FocusRectColor; }
    void FocusRectColor(qint32 New_FocusRectColor);
    qint32 ForeColor() const { return m_Colors.m_ForeColor; }
    void ForeColor(qint32 New_ForeColor);
    qint32 ForeColorEdit() const { return m_Colors.m_ForeColorEdit; }
    void ForeColorEdit(qint32 New_ForeColorEdit);
    qint32 ForeColorHdr() const { return m_Colors.m_ForeColorHdr; }
    void ForeColorHdr(qint32 New_ForeColorHdr);
    qint32 ForeColorSel() const { return m_Colors.m_ForeColorSel; }
    void ForeColorSel(qint32 New_ForeColorSel);
    qint32 GridColor() const { return m_Colors.m_GridColor; }
    void GridColor(qint32 New_GridColor);
    // Highlighted row text keeps the cell's own colour.
    bool FocusRowHighlightKeepTextForecolor() const { return m_FocusRowHighlightKeepTextForecolor; }
    void FocusRowHighlightKeepTextForecolor(bool New_FocusRowHighlightKeepTextForecolor);
    // 0 solid, 1 vertical gradient, 2 horizontal gradient.
    int FocusRowHighlightStyle() const { return m_FocusRowHighlightStyle; }
    void FocusRowHighlightStyle(int New_FocusRowHighlightStyle);
    int ThemeColor() const { return m_ThemeColor; }
    void ThemeColor(int New_ThemeColor);
    // The header gradient of the custom scheme; taken only while ThemeColor is 5.
    qint32 ThemeCustomColorFrom() const { return m_Colors.m_CustomColorFrom; }
    void ThemeCustomColorFrom(qint32 New_ThemeCustomColorFrom);
    qint32 ThemeCustomColorTo() const { return m_Colors.m_CustomColorTo; }
    void ThemeCustomColorTo(qint32 New_ThemeCustomColorTo);
    // Header look 0..7.
    int ThemeStyle() const { return m_ThemeStyle; }
    void ThemeStyle(int New_ThemeStyle);

    // ---- Totals line ---------------------------------------------------------------------------
    // vCol is a column number; a column that does not exist reads 0 or empty and ignores writes.
    bool TotalsLineShow() const { return m_TotalsLineShow; }
    void TotalsLineShow(bool New_TotalsLineShow);
    double TotalsCol(int vCol) const;
    QString TotalsLineCaption(int vCol) const;
    void TotalsLineCaption(int vCol, const QString& New_TotalsLineCaption);
    bool TotalsLineColAvg(int vCol) const;
    void TotalsLineColAvg(int vCol, bool New_TotalsLineColAvg);

    // ---- Grid state ----------------------------------------------------------------------------
    bool EditPending() const { return m_EditOpen; }
    // The native window that shows the control; 0 while it has none.
    quintptr hWnd() const;
    int Rows() const { return m_Model.ItemCount(); }
    // Column number under the mouse; -1 over no column, 0 when there are no columns.
    int MouseCol() const;
    // Row position under the mouse; -1 = none.
    int MouseRow() const { return m_MouseRow; }
    int RowFirstVisible() const { return m_RowFirstVisible; }
    int RowLastVisible() const { return m_RowLastVisible; }
    // Usable client size in twips, without border, scroll bars and row numbers.
    int VisibleHeight();
    int VisibleWidth();

    // ---- Scroll bars -------------------------------------------------------------------------
    // 0 horizontal bar only, 1 vertical only, 2 both; takes effect at the next range update.
    int ScrollBars() const { return m_ScrollBars; }
    void ScrollBars(int New_ScrollBars);
    // 1 standard bars, anything else flat ones.
    int ScrollBarStyle() const { return m_ScrollBarStyle; }
    void ScrollBarStyle(int New_ScrollBarStyle);
    // Repaint while the thumb is dragged.
    bool ScrollTrack() const { return m_ScrollTrack; }
    void ScrollTrack(bool New_ScrollTrack);
    // The page of bar eBar (0 horizontal, 1 vertical); the last reachable position stays put.
    int SBLargeChange(int eBar) const;
    void SBLargeChange(int eBar, int iLargeChange);

    // ---- Number parsing ----------------------------------------------------------------------
    // The grid's own tolerant reading of a text as a number, offered to hosts as well.
    static double rVal(const QString& vString) { return Tarvex::rVal(vString); }

    // ---- Export and column arrangement -------------------------------------------------------
    // Writes the grid to <desktop>/<strGridName>.csv and offers to open it; reports through MsgBox.
    void ExportGrid(const QString& strGridName, bool vbVisibleColsOnly = false, bool vbVisibleRowsOnly = false,
                    bool vbBooleanAsText = false);
    // The display order and the widths of the columns in the per-user settings store, in the
    // section UniqueGridName of the application's name. A stored order of another column set, or
    // one that does not name each column once, is ignored. ColOrderRestore shows the columns in
    // creation order again; its argument is not used.
    void ColOrderSave(const QString& UniqueGridName);
    void ColOrderLoad(const QString& UniqueGridName);
    void ColOrderRestore(const QString& UniqueGridName);
    void ColWidthsSave(const QString& UniqueGridName);
    void ColWidthsLoad(const QString& UniqueGridName);

    // ---- Storage -----------------------------------------------------------------------------
    // The records, read-only: for tests that check their invariants and for diagnostics.
    const GridModel& Model() const { return m_Model; }

    // ---- Lifecycle and persistence -----------------------------------------------------------
    // The design-time settings in the host's property bag (Persistence.cpp). A new control placed
    // by a host gets InitProperties, a restored one ReadProperties; both leave painting off until
    // the host turns Redraw on. Only in run mode (UserMode) does a loaded grid get its scroll bars.
    static inline const QString ControlType = QStringLiteral("Tarvex.RuzuZiri");
    void InitProperties() override;
    void ReadProperties(PropertyBag& PropBag) override;
    void WriteProperties(PropertyBag& PropBag) override;

private:
    // ---- Shared helpers ----------------------------------------------------------------------
    bool IsValidCell(int Row, int Col) const { return Row >= 0 && Col >= 0; }
    bool CanEdit() const { return m_AllowEdit && m_Model.LastRow() >= 0; }
    bool HasImages(bool Ignore) const { return m_Metrics.ImageWidth > 3 && !Ignore; }
    void EnablePaint(bool On) { m_Paint = On ? m_Redraw : false; }
    // Grows with every change of rows, columns, display order or current cell. An operation that
    // raised an event compares it with what it saw before: a handler may have called any member.
    quint64 Changes() const { return m_Model.Revision() + m_CellMoves; }
    // Raises one of the grid's events. False when a handler deleted the grid: the caller returns at
    // once then, touching nothing of it.
    template <typename... Params, typename... Args>
    bool Raise(void (RuzuZiri::*Event)(Params...), Args&&... Arguments)
    {
        const Lifeline self(this);
        (this->*Event)(std::forward<Args>(Arguments)...);
        return self.Alive();
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
    int FindUnlockedRow(bool Backwards) const;
    void AutoSizeColumn(int Col);
    qint32 PixelsFromScaleUnits(float Width) const;
    enum ColumnChange { StoreOnly, Repaint };
    template <typename Field>
    Field ColumnField(int vCol, Field udtColumn::*Member) const;
    template <typename Field, typename Value>
    void ColumnField(int vCol, Field udtColumn::*Member, const Value& New_Value, ColumnChange Change);

    // ---- Sorting (private) -------------------------------------------------------------------
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

    // ---- Scroll bars (private) ---------------------------------------------------------------
    // Bar 0 is the horizontal bar, 1 the vertical one. Each keeps the platform's record: the range
    // maximum is the value SBSetMax was given plus the page, and positions stop at that maximum less
    // the page plus 1 (view/ScrollBars.cpp).
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
    bool SBIsFlat() const { return !m_StdScrollBars; }
    int SBGetStyle() const { return m_FlatSBStyle; }
    void LayoutScrollBars();
    void ShowScrollBarLook();
    // A scroll request of the platform's numbering (0 line up ... 8 end of scroll) on a bar, as the
    // bar's own actions and the mouse wheel send them (view/ScrollRequests.cpp).
    void ScrollRequest(int Bar, int Request, bool Wheel);
    int ScrollTarget(int Bar, int Request, bool Wheel);
    int NavigableFromScrollPosition(int Bar, bool Down, bool Wheel);
    void OnScrollBarAction(int Bar, int Action);
    void WhileScrollBarWaits(int Bar, const std::function<void()>& Handle);
    void ReleaseWaitingScrollBars();
    void DragAutoScroll(qint16& Direction);
    bool AutoScrollStep(qint16 Direction);
    void Resize() override;
    void resizeEvent(QResizeEvent* Event) override;

    // ---- Navigation (view/Navigation.cpp) ----------------------------------------------------
    // Display positions the current cell may move to next; the callers move it.
    int NextNavigableRow(int Step, qint16 IgnoreMask) const;
    int PrevNavigableRow(int Step, qint16 IgnoreMask) const;
    int NextNavigableCol(bool FromStart) const;
    int PrevNavigableCol(bool FromEnd) const;
    bool IsNavigableRow(int Position, qint16 IgnoreMask) const;
    bool IsNavigableCol(int Position) const;

    // ---- Export and column arrangement (private) ---------------------------------------------
    void OpenExportedFile(const QString& Path);

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
    std::pair<int, int> ShownSelection() const;
    int TextWidth(const QString& Text, const QString& FontName, bool Bold, bool Italic, bool Underline) const;

    // ---- Metrics and geometry ----------------------------------------------------------------
    // Pixels of the control surface, x from the grid's left edge; rows are display positions,
    // columns display positions unless named column numbers.
    friend struct RuzuZiriProbe;          // the tests read the layout through it
    enum CellRectKind { CellRectCell = 0, CellRectCheckBox = 1, CellRectImage = 2 };
    int CalcHeaderHeight() const;
    bool FindRowImage();
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
    // What a write does after storing and naming its change. Each returns false when a handler
    // deleted the grid.
    enum class After { Store, Repaint, Refresh, Metrics };
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
    static QFont ValidFont(QFont Font);
    void ChangeTotals(int vCol, const std::function<void(udtTotals&)>& Change);
    void CustomColor(qint32& Member, qint32 New_Color, const QString& ChangeName);

    // ---- Painting ----------------------------------------------------------------------------
    // DrawGrid's steps in their order (view/GridPainter.cpp), one cell (view/CellPainting.cpp), the
    // caption and header row (view/HeaderPainting.cpp) and the grid's own header looks
    // (view/HeaderStyles.cpp).
    bool BeginPaint(bool Paint);
    void PrepareColors(PaintPass& pass);
    void ClearSurface(PaintPass& pass);
    void PaintEmptyGrid();
    void ChooseVisibleRows(PaintPass& pass);
    void KeepCurrentRowInView(PaintPass& pass);
    void MeasureRowNumbers(PaintPass& pass);
    void PaintRows(PaintPass& pass);
    void PaintRow(PaintPass& pass, int Position, const udtRow& Row);
    bool PaintChangedRowsOnly(PaintPass& pass, int First, int Last, bool NoFocus);
    Rect ChangedBand(const PaintPass& pass, int First, int Last) const;
    // Every input of the picture: two paints of equal stamps draw the same picture.
    struct PaintStamp {
        quint64 Edits { 0 };       // m_Model.Edits(): the records
        size_t Settings { 0 };     // PaintSettings(): the rest of what the painter reads
        int ScrollCol { -1 };      // horizontal scroll position
        int ScrollRow { -1 };      // vertical scroll position
        int Width { -1 };          // surface size in pixels
        int Height { -1 };
        int Row { -1 };            // current cell
        int Col { -1 };
        bool operator==(const PaintStamp&) const = default;
    };
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
    void DrawRowCheckBox(PaintPass& pass, const udtRow& Row, int Top, int Height);
    void DrawCellCheckBox(PaintPass& pass, const CellSpot& Spot, bool Checked);
    void DrawCheckBox(PaintPass& pass, Rect Box, bool Checked);
    void DrawRowImage(PaintPass& pass, const udtRow& Row, int Top, int Height, bool Selected);
    void DrawCellKind(PaintPass& pass, const CellSpot& Spot, const udtColumn& Column, const udtCell& Cell, int H, Rect& R);
    void SetCellFont(PaintPass& pass, const CellLook& Look, const udtCell& Cell, bool Plain);
    int PrepareCellText(PaintPass& pass, const CellSpot& Spot, const udtRow& Row, const udtCell& Cell,
                        const QString& Text, int& Img, Rect& R);
    void DrawCellImage(PaintPass& pass, const CellSpot& Spot, const udtColumn& Column, int H, int Image, bool Selected,
                       Rect& R);
    void DrawCellPicture(PaintPass& pass, const CellSpot& Spot, const udtColumn& Column, const QPixmap& Picture);
    void DrawListImage(PaintPass& pass, int Index, int X, int Y, int Style);

    void DrawCaption();
    int DrawHeaders(bool SingleLineOnly);
    void DrawHeaderCell(int Position, int State, bool SingleLineOnly, bool RowNumberCell);
    void DrawHeaderBackground(Canvas& hDC, Rect& r, int State, bool Caption);
    void DrawHeaderStyle(Canvas& hDC, Rect& r, int State);
    void DrawHeaderGradient(Canvas& hDC, const Rect& r, int State, bool Caption, bool Alternate);
    void DrawHeader3D(Canvas& hDC, const Rect& r, int State, bool Caption, bool Alternate);
    void DrawHeaderLine(Canvas& hDC, int X1, int Y1, int X2, int Y2, qint32 Color);
    void DrawHeaderText(Canvas& hDC, const QString& Text, Rect& R, int Flags);

    // ---- Instance fields ---------------------------------------------------------------------
    GridModel m_Model;                    // records, order maps, formats, totals
    GridMetrics m_Metrics;                // pixel layout, recomputed by CalcMetrics
    int m_Col { -1 };                     // current column display position; -1 = none
    int m_Row { -1 };                     // current row display position; -1 = none
    int m_MouseCol { -1 };                // cell under the mouse; -1 = none
    int m_MouseRow { -1 };                //   (row position)
    int m_MouseDownCol { -1 };            // cell of the last mouse press; -1 = none
    int m_MouseDownRow { -1 };            //   (row position)
    int m_SortCol { -1 };                 // column number sorted by; -1 = none
    int m_SortSubCol { -1 };              // column number of the second sort key; -1 = none
    bool m_Sorting { false };             // a sort runs; a CustomSort handler cannot start another
    std::unordered_map<int, std::vector<double>> m_SortKeys; // column -> keys by record, for the running sort only
    int m_SearchColumn { 0 };             // FindItem's column when it is given -1
    int m_EditCol { -1 };                 // cell of the open in-place editor; -1 = none
    int m_EditRow { -1 };                 //   (row position)
    bool m_EditOpen { false };            // the in-place editor is showing
    bool m_Paint { false };               // painting allowed now
    bool m_PictureCurrent { false };      // the picture is a full paint of what m_PaintedStamp describes
    PaintStamp m_PaintedStamp;            // the state the picture shows; written by the paints only
    int m_PaintedRight { -1 };            // right edge of the header row the last full paint drew
    PaintStamp m_MoveStamp;               // the state a move left, differing from the picture only in
                                          //   the rows m_ChangedFirst..m_ChangedLast (set by RowColSet)
    int m_ChangedFirst { -1 };            // row positions the next DrawGrid may redraw alone; -1 = all
    int m_ChangedLast { -1 };             //   (last of them)
    bool m_Redraw { false };              // the host's Redraw
    bool m_PendingMetrics { false };      // metrics and repaint owed while painting was off
    bool m_PendingScroll { false };       // scroll-range update owed while painting was off
    bool m_CellsChanged { false };        // a cell's Changed bit was set since the last Clear
    bool m_RowHold { false };             // current row kept because the requested one is hidden
    bool m_ColHold { false };             // current column kept because the requested one is hidden or locked
    int m_RowHeightDef { 0 };             // default row height in pixels, set by CalcMetrics
    int m_RowNumberWidth { 0 };           // width of the row-number column in pixels; 0 = not shown
    NoticesUnderWay m_Notices;            // property notices whose handlers run now
    quint64 m_CellMoves { 0 };            // moves of the current cell so far, counted by SetCurrentCell

    // ---- Control-level settings --------------------------------------------------------------
    // Backing fields of the properties above, at the defaults a new instance starts with.
    bool m_AllowColumnDrag { false };     // dragging a header moves the column
    bool m_AllowColumnSwap { false };     // dropping a header exchanges two columns
    bool m_AllowColumnHover { true };     // headers light up under the mouse
    bool m_AllowColumnResizing { true };  // header borders can be dragged
    bool m_AllowColumnSort { false };     // a header click sorts
    bool m_AllowDelete { false };         // the Delete key removes rows
    bool m_AllowEdit { false };           // cells open the in-place editor
    bool m_AllowInsert { false };         // the Insert key adds a row
    bool m_AllowRowResizing { false };    // row borders can be dragged
    bool m_AllowWordWrap { false };       // rows grow to fit word-wrapped cells
    bool m_AutoToolTips { true };         // the hover tip shows cut texts
    int m_EditMove { 0 };                 // 0 stay, 1 right, 2 down after Enter ends an edit
    int m_EditTrigger { 52 };             // bits: 2 swallow Enter/Escape, 4 F2, 8 click, 16 double click, 32 typing
    qint16 m_EditKey { 0 };               // key code the editor opens with
    int m_FreezeAtCol { -1 };             // last frozen display position; -1 = none
    int m_MaxLineCount { 0 };             // line limit of a word-wrapped row; 0 = none
    int m_MinRowHeight { 0 };             // least row height in ScaleUnits
    int m_MinVerticalOffset { 2 };        // pixels above and below a row's text
    int m_ScaleUnits { 1 };               // unit of column widths: 1 twips, 2 points, 3 pixels, ...
    int m_MultiSelect { 0 };              // 0 = one selected row at a time
    bool m_ShowRowNumbers { false };      // the row-number column shows
    bool m_ShowRowNumbersVary { false };  // row numbers follow the display order
    qint16 m_Appearance { 1 };            // the window's look: 0 flat, 1 3-D
    bool m_AlphaBlendSelection { false }; // the selection is blended over the cell colours
    bool m_ApplySelectionToImages { false }; // the selection colour covers row images too
    bool m_BackColorEvenRowsEnabled { true }; // even rows are striped
    int m_BorderStyle { 1 };              // 0 none, 1 single
    QString m_Caption;                    // caption bar text; "" = no caption bar
    int m_CaptionAlignment { 5 };         // text-drawing flags of the caption
    bool m_CenterRowImage { true };       // row images are centred vertically
    qint16 m_ColumnHeaderLines { 1 };     // text lines of the header row, at least 1
    bool m_ColumnHeaders { true };        // the header row shows
    bool m_ColumnHeaderSmall { false };   // extra header lines are a third of a line high
    bool m_DisplayEllipsis { true };      // cut texts end in an ellipsis
    qint16 m_ExpandRowImage { 0 };        // image-list index of the expand mark; negative = by key
    bool m_FocusRectHide { false };       // no focus rectangle while the grid lacks the focus
    int m_FocusRectMode { 0 };            // 0 none, 1 row, 2 column
    int m_FocusRectStyle { 1 };           // light, medium, heavy
    bool m_FocusRowHighlight { true };    // the whole current row is highlighted
    bool m_FocusRowHighlightKeepTextForecolor { false }; // highlighted text keeps its own colour
    QFont m_Font { AmbientFont() };       // cell text; also the window's font
    QFont m_FontHeader { AmbientFont() }; // caption and header text
    int m_GridLines { 1 };                // 0 none, 1 both, 2 vertical, 3 horizontal
    int m_GridLineWidth { 1 };            // pixels
    QPointer<Tarvex::ImageList> m_ImageList; // row and cell images; empty = none
    qint16 m_ParentScaleMode { 1 };       // the host's scale mode when the image list came
    bool m_RowCheckBoxes { false };       // each row has a check box in its first column
    bool m_TotalsLineShow { false };      // the totals line shows under the rows
    int m_RowFirstVisible { -1 };         // first row position painted; -1 = none (set by the painter)
    int m_RowLastVisible { -1 };          // last row position painted; -1 = none (set by the painter)
    int m_ImageRowHint { -1 };            // record last found with a row image; -1 = none

    // ---- Themes and colour sets (view/Themes.cpp) -------------------------------------------
    // ThemeColor 0..4 a fixed scheme, 5 the host's gradient pair, 6 the scheme of the visual style.
    void ApplyTheme();
    void SelectThemeStyle();
    void GetVisualStyleName();                // sets m_ThemeName
    void ComputeThemeColors(int Scheme);
    GridColorSet m_Colors;                    // every colour painted with, the gradient pair included
    int m_ThemeColor { ThemeColorSystem };    // the scheme ApplyTheme applies
    int m_ThemeStyle { 2 };                   // header look 0..7
    int m_FocusRowHighlightStyle { 0 };       // 0 solid, 1 vertical, 2 horizontal gradient
    QString m_ThemeName { QStringLiteral("Classic") }; // colour-scheme name of the visual style

    // ---- Painting state ----------------------------------------------------------------------
    bool m_Terminating { false };         // a paint runs, or the control is going away: DrawGrid returns at once
    int m_HotHeaderCol { -1 };            // header position painted hot by the mouse; -1 = none
    int m_DragSourceCol { -1 };           // header positions of a column drag or swap, painted pressed;
    int m_DragTargetCol { -1 };           //   -1 = none (set by the mouse input)
    bool m_DragSelect { false };          // the mouse button is held down on a cell (set by the mouse input)
    int m_DownRow { -1 };                 //   row position of that press; -1 = none

    // ---- Lifecycle and persistence (Persistence.cpp) ------------------------------------------
    struct PersistedProperty;
    // The saved keys after the two fonts, in the order they are written.
    static const std::vector<PersistedProperty>& PersistedProperties();
    void Initialize();
    void Terminate();
    void ApplyWindowSettings();
    void ShowBorder();
    void ApplyUserMode();
    void TakeTipFont();
    QLineEdit* txtEdit { nullptr };       // the in-place editor; hidden until an edit opens
    PictureBox* picToolTip { nullptr };   // the hover tip's own window; hidden until a tip shows
    bool m_Enabled { true };              // the key-press handler's enabled flag, saved as "Enabled"
    bool m_English { false };             // the user's language is English
    bool m_IsXP { true };                 // a current system: visual styles and theme changes exist
    bool m_TipFontBold { false };         // the control font's look at creation and load, which the hover tip takes
    bool m_TipFontItalic { false };
    QString m_TipFontName;

    // ---- Scroll bars ---------------------------------------------------------------------------
    QWidget* m_hWndScroll { nullptr };    // surface whose bars are driven; null until SBAttach
    QScrollBar* m_ScrollBar[2] { nullptr, nullptr }; // bar 0 horizontal, 1 vertical; children of the surface
    ScrollInfo m_ScrollInfo[2];           // the platform's record of each bar
    bool m_StdScrollBars { false };       // standard look instead of the flat one; once set, kept
    int m_FlatSBStyle { 0 };              // flat style last applied: 0 regular, 1 and 2 flat
    bool m_HScrollShown { false };        // the layer's record of what shows
    bool m_VScrollShown { false };
    int m_ScrollBars { 2 };               // 0 horizontal only, 1 vertical only, 2 both
    int m_ScrollBarStyle { 0 };           // 1 standard bars, anything else flat
    bool m_ScrollTrack { true };          // repaint while the thumb is dragged
    qint16 m_AutoScrollDir { 0 };         // running drag auto-scroll: 0 none, 1 up, 2 down (the mouse handler clears it)
    int m_ScrollBarWaits[2] { 0, 0 };     // signals of each bar being handled, whose sender goes on afterwards
};

} // namespace Tarvex
