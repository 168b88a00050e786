#pragma once

#include <tarvex/grid/model/GridModel.h>

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace Tarvex {

// One section of the per-user settings store, as the column arrangement sees it: text values by key.
struct StoreSection {
    std::function<QString(const QString& Key, const QString& Default)> Get;
    std::function<void(const QString& Key, const QString& Value)> Save;
};

// "Count" = the last column number, then key i = the column number shown at display position i.
void SaveColOrder(const GridModel& Model, const StoreSection& Section);
// The stored order, read with rVal and rounded, for the model's SetColOrder to take or refuse;
// empty when it was saved for another number of columns or holds a number no column could have.
std::optional<std::vector<int>> LoadColOrder(const GridModel& Model, const StoreSection& Section);

// Key "W" followed by the column number = the column's width in the user's number format.
void SaveColWidths(const GridModel& Model, const StoreSection& Section);
// The widths by column number; a column without a stored width keeps its own.
std::vector<float> LoadColWidths(const GridModel& Model, const StoreSection& Section);

} // namespace Tarvex
