#include "grid/RuzuZiri.h"

#include "platform/Scale.h"

#include <QFontMetrics>

#include <algorithm>

namespace Tarvex {

void RuzuZiri::Redraw(bool New_Redraw)
{
    m_Paint = m_Redraw = New_Redraw;
    if (!New_Redraw) {
        m_PendingMetrics = m_PendingScroll = false;
        return;
    }
    if (m_PendingScroll)
        UpdateScrollRanges();
    if (m_PendingMetrics) {
        CalcMetrics();
        DrawGrid(m_Paint);
    }
    m_PendingMetrics = m_PendingScroll = false;
}

void RuzuZiri::Refresh()
{
    CalcMetrics();
    UpdateScrollRanges();
    DrawGrid(m_Paint);
}

void RuzuZiri::RefreshIfRedraw()
{
    if (m_Paint) {
        Refresh();
        return;
    }
    m_PendingMetrics = true;
    m_PendingScroll = true;
}

void RuzuZiri::CalcMetrics()
{
    const int textHeight = QFontMetrics(font()).height();
    m_Metrics.HeaderTextHeight = textHeight;
    m_Metrics.CheckBoxSize = m_RowHeightDef > 16 ? 16 : m_RowHeightDef - 4;
    m_Metrics.HeaderHeight = 2 * textHeight;
    m_RowHeightDef = textHeight + 2 * m_MinVerticalOffset + 2;
}

void RuzuZiri::CalcRowHeight(int)
{
}

void RuzuZiri::UpdateScrollRanges()
{
}

void RuzuZiri::DrawGrid(bool Paint)
{
    if (Paint)
        update();
}

int RuzuZiri::VisibleWidth() const
{
    return std::max(0, width() - 1 - m_RowNumberWidth) * Scale::TwipsPerPixel;
}

} // namespace Tarvex
