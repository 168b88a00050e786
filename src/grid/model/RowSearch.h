#pragma once

#include <tarvex/grid/model/GridModel.h>
#include <tarvex/grid/model/RowCells.h>

#include <QString>

namespace Tarvex {

// One column search: the search text against cell texts, both upper-cased unless MatchCase.
// Modes: 0 equal, 1 at or after (binary order), 2 contains, 4 at or after and the same first
// character, 5 starts with, 6 ends with; 3 and every other value match nothing.
class TextMatch {
public:
    TextMatch(const QString& SearchText, int SearchMode, bool MatchCase);

    bool Matches(QAnyStringView CellText);

private:
    QStringView Prepared(QAnyStringView Text);

    QString m_Text;      // the search text, upper-cased unless m_MatchCase
    int m_Mode { 0 };
    bool m_MatchCase { false };
    QString m_Buffer;    // the cell text upper-cased, reused from row to row
    TextScratch m_Wide;  // a Latin-1 cell text widened, reused from row to row
};

// The first display position from StartingRow on whose text in Col matches; -1 when none or when
// StartingRow or Col lies outside the grid. ShownOnly passes over the rows a filter hid.
int FindPosition(const GridModel& Model, TextMatch& Match, int Col, int StartingRow, bool ShownOnly = false);

// Hides the rows shown at StartingRow and after whose text in Col does not match.
void HideUnmatched(GridModel& Model, TextMatch& Match, int Col, int StartingRow);

} // namespace Tarvex
