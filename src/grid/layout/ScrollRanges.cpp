#include "grid/RuzuZiriPrivate.h"

#include <tarvex/platform/Canvas.h>

#include <cmath>

namespace Tarvex {

namespace {
// The sample whose height is a line of text.
const QString TextSample = QStringLiteral("ABCDWXYZ");
} // namespace

// The vertical total comes from the running sum of the shown rows' heights; only the shown rows of
// the last page are walked, to find how many of them fit.
void RuzuZiriPrivate::UpdateScrollRanges()
{
    if (!m_Bars.m_hWndScroll)
        return;
    const int last = m_Model.LastRow();
    if (last < 0) {
        SBShow(0, false);
        SBShow(1, false);
        return;
    }

    const int lastCol = m_Model.Cols() - 1;
    long long columnsWidth = 0;
    for (const int col : m_Model.ColOrder())
        if (m_Model.Columns()[size_t(col)].Visible)
            columnsWidth += m_Model.Columns()[size_t(col)].WidthPx;
    bool wantH = true;
    if (q->ScaleWidth() < double(columnsWidth)) {
        SBSetMax(0, lastCol - 1);
    } else {
        SBSetMax(0, lastCol);
        wantH = SBGetPos(0) > SBGetMin(0);
    }

    const long long header
        = std::llround(Canvas::TextHeight(m_Settings.m_Font, TextSample) + m_Geometry.m_Metrics.HeaderHeight);
    bool wantV = true;
    if (q->ScaleHeight() >= double(header + m_Model.VisibleRowsHeight())) {
        SBSetMax(1, last);
        SBSetPos(1, 0);
        wantV = false;
    } else {
        // The last page starts below the row that no longer fits over it.
        const int top = PageTopRow(last);
        SBSetMax(1, m_Settings.m_TotalsLineShow ? top + 2 : top);
    }

    SBShow(0, wantH && (m_Settings.m_ScrollBars == 0 || m_Settings.m_ScrollBars == 2));
    SBShow(1, wantV && (m_Settings.m_ScrollBars == 1 || m_Settings.m_ScrollBars == 2));
}

} // namespace Tarvex
