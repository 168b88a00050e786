#include <tarvex/grid/model/GridModel.h>

namespace Tarvex {

// The running total covers every live row, so the average divides by all of them.
double GridModel::TotalsLineValue(int Col) const
{
    if (!IsColumn(Col))
        return 0;
    const double total = m_TotalsValue[size_t(Col)];
    if (!m_Totals[size_t(Col)].ColAvg)
        return total;
    return ItemCount() > 0 ? total / ItemCount() : 0;
}

void GridModel::SetTotals(int Col, const udtTotals& Totals)
{
    ++m_Edits;
    if (IsColumn(Col))
        m_Totals[size_t(Col)] = Totals;
}

} // namespace Tarvex
