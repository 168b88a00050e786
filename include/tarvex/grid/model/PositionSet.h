#pragma once

#include <vector>

namespace Tarvex {

// A set of display positions 0..Size()-1 that counts and searches its members in O(log n), however
// many positions lie between them: a Fenwick tree of one mark per position.
class PositionSet {
public:
    // Marks[p] != 0 puts position p in the set; O(n).
    void Assign(const std::vector<char>& Marks);
    // A new last position.
    void Append(bool Member);
    // Delta +1 puts a position that is not in the set into it, -1 takes a member out.
    void Change(int Position, int Delta);

    int Size() const { return int(m_Tree.size()) - 1; }
    int Count() const { return m_Count; }
    // Members at positions 0..Position-1.
    int CountBefore(int Position) const;
    // The member with Index members before it; Size() when there are not that many.
    int Nth(int Index) const;
    // The first member at or after Position; Size() when none.
    int NextFrom(int Position) const;
    // The last member at or before Position; -1 when none.
    int PrevFrom(int Position) const;

private:
    std::vector<int> m_Tree { 0 }; // 1-based: element i sums the marks of positions i - lowbit(i) .. i - 1
    int m_Count { 0 };             // members in all
};

} // namespace Tarvex
