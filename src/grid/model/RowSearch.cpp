#include "grid/model/RowSearch.h"

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

int FindPosition(const GridModel& Model, TextMatch& Match, int Col, int StartingRow, bool ShownOnly)
{
    if (!Model.IsRowPosition(StartingRow) || !Model.IsColumn(Col))
        return -1;
    const auto matches = [&](const udtRow& Row) {
        return (!ShownOnly || Row.Visible) && Match.Matches(Row.Cells.View(size_t(Col)));
    };
    const int last = Model.LastRow();
    const int directEnd = std::min(last, StartingRow + DirectSearchRows - 1);
    for (int position = StartingRow; position <= directEnd; ++position) {
        if (matches(Model.RowAt(position)))
            return position;
    }
    std::vector<char> hit(size_t(Model.ItemCount()));
    for (int record = 0; record <= last; ++record)
        hit[size_t(record)] = matches(Model.Rows()[size_t(record)]);
    for (int position = directEnd + 1; position <= last; ++position) {
        if (hit[size_t(Model.RowOrder()[size_t(position)])])
            return position;
    }
    return -1;
}

// The records are visited in storage order, which is the order they lie in memory.
void HideUnmatched(GridModel& Model, TextMatch& Match, int Col, int StartingRow)
{
    if (!Model.IsRowPosition(StartingRow) || !Model.IsColumn(Col))
        return;
    std::vector<char> inRange(size_t(Model.ItemCount()), StartingRow == 0);
    for (int position = StartingRow; position > 0 && position <= Model.LastRow(); ++position)
        inRange[size_t(Model.RowOrder()[size_t(position)])] = true;
    for (int record = 0; record <= Model.LastRow(); ++record) {
        const udtRow& row = Model.Rows()[size_t(record)];
        if (inRange[size_t(record)] && !Match.Matches(row.Cells.View(size_t(Col))))
            Model.SetRecordVisible(record, false);
    }
}

} // namespace Tarvex
