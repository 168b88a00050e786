#pragma once

// RuzuZiri: a data grid for large row counts.
//
// Index of this header
//   Events ........................ signals, in their fixed order
//   Columns and rows .............. AddColumn, AddRow/AddItem, RemoveRow/RemoveItem, DeleteSelected,
//                                   Clear, ClearAll, Redraw, Refresh, Cols, CheckedCount  (Rows.cpp, Columns.cpp)
//   Cells ......................... Cell* properties, FormatCells, FormatCellsAlignment  (Cells.cpp, CellFormatting.cpp)
//   Column properties and sizing .. Col* properties, BindControl, ColWidthAutoSize, ColForceFit
//                                   (Columns.cpp, view/ColumnSizing.cpp)
//   Rows and current cell ......... Row, RowChecked, RowSelected, MultiSelect  (RowAccess.cpp)
//   Sorting ....................... Sort  (model/Sorting.cpp, model/SortingEngine.cpp)
//   Find and filter ............... FindItem, FilterOn, FilterOff, RowVisible, SearchColumn  (model/FindFilter.cpp)
//   Number parsing ................ rVal (model/NumberParsing.cpp)
//   Export and column arrangement . ExportGrid, ColOrder*, ColWidths*  (Export.cpp, ColumnStore.cpp,
//                                   model/Export.cpp, model/ColumnStore.cpp)
//   Storage ....................... Model(): the records, read-only
//   Private: shared helpers, sorting and filter helpers, refresh request, metrics, current cell,
//            instance fields
//
// Call flow
//   AddItem -> AddRow -> m_Model.AddRow (records, formats, totals)
//           -> RefreshIfRedraw: painting on -> Refresh; off -> m_PendingMetrics/m_PendingScroll owed
//           -> RowCountChanged
//   Redraw(true) -> UpdateScrollRanges (if owed) -> CalcMetrics (if owed) -> DrawGrid
//   DrawGrid -> paint of the visible rows -> RequestRowData(last visible position, -1 when empty)
//   Cell writer -> FixRef -> change the record -> DrawGrid(m_Paint)
//   RemoveRow -> m_Model.RemoveRow -> selection follows -> SetCurrentCell if the current row went
//             -> RowCountChanged

#include "grid/model/GridModel.h"
#include "grid/model/NumberParsing.h"
#include "grid/model/SortingEngine.h"
#include "grid/view/GridMetrics.h"
#include "platform/UserControl.h"

#include <QPixmap>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

namespace Tarvex {

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
    int Row() const { return m_Row; }
    bool RowChecked(int vRow) const;
    void RowChecked(int vRow, bool New_RowChecked);
    bool RowSelected(int vRow) const;
    void RowSelected(int vRow, bool New_RowSelected);
    void RowColSet(int vRow, int vCol);
    int MultiSelect() const { return m_MultiSelect; }
    void MultiSelect(int New_MultiSelect);

    // ---- Sorting -----------------------------------------------------------------------------
    // vCol1: primary column, -1 = the display position stored by the header click; vCol1SortType:
    // 0 record order, 1 greatest first, 2 smallest first, -1 = next of 0 -> 2 -> 1 -> 0; vCol2: column
    // that orders rows of equal primary text, -1 = keep; vCol2SortType: -1 = the primary's.
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

    // ---- Number parsing ----------------------------------------------------------------------
    // The grid's own tolerant reading of a text as a number, offered to hosts as well.
    static double rVal(const QString& vString) { return Tarvex::rVal(vString); }

    // ---- Export and column arrangement -------------------------------------------------------
    // Writes the grid to <desktop>/<strGridName>.csv and offers to open it; reports through MsgBox.
    void ExportGrid(const QString& strGridName, bool vbVisibleColsOnly = false, bool vbVisibleRowsOnly = false,
                    bool vbBooleanAsText = false);
    // The display order and the widths of the columns in the per-user settings store, in the
    // section UniqueGridName of the application's name. A stored order of another column set, or
    // one that does not name each column once, is ignored.
    void ColOrderSave(const QString& UniqueGridName);
    void ColOrderLoad(const QString& UniqueGridName);
    void ColOrderRestore(const QString& UniqueGridName);
    void ColWidthsSave(const QString& UniqueGridName);
    void ColWidthsLoad(const QString& UniqueGridName);

