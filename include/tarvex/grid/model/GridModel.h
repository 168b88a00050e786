#pragma once

#include <tarvex/grid/model/GridRecords.h>
#include <tarvex/grid/model/PositionSet.h>

#include <QStringView>
#include <QVariant>

#include <functional>
#include <memory>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace Tarvex {

// The five look fields of a shared cell format: what two cells must agree on to share a record.
struct CellLook {
    qint32 BackColor { 0 };
    qint32 ForeColor { 0 };
    QString FontName;
    bool HandPointer { false };
    qint16 Image { 0 };

    bool operator==(const CellLook&) const = default;
};

// A running sum with Neumaier's compensation: Sum + Compensation is the total.
struct CompensatedSum {
    double Sum { 0 };
    double Compensation { 0 };
};

struct CellLookHash {
    size_t operator()(const CellLook& look) const noexcept;
};

// The grid's whole content: records, order maps, shared formats and running totals, with the
// operations that keep them consistent. It needs no widget; RuzuZiri owns one and raises the events.
//
// Invariants (checked by the tests after every step of a random run):
//  - m_Columns, m_ColOrder, m_Totals, m_TotalsValue and every live row's Cells have Cols() elements,
//    and m_ColOrder holds each column number once;
//  - m_Rows and m_RowOrder have ItemCount() elements, and m_RowOrder holds each record number once;
//  - a format's UseCount is the number of live cells whose FormatIndex names it;
//  - m_TotalsValue[c] is the sum of rVal over the texts of column c, added with compensation so that
//    it does not drift, and recomputed from the cells when its running sum overflowed.
class GridModel {
public:
    GridModel();

    // ---- Reading ---------------------------------------------------------------------------
    const std::vector<udtColumn>& Columns() const { return m_Columns; }
    const std::vector<int>& ColOrder() const { return m_ColOrder; }
    const std::vector<udtRow>& Rows() const { return m_Rows; }
    const std::vector<int>& RowOrder() const { return m_RowOrder; }
    const std::vector<udtCellFormat>& CellFormats() const { return m_CellFormats; }
    const std::vector<udtTotals>& Totals() const { return m_Totals; }
    const std::vector<double>& TotalsValue() const { return m_TotalsValue; }
    int LastRow() const { return m_LastRow; }
    int CacheIncrement() const { return m_CacheIncrement; }

    int Cols() const { return static_cast<int>(m_Columns.size()); }
    int ItemCount() const { return m_LastRow + 1; }
    bool IsColumn(int Col) const { return Col >= 0 && Col < Cols(); }
    bool IsRowPosition(int Row) const { return Row >= 0 && Row <= m_LastRow; }
    const udtRow& RowAt(int Position) const { return m_Rows[m_RowOrder[Position]]; }
    const udtCell& CellAt(int Position, int Col) const { return RowAt(Position).Cells[Col]; }
    CellLook LookOf(const udtCell& Cell, const CellLook& Default) const;
    int CheckedCount() const;
    QString CellTag(int Position, int Col) const;
    std::shared_ptr<QPixmap> CellPicture(int Position, int Col) const;
    // What the totals line shows for a column: its running total, or with ColAvg the average over
    // the rows that total covers (every live row; no rows gives 0).
    double TotalsLineValue(int Col) const;

    // Counts the changes of rows, columns and display order: an operation that raised an event
    // compares it with the count it saw before, to learn whether the handler changed the grid.
    quint64 Revision() const { return m_Revision; }
    // Counts every change of the records, whatever it touched: while it stands still, everything
    // the grid shows of them is as it was.
    quint64 Edits() const { return m_Edits; }

    // Kept current by every change of rows, heights and visibility, so that scrolling and moving
    // the current cell never sum or search all rows.
    long long VisibleRowsHeight() const { return m_VisibleRowsHeight; }
    // Display positions of shown rows (Visible set), found through an index kept beside that sum,
    // in O(log n) however many hidden rows lie between: the first at or after Position
    // (ItemCount() when none), the last at or before it (-1 when none), how many come before it.
    int NextShownRow(int Position) const;
    int PrevShownRow(int Position) const;
    int ShownRowsBefore(int Position) const;
    // The first row at or after Position that the painter gives a line: a shown row, or a group
    // header, which shows even when filtered out. ItemCount() when none.
    int NextLinedRow(int Position) const;
    int SelectedCount() const { return int(m_SelectedRecords.size()); }
    bool IsRecordSelected(int Record) const { return m_SelectedRecords.contains(Record); }

