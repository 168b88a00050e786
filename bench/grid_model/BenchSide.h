#pragma once

#include "InvoiceData.h"

#include <memory>
#include <string>
#include <vector>

namespace GridBench {

// One contestant: the same operations, each done the way that side's users would do it.
class BenchSide {
public:
    virtual ~BenchSide() = default;

    virtual void Append(const std::vector<InvoiceRow>& Rows) = 0;
    virtual void Sort(int Column, bool Ascending) = 0;
    // First display position at or after 0 whose cell contains Text (case-blind), or -1.
    virtual int Find(const QString& Text, int Column) = 0;
    virtual void FilterOn(const QString& Text, int Column) = 0;
    virtual void FilterOff() = 0;
    // Removes the rows at these display positions, one call per row, highest position first.
    virtual void RemoveRows(const std::vector<int>& Positions) = 0;
    virtual void Select(const std::vector<int>& Positions) = 0;
    virtual void DeleteSelected() = 0;
    virtual void Clear() = 0;

    // The view: shown on screen, painting as the side's users would have it.
    virtual void ShowView() = 0;
    virtual void HideView() = 0;
    // Makes the rows at 0..Count-1 current one after another, each move painted at once.
    virtual void WalkCurrentRow(int Count) = 0;
    // Moves the vertical scroll bar's thumb to Position and paints once.
    virtual void ScrollTo(int Position) = 0;
    // The first row the view paints.
    virtual int TopRow() const = 0;

    // Rows shown (not filtered out).
    virtual int ShownCount() const = 0;
    // The key a sort by Column orders, as canonical text (numbers with two decimals, ISO dates).
    virtual QString KeyAt(int Position, int Column) const = 0;
};

std::unique_ptr<BenchSide> MakeStandardSide();
std::unique_ptr<BenchSide> MakeExpertSide();
std::unique_ptr<BenchSide> MakeGridSide();

} // namespace GridBench
