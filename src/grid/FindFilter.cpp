#include "grid/RuzuZiri.h"

#include "grid/model/RowSearch.h"

#include <algorithm>

namespace Tarvex {

int RuzuZiri::FindItem(const QString& SearchText, int SearchColumn, int SearchMode, bool MatchCase, int StartingRow)
{
    if (m_Model.LastRow() < 0 || SearchText.isEmpty())
        return -1;
    if (!m_Model.IsRowPosition(StartingRow))
        StartingRow = 0;
    if (SearchColumn == -1)
        SearchColumn = m_SearchColumn;
    TextMatch match(SearchText, SearchMode, MatchCase);
    return FindPosition(m_Model, match, SearchColumn, StartingRow);
}

// Rows are hidden on the records directly and the scroll range and picture follow once at the end;
// going through RowVisible would update them once per row.
void RuzuZiri::FilterOn(const QString& FilterText, int SearchColumn, int SearchMode, bool MatchCase, int StartingRow)
{
    if (!m_Model.IsRowPosition(StartingRow) || !m_Model.IsColumn(SearchColumn))
        return;
    EnablePaint(false);
    TextMatch match(FilterText, SearchMode, MatchCase);
    HideUnmatched(m_Model, match, SearchColumn, StartingRow);
    EnablePaint(true);
    RefreshIfRedraw();
}

void RuzuZiri::FilterOff(int StartingRow)
{
    if (m_Model.LastRow() < 0)
        return;
    StartingRow = std::clamp(StartingRow, 0, m_Model.LastRow());
    EnablePaint(false);
    for (int position = StartingRow; position <= m_Model.LastRow(); ++position)
        m_Model.SetRowVisible(position, true);
    EnablePaint(true);
    if (m_Row >= 0)
        SBSetPos(1, m_Row);
    RefreshIfRedraw();
}

bool RuzuZiri::RowVisible(int vRow) const
{
    int col = -1;
    return FixRef(vRow, col) && m_Model.RowAt(vRow).Visible;
}

void RuzuZiri::RowVisible(int vRow, bool New_RowVisible)
{
    int col = -1;
    if (!FixWriteRef(vRow, col) || m_Model.RowAt(vRow).Visible == New_RowVisible)
        return;
    m_Model.SetRowVisible(vRow, New_RowVisible);
    UpdateScrollRanges();
    DrawGrid(m_Paint);
}

void RuzuZiri::SearchColumn(int New_SearchColumn)
{
    m_SearchColumn = New_SearchColumn;
    Notify(QStringLiteral("SearchColumn"));
}

} // namespace Tarvex
