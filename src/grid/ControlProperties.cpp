#include "grid/RuzuZiri.h"

#include "platform/SystemInfo.h"

#include <algorithm>
#include <climits>

namespace Tarvex {

bool RuzuZiri::AfterChange(After Step)
{
    switch (Step) {
    case After::Store:
        return true;
    case After::Repaint:
        return DrawGrid(m_Paint);
    case After::Metrics:
        CalcMetrics();
        [[fallthrough]];
    case After::Refresh:
        return RefreshIfRedraw();
    }
    return true;
}

// A notice handler that writes the same property, even with the value it has, gets its write
// without a second notice: the nesting ends after one level.
bool RuzuZiri::Notify(const QString& ChangeName)
{
    return m_Notices.Raise(this, ChangeName, [this, &ChangeName] { emit PropertyChanged(ChangeName); });
}

void RuzuZiri::AllowColumnDrag(bool New_AllowColumnDrag)
{
    if (SetProperty(m_AllowColumnDrag, New_AllowColumnDrag, QStringLiteral("ColumnDrag"), After::Store)
        && New_AllowColumnDrag)
        m_AllowColumnSwap = false;
}

void RuzuZiri::AllowColumnSwap(bool New_AllowColumnSwap)
{
    if (SetProperty(m_AllowColumnSwap, New_AllowColumnSwap, QStringLiteral("ColumnSwap"), After::Store)
        && New_AllowColumnSwap)
        m_AllowColumnDrag = false;
}

// Switching hover off repaints the header row, so a header lit at that moment goes dark.
void RuzuZiri::AllowColumnHover(bool New_AllowColumnHover)
{
    if (SetProperty(m_AllowColumnHover, New_AllowColumnHover, QStringLiteral("HotHeaderTracking"), After::Store)
        && !New_AllowColumnHover)
        DrawHeaders(false);
}

void RuzuZiri::AllowColumnResizing(bool New_AllowColumnResizing)
{
    SetProperty(m_AllowColumnResizing, New_AllowColumnResizing, QStringLiteral("AllowColumnResizing"), After::Store);
}

void RuzuZiri::AllowColumnSort(bool New_AllowColumnSort)
{
    SetProperty(m_AllowColumnSort, New_AllowColumnSort, QStringLiteral("ColumnSort"), After::Store);
}

void RuzuZiri::AllowDelete(bool New_AllowDelete)
{
    SetProperty(m_AllowDelete, New_AllowDelete, QStringLiteral("AllowDelete"), After::Store);
}

// An editable grid needs a focus rectangle to show which cell an edit would open on.
void RuzuZiri::AllowEdit(bool New_AllowEdit)
{
    if (SetProperty(m_AllowEdit, New_AllowEdit, QStringLiteral("Editable"), After::Store) && New_AllowEdit
        && m_FocusRectMode == 0)
        m_FocusRectMode = 2;
}

void RuzuZiri::AllowInsert(bool New_AllowInsert)
{
    SetProperty(m_AllowInsert, New_AllowInsert, QStringLiteral("AllowInsert"), After::Store);
}

void RuzuZiri::AllowRowResizing(bool New_AllowRowResizing)
{
    SetProperty(m_AllowRowResizing, New_AllowRowResizing, QStringLiteral("AllowRowResizing"), After::Store);
}

// The repaint comes before the change notice here, so a host that reacts to the notice already
// sees the rows drawn the new way.
void RuzuZiri::AllowWordWrap(bool New_AllowWordWrap)
{
    m_AllowWordWrap = New_AllowWordWrap;
    if (DrawGrid(m_Paint))
        Notify(QStringLiteral("AllowWordWrap"));
}

void RuzuZiri::AutoToolTips(bool New_AutoToolTips)
{
    SetProperty(m_AutoToolTips, New_AutoToolTips, QStringLiteral("AutoToolTips"), After::Store);
}

void RuzuZiri::CacheIncrement(int New_CacheIncrement)
{
    m_Model.CacheIncrement(New_CacheIncrement);
    Notify(QStringLiteral("CacheIncrement"));
}

void RuzuZiri::EditMove(int New_EditMove)
{
    SetProperty(m_EditMove, New_EditMove, QStringLiteral("EditMove"), After::Store);
}

void RuzuZiri::EditTrigger(int New_EditTrigger)
{
    SetProperty(m_EditTrigger, New_EditTrigger, QStringLiteral("EditTrigger"), After::Store);
}

// The window's state and the key-press flag are saved under one key, the flag last; were the flag
// left behind, a grid disabled at design time would come back enabled.
void RuzuZiri::Enabled(bool New_Enabled)
{
    setEnabled(New_Enabled);
    m_Enabled = New_Enabled;
    Notify(QStringLiteral("Enabled"));
}

// The position after the frozen block must be a position too; a block that large freezes every
// column a grid can hold all the same.
int RuzuZiri::ValidFreezeAtCol(int Col)
{
    return std::min(Col, INT_MAX - 1);
}

// The first column right of the frozen block must be the first one scrolled to.
void RuzuZiri::FreezeAtCol(int New_FreezeAtCol)
{
    if (SetProperty(m_FreezeAtCol, ValidFreezeAtCol(New_FreezeAtCol), QStringLiteral("FreezeAtCol"), After::Store)
        && SBGetPos(0) < m_FreezeAtCol + 1)
        SBSetPos(0, m_FreezeAtCol + 1);
}

void RuzuZiri::MaxLineCount(int New_MaxLineCount)
{
    SetProperty(m_MaxLineCount, New_MaxLineCount, QStringLiteral("MaxLineCount"), After::Refresh);
}

// A default row height of 0 makes CalcMetrics work it out from the new minimum.
void RuzuZiri::MinRowHeight(int New_MinRowHeight)
{
    m_RowHeightDef = 0;
    SetProperty(m_MinRowHeight, New_MinRowHeight, QStringLiteral("MinRowHeight"), After::Metrics);
}

// The offset is added to row tops and image positions; one larger than any row keeps those sums in
// range. Rows stay a pixel high at least whatever the offset takes away (CalcMetrics).
int RuzuZiri::ValidMinVerticalOffset(int Offset)
{
    return std::clamp(Offset, -MaxLayoutPixels, MaxLayoutPixels);
}

void RuzuZiri::MinVerticalOffset(int New_MinVerticalOffset)
{
    m_RowHeightDef = 0;
    SetProperty(m_MinVerticalOffset, ValidMinVerticalOffset(New_MinVerticalOffset), QStringLiteral("MinVerticalOffset"),
                After::Metrics);
}

void RuzuZiri::ScaleUnits(int New_ScaleUnits)
{
    SetProperty(m_ScaleUnits, New_ScaleUnits, QStringLiteral("ScaleUnits"), After::Store);
}

// The editor sits at a fixed x; a row-number column appearing under it would leave it misplaced.
void RuzuZiri::ShowRowNumbers(bool New_ShowRowNumbers)
{
    if (!m_EditOpen)
        SetProperty(m_ShowRowNumbers, New_ShowRowNumbers, QStringLiteral("ShowRowNumbers"), After::Repaint);
}

void RuzuZiri::ShowRowNumbersVary(bool New_ShowRowNumbersVary)
{
    if (!m_EditOpen)
        SetProperty(m_ShowRowNumbersVary, New_ShowRowNumbersVary, QStringLiteral("ShowRowNumbersVary"), After::Repaint);
}

// The editor opens with F2, as if the user had asked for it, even where editing is not allowed.
void RuzuZiri::ForceCellEdit(int lNewRow, int lNewCol, bool bBlankCell)
{
    const Lifeline self(this);
    RowColSet(lNewRow, lNewCol);
    if (!self.Alive() || m_Model.ItemCount() == 0)
        return;
    m_EditKey = 113;
    // The in-place editor does not exist yet: opening it on (m_Row, m_Col) under a borrowed
    // AllowEdit, and blanking it, come with it.
    Q_UNUSED(bBlankCell);
}

QString RuzuZiri::GetInfo(int lInfo)
{
    return LocaleInfo(lInfo);
}

quintptr RuzuZiri::hWnd() const
{
    return quintptr(effectiveWinId());
}

int RuzuZiri::MouseCol() const
{
    if (m_Model.Cols() == 0)
        return 0;
    return m_Model.IsColumn(m_MouseCol) ? m_Model.ColOrder()[size_t(m_MouseCol)] : -1;
}

// The custom pointer is the hand the grid shows over cells that ask for it.
bool RuzuZiri::UCMousePointer() const
{
    return testAttribute(Qt::WA_SetCursor) && cursor().shape() == Qt::PointingHandCursor;
}

void RuzuZiri::UCMousePointer(bool Custom)
{
    if (Custom == UCMousePointer())
        return;
    if (Custom)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

} // namespace Tarvex
