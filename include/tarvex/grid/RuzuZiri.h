#pragma once

// RuzuZiri: a data grid for large row counts.
//
// Index of this header
//   Events ........................ signals, in their fixed order
//   Columns and rows .............. AddColumn, AddRow/AddItem, RemoveRow/RemoveItem, DeleteSelected,
//                                   Clear, ClearAll, Redraw, Refresh, Cols, CheckedCount
//   Cells ......................... Cell* properties, FormatCells, FormatCellsAlignment
//   Column properties and sizing .. Col* properties, BindControl, ColWidthAutoSize, ColForceFit
//   Rows and current cell ......... Row*, SelectedClearAll, SelectedCount, MultiSelect, RowColSet
//   Scroll bars ................... ScrollBars, ScrollBarStyle, ScrollTrack, SBLargeChange
//   Sorting ....................... Sort
//   Find and filter ............... FindItem, FilterOn, FilterOff, RowVisible, SearchColumn
//   Behaviour ..................... Allow*, Edit*, FreezeAtCol, row sizes, ForceCellEdit, GetInfo, UpdateCell
//   Appearance .................... fonts, caption, headers, focus, grid lines
//   Colours and themes ............ colour properties, ThemeColor, ThemeStyle
//   Totals line ................... TotalsLineShow, TotalsCol, TotalsLineCaption, TotalsLineColAvg
//   Grid state .................... EditPending, hWnd, Rows, MouseCol, MouseRow, RowFirstVisible, ...,
//                                   VisibleHeight, VisibleWidth
//   Number parsing ................ rVal
//   Export and column arrangement . ExportGrid, ColOrder*, ColWidths*
//   Lifecycle and persistence ..... InitProperties, ReadProperties, WriteProperties
//
// Rows are addressed by display position and columns by column number unless a member says
// otherwise; -1 stands for the current row or column where a member says so, and a row, column or
// index out of range does nothing and returns the empty value.

#include <tarvex/platform/UserControl.h>

#include <QFont>
#include <QString>
#include <QVariant>

#include <memory>

class QPixmap;

namespace Tarvex {

class ImageList;
class PropertyBag;
class RuzuZiriPrivate;

class RuzuZiri : public UserControl {
    Q_OBJECT

public:
    explicit RuzuZiri(QWidget* parent = nullptr);
    ~RuzuZiri() override;

    // ---- Events ------------------------------------------------------------------------------
signals:
    void Click();
    void DblClick();
    // KeyCode is the key as it came, 0 for a key that only types a character (an umlaut, a letter
    // of another script, a hyphen); a host that sets it to 0 swallows the key, which then types
    // nothing and goes no further. KeyPress hears the character, which a host swallows the same way.
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
    bool Redraw() const;
    void Redraw(bool New_Redraw);
    void Refresh();
    int Cols() const;
    int CheckedCount() const;
    int ItemCount() const;

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
    bool CellsChanged() const;
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
    int Row() const;
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
    int SelectedCount() const;
    // vCol is a column number; -1 keeps the current row or column.
    void RowColSet(int vRow, int vCol);
    int MultiSelect() const;
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
    int SearchColumn() const;
    void SearchColumn(int New_SearchColumn);