    // ---- Rows and columns --------------------------------------------------------------------
    // Appends the column record; Index 1..Cols()-1 shows it at that display position, anything else
    // appends. Existing rows get a new empty cell in the given look. Returns the display position.
    int AddColumn(const udtColumn& Column, int Index, const CellLook& Look);

    // Adds a row record whose cells take the TAB-separated texts of Item (extra texts are dropped)
    // and the given look. Position 0..ItemCount()-1 inserts there, anything else appends.
    // Returns the display position.
    int AddRow(QStringView Item, int Position, const CellLook& Look);

    // Removes the row shown at Position, closing the gap in the records and the order map.
    void RemoveRow(int Position);

    // Removes every row whose record satisfies Doomed in one pass; returns how many went.
    int RemoveRows(const std::function<bool(const udtRow&)>& Doomed);

    // All rows gone, columns kept; the format table shrinks back to one free record.
    void Clear();
    // All columns and rows gone.
    void ClearAll();

    // Least number of row records added at each growth; a negative value means 10. The property and
    // the loader of saved settings both come through here.
    void CacheIncrement(int New_CacheIncrement) { m_CacheIncrement = New_CacheIncrement < 0 ? 10 : New_CacheIncrement; }

    // ---- Display order -----------------------------------------------------------------------
    // Shows the rows in record order again.
    void ResetRowOrder();
    // Puts the rows shown at First..Last in the order of their records' keys (ties keep their order).
    void SortRowStretch(int First, int Last, const std::vector<double>& Keys, bool GreatestFirst);
    // The records shown at First..Last.
    std::vector<int> RowStretch(int First, int Last) const;
    // Shows Records at First.. when the stretch still holds Before and Records reorders it;
    // false, and nothing changed, otherwise (the rows moved meanwhile).
    bool ReorderRowStretch(int First, const std::vector<int>& Before, const std::vector<int>& Records);

    // ---- Fields of the records ---------------------------------------------------------------
    // Rows are display positions unless the name says record; out-of-range arguments change nothing.
    // A column record holds no field that another record depends on, so any field may be set.
    template <typename Field, typename Value>
    void SetColumnField(int Col, Field udtColumn::*Member, const Value& New_Value)
    {
        ++m_Edits;
        if (IsColumn(Col))
            m_Columns[size_t(Col)].*Member = static_cast<Field>(New_Value);
    }
    void SetRowFlag(int Position, qint32 Mask, bool On);
    void SetRowVisible(int Position, bool Visible);
    void SetRecordVisible(int Record, bool Visible);
    void SetRowHeight(int Position, qint32 Height);
    void SetRowData(int Position, qint32 RowData);
    // Clears the Selected bit of every row, at the cost of the selected rows; true when any was set.
    bool ClearSelection();
    void SetRowTag(int Position, const QString& Tag);
    void SetRowImage(int Position, qint32 Image);
    void SetRowGroupHeader(int Position, bool GroupHeader);
    void SetCellFlag(int Position, int Col, qint32 Mask, bool On);
    void SetCellAlignment(int Position, int Col, qint16 Alignment);
    // Rows counted as records, in creation order, not as display positions.
    void SetCellAlignmentOfRecords(int RecordFrom, int RecordTo, int ColFrom, int ColTo, qint16 Alignment);
    // Clamped to 0..100.
    void SetCellProgress(int Position, int Col, int Value);
    void SetCellTag(int Position, int Col, const QString& Tag);
    void SetCellPicture(int Position, int Col, const std::shared_ptr<QPixmap>& Picture);
    // The totals-line settings of an existing column.
    void SetTotals(int Col, const udtTotals& Totals);

    // Replaces a cell's text, keeping the column total and a check-box cell's check in step.
    void StoreText(int Record, int Col, QStringView Text);

