#pragma once

#include <unordered_map>
#include <vector>

namespace Tarvex {

// The columns the rows were sorted by, and what a running sort keeps.
struct SortState {
    int m_SortCol { -1 };                 // column number sorted by; -1 = none
    int m_SortSubCol { -1 };              // column number of the second sort key; -1 = none
    bool m_Sorting { false };             // a sort runs; a CustomSort handler cannot start another
    std::unordered_map<int, std::vector<double>> m_SortKeys; // column -> keys by record, for the running sort only
};

} // namespace Tarvex