    // ---- Storage -----------------------------------------------------------------------------
    // The records, read-only: for tests that check their invariants and for diagnostics.
    const GridModel& Model() const { return m_Model; }

private:
    // ---- Shared helpers ----------------------------------------------------------------------
    bool IsValidCell(int Row, int Col) const { return Row >= 0 && Col >= 0; }
    bool CanEdit() const { return m_AllowEdit && m_Model.m_LastRow >= 0; }
    bool HasImages(bool Ignore) const { return m_Metrics.ImageWidth > 3 && !Ignore; }
    void EnablePaint(bool On) { m_Paint = On ? m_Redraw : false; }
    bool FixRef(int& vRow, int& vCol) const;
    bool FixRange(int& RowTo, int& ColTo) const;
    bool IsRange(int RowFrom, int RowTo, int ColFrom, int ColTo) const;
    // Valid until a text of the cell's row is written (the row's block is rebuilt then).
    udtCell* CellRef(int& vRow, int& vCol);
    const udtCell* CellRef(int& vRow, int& vCol) const;
    CellLook ControlLook() const;
    void ApplyCellFormat(int vRow, int vCol, int Code, const QVariant& Value);
    bool CellFlagBit(int vRow, int vCol, qint32 Mask) const;
    void CellFlagBit(int vRow, int vCol, qint32 Mask, bool On);
    bool RowFlagBit(int vRow, qint32 Mask) const;
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
    void SortRows(int First, int Last, int Col, qint16 Order);
    void SortRowsType3(int First, int Last, int Col, qint16 Order);
    void SortRowsDate(int First, int Last, int Col, qint16 Order);
    void SortRowsNumeric(int First, int Last, int Col, qint16 Order);
    void SortRowsCustom(int First, int Last, int Col, qint16 Order);
    void SortRowsText(int First, int Last, int Col, qint16 Order);
    void SortSubRanges();
    void SortRowsByKeys(int First, int Last, qint16 Order, const std::vector<double>& Keys);
    const std::vector<double>& SortKeys(int Col, const std::function<std::vector<double>()>& Build);
    SortingEngine::TextOfRecord SortTexts(int Col) const;
    bool TakeSortColumns(int vCol1, int vCol2);

    // ---- Find and filter (private) -----------------------------------------------------------
    void SBSetPos(int Bar, int Position); // the vertical position FilterOff sets, until the scroll bars exist

    // ---- Export and column arrangement (private) ---------------------------------------------
    void OpenExportedFile(const QString& Path);
    QString m_Caption;                    // the caption line of the export, until the caption property lands

    // ---- Refresh request, metrics, painting (the view completes these) ----------------------
    void RefreshIfRedraw();
    void CalcMetrics();
    void CalcRowHeight(int Row);
    void UpdateScrollRanges();
    void DrawGrid(bool Paint);
    bool SetCurrentCell(int Row, int Col, bool DoScroll, bool Apply);
    int VisibleWidth() const;
    int TextWidth(const QString& Text, const QString& FontName, bool Bold, bool Italic, bool Underline) const;

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
    int m_ScrollPos[2] { 0, 0 };          // scroll position of bar 0 (horizontal) and 1 (vertical)
    int m_EditCol { -1 };                 // cell of the open in-place editor; -1 = none
    int m_EditRow { -1 };                 //   (row position)
    bool m_EditOpen { false };            // the in-place editor is showing
    bool m_Paint { false };               // painting allowed now
    bool m_Redraw { false };              // the host's Redraw
    bool m_PendingMetrics { false };      // metrics and repaint owed while painting was off
    bool m_PendingScroll { false };       // scroll-range update owed while painting was off
    bool m_CellsChanged { false };        // a cell's Changed bit was set since the last Clear
    bool m_RowHold { false };             // current row kept because the requested one is hidden
    bool m_ColHold { false };             // current column kept because the requested one is hidden or locked
    int m_RowHeightDef { 0 };             // default row height in pixels, set by CalcMetrics
    int m_RowNumberWidth { 0 };           // width of the row-number column in pixels; 0 = not shown

    // Control-level settings the rows and cells consult; their properties come with the settings.
    qint32 m_BackColor { qint32(0x80000005) };
    qint32 m_ForeColor { qint32(0x80000008) };
    qint32 m_ProgressBarColor { 0x8080FF };
    int m_ScaleUnits { 1 };               // unit of column widths: 1 twips, 2 points, 3 pixels, ...
    int m_MultiSelect { 0 };
    int m_MinVerticalOffset { 2 };
    bool m_AllowEdit { false };
    bool m_AllowWordWrap { false };
    bool m_TotalsLineShow { false };
    bool m_ShowRowNumbers { false };
};

} // namespace Tarvex
