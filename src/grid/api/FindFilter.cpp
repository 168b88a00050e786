#include "grid/RuzuZiriPrivate.h"

#include "grid/model/RowSearch.h"

#include <algorithm>

namespace Tarvex {

int RuzuZiri::FindItem(const QString& SearchText, int SearchColumn, int SearchMode, bool MatchCase, int StartingRow)
{
    if (d->m_Model.LastRow() < 0 || SearchText.isEmpty())
        return -1;
    if (!d->m_Model.IsRowPosition(StartingRow))
        StartingRow = 0;
    if (SearchColumn == -1)
        SearchColumn = d->m_Settings.m_SearchColumn;
    TextMatch match(SearchText, SearchMode, MatchCase);
    return FindPosition(d->m_Model, match, SearchColumn, StartingRow);
}

// Rows are hidden on the records directly and the scroll range and picture follow once at the end;
// going through RowVisible would update them once per row.
void RuzuZiri::FilterOn(const QString& FilterText, int SearchColumn, int SearchMode, bool MatchCase, int StartingRow)
{
    if (!d->m_Model.IsRowPosition(StartingRow) || !d->m_Model.IsColumn(SearchColumn))
        return;
    d->EnablePaint(false);
    TextMatch match(FilterText, SearchMode, MatchCase);
    HideUnmatched(d->m_Model, match, SearchColumn, StartingRow);
    d->EnablePaint(true);
    d->RefreshIfRedraw();
}

void RuzuZiri::FilterOff(int StartingRow)
{
    if (d->m_Model.LastRow() < 0)
        return;
    StartingRow = std::clamp(StartingRow, 0, d->m_Model.LastRow());
    d->EnablePaint(false);
    for (int position = StartingRow; position <= d->m_Model.LastRow(); ++position)
        d->m_Model.SetRowVisible(position, true);
    d->EnablePaint(true);
    if (d->m_Current.m_Row >= 0)
        d->SBSetPos(1, d->m_Current.m_Row);
    d->RefreshIfRedraw();
}

bool RuzuZiri::RowVisible(int vRow) const
{
    int col = -1;
    return d->FixRef(vRow, col) && d->m_Model.RowAt(vRow).Visible;
}

void RuzuZiri::RowVisible(int vRow, bool New_RowVisible)
{
    int col = -1;
    if (!d->FixWriteRef(vRow, col) || d->m_Model.RowAt(vRow).Visible == New_RowVisible)
        return;
    d->m_Model.SetRowVisible(vRow, New_RowVisible);
    d->UpdateScrollRanges();
    d->DrawGrid(d->m_Painter.m_Paint);
}

int RuzuZiri::SearchColumn() const { return d->m_Settings.m_SearchColumn; }

void RuzuZiri::SearchColumn(int New_SearchColumn)
{
    d->m_Settings.m_SearchColumn = New_SearchColumn;
    d->Notify(QStringLiteral("SearchColumn"));
}

} // namespace Tarvex
