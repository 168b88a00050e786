#include <tarvex/grid/model/GridModel.h>

#include <algorithm>

namespace Tarvex {

std::shared_ptr<int> GridModel::FollowRecord(int Position)
{
    std::erase_if(m_Followed, [](const std::weak_ptr<int>& followed) { return followed.expired(); });
    auto record = std::make_shared<int>(IsRowPosition(Position) ? m_RowOrder[size_t(Position)] : -1);
    m_Followed.push_back(record);
    return record;
}

int GridModel::PositionOfRecord(int Record, int Hint) const
{
    if (Record < 0 || Record > m_LastRow)
        return -1;
    if (IsRowPosition(Hint) && m_RowOrder[size_t(Hint)] == Record)
        return Hint;
    const auto found = std::find(m_RowOrder.begin(), m_RowOrder.end(), Record);
    return found == m_RowOrder.end() ? -1 : int(found - m_RowOrder.begin());
}

// NewRecord maps a record number from before a removal to the one after it, -1 for a removed record.
void GridModel::RenumberFollowed(const std::function<int(int)>& NewRecord)
{
    for (const std::weak_ptr<int>& followed : m_Followed) {
        if (const std::shared_ptr<int> record = followed.lock(); record && *record >= 0)
            *record = NewRecord(*record);
    }
}

} // namespace Tarvex
