#include <tarvex/grid/model/PositionSet.h>

#include <algorithm>
#include <bit>

namespace Tarvex {

namespace {

int LowBit(int Index)
{
    return Index & -Index;
}

} // namespace

void PositionSet::Assign(const std::vector<char>& Marks)
{
    m_Tree.assign(Marks.size() + 1, 0);
    m_Count = 0;
    for (size_t i = 1; i < m_Tree.size(); ++i) {
        const int mark = Marks[i - 1] ? 1 : 0;
        m_Count += mark;
        m_Tree[i] += mark;
        const size_t parent = i + size_t(LowBit(int(i)));
        if (parent < m_Tree.size())
            m_Tree[parent] += m_Tree[i];
    }
}

// The new element sums its own mark and the elements it covers, which are all in place already.
void PositionSet::Append(bool Member)
{
    const int index = int(m_Tree.size());
    const int mark = Member ? 1 : 0;
    m_Tree.push_back(mark + CountBefore(index - 1) - CountBefore(index - LowBit(index)));
    m_Count += mark;
}

void PositionSet::Change(int Position, int Delta)
{
    if (Position < 0 || Position >= Size())
        return;
    m_Count += Delta;
    for (int i = Position + 1; i < int(m_Tree.size()); i += LowBit(i))
        m_Tree[size_t(i)] += Delta;
}

int PositionSet::CountBefore(int Position) const
{
    int count = 0;
    for (int i = std::clamp(Position, 0, Size()); i > 0; i -= LowBit(i))
        count += m_Tree[size_t(i)];
    return count;
}

// Descends the tree from its widest element, keeping the prefix that holds no more than Index members.
int PositionSet::Nth(int Index) const
{
    if (Index < 0 || Index >= m_Count)
        return Size();
    int position = 0;
    int left = Index;
    for (int step = int(std::bit_floor(unsigned(Size()))); step > 0; step >>= 1) {
        const int next = position + step;
        if (next <= Size() && m_Tree[size_t(next)] <= left) {
            position = next;
            left -= m_Tree[size_t(next)];
        }
    }
    return position;
}

int PositionSet::NextFrom(int Position) const
{
    return Nth(CountBefore(std::max(Position, 0)));
}

int PositionSet::PrevFrom(int Position) const
{
    if (Position < 0)
        return -1;
    const int before = CountBefore(Position + 1);
    return before == 0 ? -1 : Nth(before - 1);
}

} // namespace Tarvex
