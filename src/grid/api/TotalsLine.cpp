#include "grid/RuzuZiriPrivate.h"

namespace Tarvex {

bool RuzuZiri::TotalsLineShow() const { return d->m_Settings.m_TotalsLineShow; }

void RuzuZiri::TotalsLineShow(bool New_TotalsLineShow)
{
    d->SetProperty(d->m_Settings.m_TotalsLineShow, New_TotalsLineShow, QStringLiteral("TotalsLineShow"), After::Repaint);
}

double RuzuZiri::TotalsCol(int vCol) const
{
    return d->m_Model.IsColumn(vCol) ? d->m_Model.TotalsValue()[size_t(vCol)] : 0;
}

QString RuzuZiri::TotalsLineCaption(int vCol) const
{
    return d->m_Model.IsColumn(vCol) ? d->m_Model.Totals()[size_t(vCol)].Caption : QString();
}

void RuzuZiri::TotalsLineCaption(int vCol, const QString& New_TotalsLineCaption)
{
    d->ChangeTotals(vCol, [&](udtTotals& Totals) { Totals.Caption = New_TotalsLineCaption; });
}

bool RuzuZiri::TotalsLineColAvg(int vCol) const
{
    return d->m_Model.IsColumn(vCol) && d->m_Model.Totals()[size_t(vCol)].ColAvg;
}

void RuzuZiri::TotalsLineColAvg(int vCol, bool New_TotalsLineColAvg)
{
    d->ChangeTotals(vCol, [&](udtTotals& Totals) { Totals.ColAvg = New_TotalsLineColAvg; });
}

void RuzuZiriPrivate::ChangeTotals(int vCol, const std::function<void(udtTotals&)>& Change)
{
    if (!m_Model.IsColumn(vCol))
        return;
    udtTotals totals = m_Model.Totals()[size_t(vCol)];
    Change(totals);
    m_Model.SetTotals(vCol, totals);
    DrawGrid(m_Painter.m_Paint);
}

} // namespace Tarvex