    // ---- Behaviour ---------------------------------------------------------------------------
    // Drag moves a column, swap exchanges two; at most one of them is on.
    bool AllowColumnDrag() const;
    void AllowColumnDrag(bool New_AllowColumnDrag);
    bool AllowColumnSwap() const;
    void AllowColumnSwap(bool New_AllowColumnSwap);
    bool AllowColumnHover() const;
    void AllowColumnHover(bool New_AllowColumnHover);
    bool AllowColumnResizing() const;
    void AllowColumnResizing(bool New_AllowColumnResizing);
    bool AllowColumnSort() const;
    void AllowColumnSort(bool New_AllowColumnSort);
    bool AllowDelete() const;
    void AllowDelete(bool New_AllowDelete);
    bool AllowEdit() const;
    void AllowEdit(bool New_AllowEdit);
    bool AllowInsert() const;
    void AllowInsert(bool New_AllowInsert);
    bool AllowRowResizing() const;
    void AllowRowResizing(bool New_AllowRowResizing);
    bool AllowWordWrap() const;
    void AllowWordWrap(bool New_AllowWordWrap);
    bool AutoToolTips() const;
    void AutoToolTips(bool New_AutoToolTips);
    // Least number of row records added at each growth; a negative value means 10.
    int CacheIncrement() const;
    void CacheIncrement(int New_CacheIncrement);
    // After Enter ends an edit: 0 stay on the cell, 1 move right, 2 move down.
    int EditMove() const;
    void EditMove(int New_EditMove);
    // What opens the editor: 2 Enter and Escape swallowed, 4 F2, 8 click, 16 double click, 32 typing.
    int EditTrigger() const;
    void EditTrigger(int New_EditTrigger);
    bool Enabled() const { return isEnabled(); }
    void Enabled(bool New_Enabled);
    // Display positions 0..FreezeAtCol stay put when the grid scrolls sideways; -1 = none.
    int FreezeAtCol() const;
    void FreezeAtCol(int New_FreezeAtCol);
    // Lines a word-wrapped row may grow to; 0 = no limit.
    int MaxLineCount() const;
    void MaxLineCount(int New_MaxLineCount);
    // Least row height, in ScaleUnits.
    int MinRowHeight() const;
    void MinRowHeight(int New_MinRowHeight);
    // Pixels above and below the text of a row.
    int MinVerticalOffset() const;
    void MinVerticalOffset(int New_MinVerticalOffset);
    // Unit of the widths AddColumn and ColWidth take: 1 twips, 2 points, 3 pixels, ...
    int ScaleUnits() const;
    void ScaleUnits(int New_ScaleUnits);
    bool ShowRowNumbers() const;
    void ShowRowNumbers(bool New_ShowRowNumbers);
    bool ShowRowNumbersVary() const;
    void ShowRowNumbersVary(bool New_ShowRowNumbersVary);
    // Opens the editor on the cell (column number) even where editing is not allowed.
    void ForceCellEdit(int lNewRow, int lNewCol, bool bBlankCell = false);
    // Commits the open edit through AfterEdit, which may change the value or cancel; then, with
    // bAllowMove, the current cell moves by EditMove. The value goes into the edited row wherever
    // the host's sorts, inserts and removals have moved it. False when AfterEdit was cancelled (the
    // edit stays open), when the edited row is gone (the edit closes, nothing is stored) or when a
    // handler deleted the grid.
    bool UpdateCell(bool bAllowMove);
    // Locale information of the user's default locale (4097: the English name of the language).
    static QString GetInfo(int lInfo);

    // ---- Appearance ----------------------------------------------------------------------------
    qint16 Appearance() const;
    void Appearance(qint16 New_Appearance);
    bool AlphaBlendSelection() const;
    void AlphaBlendSelection(bool New_AlphaBlendSelection);
    bool ApplySelectionToImages() const;
    void ApplySelectionToImages(bool New_ApplySelectionToImages);
    bool BackColorEvenRowsEnabled() const;
    void BackColorEvenRowsEnabled(bool New_BackColorEvenRowsEnabled);
    // 0 none, 1 single.
    int BorderStyle() const;
    void BorderStyle(int New_BorderStyle);
    QString Caption() const;
    void Caption(const QString& New_Caption);
    int CaptionAlignment() const;
    void CaptionAlignment(int New_CaptionAlignment);
    bool CenterRowImage() const;
    void CenterRowImage(bool New_CenterRowImage);
    // Text lines of the header row; at least 1.
    qint16 ColumnHeaderLines() const;
    void ColumnHeaderLines(qint16 New_ColumnHeaderLines);
    bool ColumnHeaders() const;
    void ColumnHeaders(bool New_ColumnHeaders);
    // Extra header lines a third of a text line high.
    bool ColumnHeaderSmall() const;
    void ColumnHeaderSmall(bool New_ColumnHeaderSmall);
    bool DisplayEllipsis() const;
    void DisplayEllipsis(bool New_DisplayEllipsis);
    // The image-list entry drawn as a row's expand mark: read as its key when given by key.
    QVariant ExpandRowImage() const;
    void ExpandRowImage(const QVariant& New_ExpandRowImage);
    bool FocusRectHide() const;
    void FocusRectHide(bool New_FocusRectHide);
    // 0 none, 1 row, 2 column.
    int FocusRectMode() const;
    void FocusRectMode(int New_FocusRectMode);
    int FocusRectStyle() const;
    void FocusRectStyle(int New_FocusRectStyle);
    bool FocusRowHighlight() const;
    void FocusRowHighlight(bool New_FocusRowHighlight);
    QFont Font() const;
    void Font(const QFont& New_Font);
    QFont FontHeader() const;
    void FontHeader(const QFont& New_FontHeader);
    // 0 none, 1 both, 2 vertical only, 3 horizontal only (what the painter draws for each).
    int GridLines() const;
    void GridLines(int New_GridLines);
    int GridLineWidth() const;
    void GridLineWidth(int New_GridLineWidth);
    // Held, not owned; not saved with the control.
    Tarvex::ImageList* ImageList() const;
    void ImageList(Tarvex::ImageList* New_ImageList);
    bool RowCheckBoxes() const;
    void RowCheckBoxes(bool New_RowCheckBoxes);