    // Gives the cell the shared format equal to its current look with one field changed by Code;
    // cells without a format start from Default (the control's colours and font).
    void ApplyCellFormat(int Position, int Col, int Code, const QVariant& Value, const CellLook& Default);

    // ---- Records followed across a host's handlers ---------------------------------------------
    // The record shown at Position (-1 for none), kept current for as long as the caller holds it:
    // it counts down as records before it go and becomes -1 when its own row goes. Sorting and
    // inserting move rows on the display, not their records, so a record names the same row
    // wherever it shows; PositionOfRecord finds it there (-1 when gone), at once when it still
    // stands at Hint.
    std::shared_ptr<int> FollowRecord(int Position);
    int PositionOfRecord(int Record, int Hint) const;

    // Shows the columns in Order (display position -> column number). An order that does not name
    // every column exactly once is refused whole and changes nothing; returns whether it was taken.
    bool SetColOrder(const std::vector<int>& Order);
    // Display order = creation order.
    void ResetColOrder();

private:
    bool IsCell(int Position, int Col) const { return IsRowPosition(Position) && IsColumn(Col); }
    udtRow& MutableRowAt(int Position) { return m_Rows[size_t(m_RowOrder[size_t(Position)])]; }
    void GrowRowsIfFull();
    void ShrinkRowsIfSparse();
    size_t SpareRecordsWanted() const; // the cache increment, held to what one growth may sensibly reserve
    void ForgetRow(const udtRow& Row);
    int FindOrAddFormat(const CellLook& Look);
    void RetainFormat(int Index, int Count = 1);
    void ReleaseFormat(int Index);
    void ResetFormats();
    void AddToTotal(int Col, double Value);
    void SettleTotals();
    void RecomputeTotal(int Col);
    void ResetTotals();
    void NoteRowFlags(int Record, qint16 Before);
    void NoteRowShown(const udtRow& Row, int Sign);
    static bool IsHiddenHeader(const udtRow& Row) { return Row.GroupHeader && !Row.Visible; }
    void ChangeVisible(udtRow& Row, bool Visible);
    void ReindexRow(int Position, bool WasShown, bool WasHiddenHeader);
    void EnsureShownIndex() const;
    void RenumberSelectedAfterRemoval(int Record);
    void RenumberFollowed(const std::function<int(int)>& NewRecord);

    std::vector<udtColumn> m_Columns;        // column number (creation order) -> column
    std::vector<int> m_ColOrder;             // display position -> column number
    std::vector<udtRow> m_Rows;              // record number -> row; records 0..m_LastRow are live
    std::vector<int> m_RowOrder;             // display position -> record number
    std::vector<udtCellFormat> m_CellFormats; // shared looks; UseCount 0 = free for reuse
    std::vector<udtTotals> m_Totals;         // column number -> totals-line settings
    std::vector<double> m_TotalsValue;       // column number -> running sum of rVal of its texts
    int m_LastRow { -1 };                    // highest live record and position; -1 = no rows
    int m_CacheIncrement { 10 };             // least number of row records added at each growth
    std::unordered_map<CellLook, int, CellLookHash> m_FormatByLook; // look -> a record holding it
    std::set<int> m_FreeFormats;              // records with UseCount 0, lowest first
    quint64 m_Revision { 0 };                 // see Revision()
    std::vector<CompensatedSum> m_TotalsSums; // column number -> the running sum behind m_TotalsValue
    bool m_TotalsOverflowed { false };        // a running sum stopped being finite; SettleTotals mends it
    quint64 m_Edits { 0 };                    // see Edits()
    long long m_VisibleRowsHeight { 0 };      // sum of Height over the live rows whose Visible is set
    mutable PositionSet m_ShownPositions;     // display positions whose row is Visible
    mutable PositionSet m_HiddenHeaders;      // display positions of group headers that are not Visible
    mutable bool m_ShownIndexStale { false }; // the two sets lag behind the order map; rebuilt when read
    std::unordered_set<int> m_SelectedRecords; // records whose Selected bit is set
    std::vector<std::weak_ptr<int>> m_Followed; // records callers follow (FollowRecord); expired ones
                                                //   are dropped as new ones come
};

} // namespace Tarvex
