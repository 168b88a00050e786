#pragma once

#include "grid/model/NumberParsing.h"

#include <tarvex/grid/model/GridModel.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace Tarvex {

// True when Map holds each number 0..Map.size()-1 exactly once.
inline bool IsPermutation(const std::vector<int>& Map)
{
    std::vector<bool> seen(Map.size(), false);
    for (const int value : Map) {
        if (value < 0 || value >= static_cast<int>(Map.size()) || seen[value])
            return false;
        seen[value] = true;
    }
    return true;
}

// Checks every invariant of the grid's storage in O(rows x columns + formats); returns a failure that
// names the first broken one, so a random run can report the step where it broke.
inline testing::AssertionResult GridInvariants(const GridModel& model)
{
    const size_t cols = model.Columns().size();
    const size_t rows = static_cast<size_t>(model.LastRow() + 1);
    if (model.ColOrder().size() != cols || model.Totals().size() != cols || model.TotalsValue().size() != cols)
        return testing::AssertionFailure() << "column arrays differ in size";
    if (!IsPermutation(model.ColOrder()))
        return testing::AssertionFailure() << "column order is not a permutation";
    if (model.Rows().size() != rows || model.RowOrder().size() != rows)
        return testing::AssertionFailure() << "row arrays hold " << model.Rows().size() << " and "
                                           << model.RowOrder().size() << " for " << rows << " rows";
    if (!IsPermutation(model.RowOrder()))
        return testing::AssertionFailure() << "row order is not a permutation";

    std::vector<int> uses(model.CellFormats().size(), 0);
    std::vector<double> totals(cols, 0.0);
    std::vector<double> magnitude(cols, 0.0);
    for (size_t r = 0; r < rows; ++r) {
        const udtRow& row = model.Rows()[r];
        if (row.Cells.size() != cols)
            return testing::AssertionFailure() << "record " << r << " has " << row.Cells.size() << " cells";
        bool fitsLatin1 = true;
        for (size_t c = 0; c < cols; ++c) {
            const udtCell& cell = row.Cells[c];
            if (cell.FormatIndex >= static_cast<int>(uses.size()) || cell.FormatIndex < -1)
                return testing::AssertionFailure() << "record " << r << " column " << c << " names format "
                                                   << cell.FormatIndex;
            if (cell.FormatIndex >= 0)
                ++uses[cell.FormatIndex];
            const QString text = row.Cells.Text(c);
            fitsLatin1 = fitsLatin1 && std::all_of(text.begin(), text.end(), [](QChar ch) { return ch.unicode() <= 0xFF; });
            const double value = rVal(text);
            totals[c] += value;
            magnitude[c] += std::abs(value);
        }
        // Wide storage only while a text needs it: a row goes back to Latin-1 once it can.
        if (cols > 0 && row.Cells.IsLatin1() != fitsLatin1)
            return testing::AssertionFailure() << "record " << r << " stores its texts as "
                                               << (row.Cells.IsLatin1() ? "Latin-1" : "UTF-16");
    }
    long long shownHeight = 0;
    int selected = 0;
    for (size_t r = 0; r < rows; ++r) {
        const udtRow& row = model.Rows()[r];
        shownHeight += row.Visible ? row.Height : 0;
        const bool isSelected = IsFlagSet(row.Flags, RowFlagSelected);
        selected += isSelected ? 1 : 0;
        if (isSelected != model.IsRecordSelected(int(r)))
            return testing::AssertionFailure() << "record " << r << " is missing from the selection or wrongly in it";
    }
    if (shownHeight != model.VisibleRowsHeight() || selected != model.SelectedCount())
        return testing::AssertionFailure() << "running sums hold height " << model.VisibleRowsHeight() << " and "
                                           << model.SelectedCount() << " selected, the rows " << shownHeight
                                           << " and " << selected;
    // The index of shown rows answers as a walk over the rows would, from every position.
    int nextShown = int(rows);
    int nextLined = int(rows);
    for (int p = int(rows) - 1; p >= 0; --p) {
        const udtRow& row = model.RowAt(p);
        nextShown = row.Visible ? p : nextShown;
        nextLined = row.Visible || row.GroupHeader ? p : nextLined;
        if (model.NextShownRow(p) != nextShown || model.NextLinedRow(p) != nextLined)
            return testing::AssertionFailure() << "the index finds row " << model.NextShownRow(p) << " (lined "
                                               << model.NextLinedRow(p) << ") from position " << p << ", the rows "
                                               << nextShown << " (" << nextLined << ")";
    }
    int shownBefore = 0;
    int prevShown = -1;
    for (int p = 0; p < int(rows); ++p) {
        prevShown = model.RowAt(p).Visible ? p : prevShown;
        if (model.ShownRowsBefore(p) != shownBefore || model.PrevShownRow(p) != prevShown)
            return testing::AssertionFailure() << "the index counts " << model.ShownRowsBefore(p) << " shown rows before "
                                               << p << " and finds " << model.PrevShownRow(p) << " at or above it";
        shownBefore += model.RowAt(p).Visible ? 1 : 0;
    }
    for (size_t f = 0; f < uses.size(); ++f)
        if (model.CellFormats()[f].UseCount != uses[f])
            return testing::AssertionFailure() << "format " << f << " counts " << model.CellFormats()[f].UseCount
                                               << " uses, cells name it " << uses[f] << " times";
    // Running sums drift by rounding only; anything beyond that is a lost addition or subtraction.
    for (size_t c = 0; c < cols; ++c)
        if (std::abs(model.TotalsValue()[c] - totals[c]) > 1e-9 * (1.0 + magnitude[c]) + 1e-6)
            return testing::AssertionFailure() << "column " << c << " totals " << model.TotalsValue()[c]
                                               << ", its texts add up to " << totals[c];
    return testing::AssertionSuccess();
}

} // namespace Tarvex
