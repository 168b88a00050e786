#pragma once

#include "grid/RuzuZiri.h"
#include "grid/view/PaintPass.h"

namespace Tarvex {

// The grid's private layout, as the painter and the mouse handlers see it.
struct RuzuZiriProbe {
    RuzuZiri& Grid;

    const GridMetrics& Metrics() const { return Grid.m_Metrics; }
    int RowHeightDef() const { return Grid.m_RowHeightDef; }
    bool WorkOwed() const { return Grid.m_PendingMetrics && Grid.m_PendingScroll; }
    void RowNumberWidth(int Width) { Grid.m_RowNumberWidth = Width; }
    int RowNumberWidth() const { return Grid.m_RowNumberWidth; }
    QString TotalsText(int Col) const { return Grid.TotalsText(Col); }
    void DrawHeaderCell(int Position, int State) { Grid.DrawHeaderCell(Position, State, false, false); }
    // Puts a bar at a position whether or not it shows, as the layout tests need.
    void ScrollPos(int Bar, int Position) { Grid.m_ScrollInfo[Bar].Pos = Position; }
    int ScrollPos(int Bar) const { return Grid.SBGetPos(Bar); }
    void ShowBar(int Bar) { Grid.SBShow(Bar, true); }
    int ScrollMax(int Bar) const { return Grid.SBGetMax(Bar); }
    bool SetCurrentCell(int Row, int Position, bool DoScroll, bool Apply)
    {
        return Grid.SetCurrentCell(Row, Position, DoScroll, Apply);
    }
    int NextNavigableRow(int Step, qint16 Mask) const { return Grid.NextNavigableRow(Step, Mask); }
    int PrevNavigableRow(int Step, qint16 Mask) const { return Grid.PrevNavigableRow(Step, Mask); }
    int NextNavigableCol(bool FromStart) const { return Grid.NextNavigableCol(FromStart); }
    int PrevNavigableCol(bool FromEnd) const { return Grid.PrevNavigableCol(FromEnd); }
    void CurrentCell(int Row, int Position) { Grid.m_Row = Row; Grid.m_Col = Position; }
    void DragAutoScroll(qint16& Direction) { Grid.DragAutoScroll(Direction); }
    void AutoScrollDir(qint16 Direction) { Grid.m_AutoScrollDir = Direction; }
    // The text flags a cell is drawn with, the image it shows and where its text goes.
    int CellTextFlags(int Row, int Col, int& Image, Rect& Text)
    {
        PaintPass pass { Grid.Drawing() };
        pass.Font = Grid.m_Font;
        const udtRow& row = Grid.m_Model.RowAt(Row);
        return Grid.PrepareCellText(pass, CellSpot { Row, Col, Col, 0, 0 }, row, row.Cells[size_t(Col)],
            row.Cells.Text(size_t(Col)), Image, Text);
    }
    void EditOpen(bool Open) { Grid.m_EditOpen = Open; }
    void DrawGrid() { Grid.DrawGrid(true); }
    // A mark in the picture that only a paint over it removes.
    void Mark(int X, int Y) { Grid.Drawing().FillRect(Rect { X, Y, X + 1, Y + 1 }, 0x0000FF); }
    void MouseCol(int Position) { Grid.m_MouseCol = Position; }

    Rect ColumnExtent(int Position, Rect Start = { -99, -99, -99, -99 }) const
    {
        Grid.GetColumnExtent(Position, Start);
        return Start;
    }
    Rect CellRect(int Row, int Position, int Top, int Kind) const
    {
        Rect placement;
        Grid.GetCellRect(Row, Position, Top, placement, Kind);
        return placement;
    }
    int ColFromX(float X) const { return Grid.ColFromX(X); }
    int RowFromY(float Y) const { return Grid.RowFromY(Y); }
    int RowTop(int Row, int Start = -1) const { return Grid.RowTop(Row, Start); }
    int VisibleRowCount() const { return Grid.VisibleRowCount(); }
    int PageTopRow(int Row) const { return Grid.PageTopRow(Row); }
    int FindColPosition(int Col) const { return Grid.FindColPosition(Col); }
};

} // namespace Tarvex
