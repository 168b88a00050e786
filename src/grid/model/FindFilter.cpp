#include "grid/model/FindFilter.h"

#include "grid/RuzuZiri.h"

#include <algorithm>
#include <vector>

namespace Tarvex {

namespace {

// Upper-cases one UTF-16 unit at a time, so a text keeps its length ("ß" stays "ß") and the search
// can compare lengths, starts and ends the way the modes describe them.
void UpperInto(QStringView Text, QString& Out)
{
    Out.resize(Text.size());
    const char16_t* in = Text.utf16();
    char16_t* out = reinterpret_cast<char16_t*>(Out.data());
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const char16_t c = in[i];
        if (c < 128)
            out[i] = c >= 'a' && c <= 'z' ? char16_t(c - 32) : c;
        else
            out[i] = QChar::toUpper(c);
    }
}

// The rows near the start are searched in display order; past them the search reads the records
// in storage order, where they lie next to each other in memory, and picks the first hit in display
// order from the result. A sorted grid would otherwise jump through memory at every row.
constexpr int DirectSearchRows = 4096;

} // namespace

TextMatch::TextMatch(const QString& SearchText, int SearchMode, bool MatchCase)
    : m_Mode(SearchMode), m_MatchCase(MatchCase)
{
    if (MatchCase)
        m_Text = SearchText;
    else
        UpperInto(SearchText, m_Text);
}

QStringView TextMatch::Prepared(QAnyStringView Text)
{
    const QStringView wide = Utf16Of(Text, m_Wide);
    if (m_MatchCase)
        return wide;
    UpperInto(wide, m_Buffer);
    return m_Buffer;
}

bool TextMatch::Matches(QAnyStringView CellText)
{
    const QStringView t = m_Text;
    switch (m_Mode) {
    case 0: return Prepared(CellText) == t;
    case 1: return Prepared(CellText).compare(t) >= 0;
    case 2: return Prepared(CellText).contains(t);
    case 4: {
        const QStringView c = Prepared(CellText);
        return !c.isEmpty() && !t.isEmpty() && c.compare(t) >= 0 && c.front() == t.front();
    }
    case 5: return Prepared(CellText).startsWith(t);
    case 6: return Prepared(CellText).endsWith(t);
    default: return false;
    }
}

int RuzuZiri::FindItem(const QString& SearchText, int SearchColumn, int SearchMode, bool MatchCase, int StartingRow)
{
    if (m_Model.LastRow() < 0 || SearchText.isEmpty())
        return -1;
    if (!m_Model.IsRowPosition(StartingRow))
        StartingRow = 0;
    if (SearchColumn == -1)
        SearchColumn = m_SearchColumn;
    if (!m_Model.IsColumn(SearchColumn))
        return -1;

    TextMatch match(SearchText, SearchMode, MatchCase);
    const int directEnd = std::min(m_Model.LastRow(), StartingRow + DirectSearchRows - 1);
    for (int position = StartingRow; position <= directEnd; ++position) {
        if (match.Matches(m_Model.RowAt(position).Cells.View(size_t(SearchColumn))))
            return position;
    }
    std::vector<char> hit(size_t(m_Model.ItemCount()));
    for (int record = 0; record <= m_Model.LastRow(); ++record)
        hit[size_t(record)] = match.Matches(m_Model.Rows()[size_t(record)].Cells.View(size_t(SearchColumn)));
    for (int position = directEnd + 1; position <= m_Model.LastRow(); ++position) {
        if (hit[size_t(m_Model.RowOrder()[size_t(position)])])
            return position;
    }
    return -1;
}

// Rows are hidden on the records directly and the scroll range and picture follow once at the end;
// going through RowVisible would update them once per row. The records are visited in storage
// order, which is the order they lie in memory.
void RuzuZiri::FilterOn(const QString& FilterText, int SearchColumn, int SearchMode, bool MatchCase, int StartingRow)
{
    if (!m_Model.IsRowPosition(StartingRow) || !m_Model.IsColumn(SearchColumn))
        return;
    EnablePaint(false);
    std::vector<char> inRange(size_t(m_Model.ItemCount()), StartingRow == 0);
    for (int position = StartingRow; position > 0 && position <= m_Model.LastRow(); ++position)
        inRange[size_t(m_Model.RowOrder()[size_t(position)])] = true;
    TextMatch match(FilterText, SearchMode, MatchCase);
    for (int record = 0; record <= m_Model.LastRow(); ++record) {
        const udtRow& row = m_Model.Rows()[size_t(record)];
        if (inRange[size_t(record)] && !match.Matches(row.Cells.View(size_t(SearchColumn))))
            m_Model.SetRecordVisible(record, false);
    }
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
    if (!FixRef(vRow, col) || m_Model.RowAt(vRow).Visible == New_RowVisible)
        return;
    m_Model.SetRowVisible(vRow, New_RowVisible);
    UpdateScrollRanges();
    DrawGrid(m_Paint);
}

void RuzuZiri::SearchColumn(int New_SearchColumn)
{
    m_SearchColumn = New_SearchColumn;
    emit PropertyChanged(QStringLiteral("SearchColumn"));
}

// Until the scroll bars exist the grid only remembers where they are asked to be.
void RuzuZiri::SBSetPos(int Bar, int Position)
{
    if (Bar == 0 || Bar == 1)
        m_ScrollPos[Bar] = Position;
}

} // namespace Tarvex