    // ---- Colours and themes --------------------------------------------------------------------
    // OLE colours. A scheme (ThemeColor 0..4, or 6 for the one matching the visual style) sets most
    // of them at once; 5 keeps the host's own.
    qint32 BackColor() const;
    void BackColor(qint32 New_BackColor);
    qint32 BackColorBkg() const;
    void BackColorBkg(qint32 New_BackColorBkg);
    qint32 BackColorEdit() const;
    void BackColorEdit(qint32 New_BackColorEdit);
    qint32 BackColorEvenRows() const;
    void BackColorEvenRows(qint32 New_BackColorEvenRows);
    qint32 BackColorSel() const;
    void BackColorSel(qint32 New_BackColorSel);
    qint32 FocusRectColor() const;
    void FocusRectColor(qint32 New_FocusRectColor);
    qint32 ForeColor() const;
    void ForeColor(qint32 New_ForeColor);
    qint32 ForeColorEdit() const;
    void ForeColorEdit(qint32 New_ForeColorEdit);
    qint32 ForeColorHdr() const;
    void ForeColorHdr(qint32 New_ForeColorHdr);
    qint32 ForeColorSel() const;
    void ForeColorSel(qint32 New_ForeColorSel);
    qint32 GridColor() const;
    void GridColor(qint32 New_GridColor);
    // Highlighted row text keeps the cell's own colour.
    bool FocusRowHighlightKeepTextForecolor() const;
    void FocusRowHighlightKeepTextForecolor(bool New_FocusRowHighlightKeepTextForecolor);
    // 0 solid, 1 vertical gradient, 2 horizontal gradient.
    int FocusRowHighlightStyle() const;
    void FocusRowHighlightStyle(int New_FocusRowHighlightStyle);
    int ThemeColor() const;
    void ThemeColor(int New_ThemeColor);
    // The header gradient of the custom scheme; taken only while ThemeColor is 5.
    qint32 ThemeCustomColorFrom() const;
    void ThemeCustomColorFrom(qint32 New_ThemeCustomColorFrom);
    qint32 ThemeCustomColorTo() const;
    void ThemeCustomColorTo(qint32 New_ThemeCustomColorTo);
    // Header look 0..7.
    int ThemeStyle() const;
    void ThemeStyle(int New_ThemeStyle);

    // ---- Totals line ---------------------------------------------------------------------------
    // vCol is a column number; a column that does not exist reads 0 or empty and ignores writes.
    bool TotalsLineShow() const;
    void TotalsLineShow(bool New_TotalsLineShow);
    double TotalsCol(int vCol) const;
    QString TotalsLineCaption(int vCol) const;
    void TotalsLineCaption(int vCol, const QString& New_TotalsLineCaption);
    bool TotalsLineColAvg(int vCol) const;
    void TotalsLineColAvg(int vCol, bool New_TotalsLineColAvg);

    // ---- Grid state ----------------------------------------------------------------------------
    bool EditPending() const;
    // The native window that shows the control; 0 while it has none.
    quintptr hWnd() const;
    int Rows() const;
    // Column number under the mouse; -1 over no column, 0 when there are no columns.
    int MouseCol() const;
    // Row position under the mouse; -1 = none.
    int MouseRow() const;
    int RowFirstVisible() const;
    int RowLastVisible() const;
    // Usable client size in twips, without border, scroll bars and row numbers.
    int VisibleHeight();
    int VisibleWidth();

    // ---- Scroll bars -------------------------------------------------------------------------
    // 0 horizontal bar only, 1 vertical only, 2 both; takes effect at the next range update.
    int ScrollBars() const;
    void ScrollBars(int New_ScrollBars);
    // 1 standard bars, anything else flat ones.
    int ScrollBarStyle() const;
    void ScrollBarStyle(int New_ScrollBarStyle);
    // Repaint while the thumb is dragged.
    bool ScrollTrack() const;
    void ScrollTrack(bool New_ScrollTrack);
    // The page of bar eBar (0 horizontal, 1 vertical); the last reachable position stays put.
    int SBLargeChange(int eBar) const;
    void SBLargeChange(int eBar, int iLargeChange);

    // ---- Number parsing ----------------------------------------------------------------------
    // The grid's own tolerant reading of a text as a number, offered to hosts as well.
    static double rVal(const QString& vString);

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

    // ---- Lifecycle and persistence -----------------------------------------------------------
    // The design-time settings in the host's property bag (Persistence.cpp). A new control placed
    // by a host gets InitProperties, a restored one ReadProperties; both leave painting off until
    // the host turns Redraw on. Only in run mode (UserMode) does a loaded grid get its scroll bars.
    static inline const QString ControlType = QStringLiteral("Tarvex.RuzuZiri");
    void InitProperties() override;
    void ReadProperties(PropertyBag& PropBag) override;
    void WriteProperties(PropertyBag& PropBag) override;

protected:
    void Resize() override;
    bool event(QEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void wheelEvent(QWheelEvent* Event) override;
    // The grid's keys; one it does not use goes on to the host's window, as any widget's does.
    void keyPressEvent(QKeyEvent* Event) override;
    void keyReleaseEvent(QKeyEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void dragEnterEvent(QDragEnterEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;

private:
    friend class RuzuZiriPrivate;
    std::unique_ptr<RuzuZiriPrivate> d; // the state and the helpers behind the public face; never null
};

} // namespace Tarvex
