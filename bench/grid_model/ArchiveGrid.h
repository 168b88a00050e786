#pragma once

// The invoice list filled into a grid and into a QTableView's model the way the benchmarks of the
// grid's view compare them.

#include "InvoiceData.h"
#include "InvoiceTableModel.h"

#include <tarvex/grid/model/GridRecords.h>
#include <tarvex/grid/RuzuZiri.h>

#include <QTableView>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace GridBench {

// One frame of the archive window's list.
constexpr int FrameWidth = 1280;
constexpr int FrameHeight = 800;
constexpr int ColumnWidthPx = 150;

constexpr int GenerateChunk = 100000; // rows generated at a time, so the texts of a million never coexist

template <class Add>
void GenerateInChunks(int Rows, Add&& AddRows)
{
    for (int first = 0; first < Rows; first += GenerateChunk)
        AddRows(GenerateRows(first, std::min(GenerateChunk, Rows - first)));
}

// As the archive window fills it: a column per field, Clear, AddItem per invoice, Redraw.
inline void FillArchiveGrid(Tarvex::RuzuZiri& Grid, int Rows)
{
    Grid.resize(FrameWidth, FrameHeight);
    for (int c = 0; c < ColumnCount; ++c) {
        const int type = IsNumberColumn(c) ? Tarvex::ColTypeNumber : c == Date ? Tarvex::ColTypeDate : 0;
        Grid.AddColumn(HeadingOf(c), float(ColumnWidthPx * 15 - 1), IsNumberColumn(c) ? 6 : 4, type);
    }
    Grid.Clear();
    GenerateInChunks(Rows, [&](const std::vector<InvoiceRow>& rows) {
        for (const InvoiceRow& row : rows)
            Grid.AddItem(row.Joined);
    });
    Grid.Redraw(true);
}

// The same list in a QTableView of the same frame and column widths.
struct ArchiveTable {
    InvoiceTableModel Model;
    QTableView View;

    explicit ArchiveTable(int Rows)
    {
        GenerateInChunks(Rows, [&](const std::vector<InvoiceRow>& rows) { Model.Append(rows); });
        View.setModel(&Model);
        View.resize(FrameWidth, FrameHeight);
        for (int c = 0; c < ColumnCount; ++c)
            View.setColumnWidth(c, ColumnWidthPx);
    }
};

// Filling a million rows takes seconds; each list is built once and shared by the cases that use it.
// The lists are never freed: widgets must not outlive the application, which main ends first.
template <class List>
List& BuiltOnce(int Rows)
{
    static auto& lists = *new std::map<int, std::unique_ptr<List>>;
    std::unique_ptr<List>& list = lists[Rows];
    if (!list)
        list = std::make_unique<List>(Rows);
    return *list;
}

} // namespace GridBench
