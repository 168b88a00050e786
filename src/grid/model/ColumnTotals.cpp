#include <tarvex/grid/model/GridModel.h>

#include "grid/model/NumberParsing.h"

#include <cmath>

namespace Tarvex {

namespace {

// Neumaier's step: what the addition rounds away is kept in the compensation, so adding and later
// removing a large value gives the small ones back.
void Accumulate(CompensatedSum& Total, double Value)
{
    const double sum = Total.Sum + Value;
    if (std::abs(Total.Sum) >= std::abs(Value))
        Total.Compensation += (Total.Sum - sum) + Value;
    else
        Total.Compensation += (Value - sum) + Total.Sum;
    Total.Sum = sum;
}

// Every value scaled by 2^-64 is below 2^960, so no partial sum of fewer than 2^31 rows overflows
// where the total itself does not.
constexpr int RecomputeScale = 64;

} // namespace

void GridModel::AddToTotal(int Col, double Value)
{
    if (Value == 0.0)
        return;
    CompensatedSum& total = m_TotalsSums[size_t(Col)];
    Accumulate(total, Value);
    m_TotalsValue[size_t(Col)] = total.Sum + total.Compensation;
    if (!std::isfinite(total.Sum) || !std::isfinite(total.Compensation))
        m_TotalsOverflowed = true;
}

// Called once the cells hold their new texts: a running sum that overflowed cannot come back by
// subtraction, so the column is added up again from its cells.
void GridModel::SettleTotals()
{
    if (!m_TotalsOverflowed)
        return;
    m_TotalsOverflowed = false;
    for (int c = 0; c < Cols(); ++c) {
        const CompensatedSum& total = m_TotalsSums[size_t(c)];
        if (!std::isfinite(total.Sum) || !std::isfinite(total.Compensation))
            RecomputeTotal(c);
    }
}

void GridModel::RecomputeTotal(int Col)
{
    CompensatedSum scaled;
    TextScratch scratch;
    for (int r = 0; r <= m_LastRow; ++r) {
        const QAnyStringView text = m_Rows[size_t(r)].Cells.View(size_t(Col));
        if (!text.isEmpty())
            Accumulate(scaled, std::ldexp(rVal(Utf16Of(text, scratch)), -RecomputeScale));
    }
    CompensatedSum& total = m_TotalsSums[size_t(Col)];
    total.Sum = std::ldexp(scaled.Sum, RecomputeScale);
    total.Compensation = std::isfinite(total.Sum) ? std::ldexp(scaled.Compensation, RecomputeScale) : 0.0;
    m_TotalsValue[size_t(Col)] = total.Sum + total.Compensation;
}

void GridModel::ResetTotals()
{
    m_TotalsValue.assign(m_Columns.size(), 0.0);
    m_TotalsSums.assign(m_Columns.size(), CompensatedSum {});
    m_TotalsOverflowed = false;
}

} // namespace Tarvex
