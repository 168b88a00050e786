#include "grid/RuzuZiriPrivate.h"

#include <tarvex/platform/Scale.h>
#include <tarvex/platform/SystemInfo.h>

#include <QLineEdit>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace Tarvex {

namespace {

int Twips(double Pixels)
{
    return int(std::nearbyint(Pixels * Scale::TwipsPerPixel));
}

} // namespace

bool RuzuZiriPrivate::AfterChange(After Step)
{
    switch (Step) {
    case After::Store:
        return true;
    case After::Repaint:
        return DrawGrid(m_Painter.m_Paint);
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
bool RuzuZiriPrivate::Notify(const QString& ChangeName)
{
    return m_Notices.Raise(q, ChangeName, [this, &ChangeName] { emit q->PropertyChanged(ChangeName); });
}

bool RuzuZiri::AllowColumnDrag() const { return d->m_Settings.m_AllowColumnDrag; }

void RuzuZiri::AllowColumnDrag(bool New_AllowColumnDrag)
{
    if (d->SetProperty(d->m_Settings.m_AllowColumnDrag, New_AllowColumnDrag, QStringLiteral("ColumnDrag"), After::Store)
        && New_AllowColumnDrag)
        d->m_Settings.m_AllowColumnSwap = false;
}

bool RuzuZiri::AllowColumnSwap() const { return d->m_Settings.m_AllowColumnSwap; }

void RuzuZiri::AllowColumnSwap(bool New_AllowColumnSwap)
{
    if (d->SetProperty(d->m_Settings.m_AllowColumnSwap, New_AllowColumnSwap, QStringLiteral("ColumnSwap"), After::Store)
        && New_AllowColumnSwap)
        d->m_Settings.m_AllowColumnDrag = false;
}

bool RuzuZiri::AllowColumnHover() const { return d->m_Settings.m_AllowColumnHover; }

// Switching hover off repaints the header row, so a header lit at that moment goes dark.
void RuzuZiri::AllowColumnHover(bool New_AllowColumnHover)
{
    if (d->SetProperty(
            d->m_Settings.m_AllowColumnHover, New_AllowColumnHover, QStringLiteral("HotHeaderTracking"), After::Store)
        && !New_AllowColumnHover)
        d->DrawHeaders(false);
}

bool RuzuZiri::AllowColumnResizing() const { return d->m_Settings.m_AllowColumnResizing; }

void RuzuZiri::AllowColumnResizing(bool New_AllowColumnResizing)
{
    d->SetProperty(d->m_Settings.m_AllowColumnResizing, New_AllowColumnResizing, QStringLiteral("AllowColumnResizing"),
        After::Store);
}

bool RuzuZiri::AllowColumnSort() const { return d->m_Settings.m_AllowColumnSort; }

void RuzuZiri::AllowColumnSort(bool New_AllowColumnSort)
{
    d->SetProperty(d->m_Settings.m_AllowColumnSort, New_AllowColumnSort, QStringLiteral("ColumnSort"), After::Store);
}

bool RuzuZiri::AllowDelete() const { return d->m_Settings.m_AllowDelete; }

void RuzuZiri::AllowDelete(bool New_AllowDelete)
{
    d->SetProperty(d->m_Settings.m_AllowDelete, New_AllowDelete, QStringLiteral("AllowDelete"), After::Store);
}

bool RuzuZiri::AllowEdit() const { return d->m_Settings.m_AllowEdit; }

// An editable grid needs a focus rectangle to show which cell an edit would open on.
void RuzuZiri::AllowEdit(bool New_AllowEdit)
{
    if (d->SetProperty(d->m_Settings.m_AllowEdit, New_AllowEdit, QStringLiteral("Editable"), After::Store) && New_AllowEdit
        && d->m_Settings.m_FocusRectMode == FocusRectKind::None)
        d->m_Settings.m_FocusRectMode = int(FocusRectKind::Cell);
}

bool RuzuZiri::AllowInsert() const { return d->m_Settings.m_AllowInsert; }

void RuzuZiri::AllowInsert(bool New_AllowInsert)
{
    d->SetProperty(d->m_Settings.m_AllowInsert, New_AllowInsert, QStringLiteral("AllowInsert"), After::Store);
}

bool RuzuZiri::AllowRowResizing() const { return d->m_Settings.m_AllowRowResizing; }

void RuzuZiri::AllowRowResizing(bool New_AllowRowResizing)
{
    d->SetProperty(d->m_Settings.m_AllowRowResizing, New_AllowRowResizing, QStringLiteral("AllowRowResizing"), After::Store);
}

bool RuzuZiri::AllowWordWrap() const { return d->m_Settings.m_AllowWordWrap; }

// The repaint comes before the change notice here, so a host that reacts to the notice already
// sees the rows drawn the new way.
void RuzuZiri::AllowWordWrap(bool New_AllowWordWrap)
{
    d->m_Settings.m_AllowWordWrap = New_AllowWordWrap;
    if (d->DrawGrid(d->m_Painter.m_Paint))
        d->Notify(QStringLiteral("AllowWordWrap"));
}

bool RuzuZiri::AutoToolTips() const { return d->m_Settings.m_AutoToolTips; }

void RuzuZiri::AutoToolTips(bool New_AutoToolTips)
{
    d->SetProperty(d->m_Settings.m_AutoToolTips, New_AutoToolTips, QStringLiteral("AutoToolTips"), After::Store);
}

int RuzuZiri::CacheIncrement() const { return d->m_Model.CacheIncrement(); }

void RuzuZiri::CacheIncrement(int New_CacheIncrement)
{
    d->m_Model.CacheIncrement(New_CacheIncrement);
    d->Notify(QStringLiteral("CacheIncrement"));
}

int RuzuZiri::EditMove() const { return d->m_Settings.m_EditMove; }

void RuzuZiri::EditMove(int New_EditMove)
{
    d->SetProperty(d->m_Settings.m_EditMove, New_EditMove, QStringLiteral("EditMove"), After::Store);
}

int RuzuZiri::EditTrigger() const { return d->m_Settings.m_EditTrigger; }

void RuzuZiri::EditTrigger(int New_EditTrigger)
{
    d->SetProperty(d->m_Settings.m_EditTrigger, New_EditTrigger, QStringLiteral("EditTrigger"), After::Store);
}

// The window's state and the key-press flag are saved under one key, the flag last; were the flag
// left behind, a grid disabled at design time would come back enabled.
void RuzuZiri::Enabled(bool New_Enabled)
{
    setEnabled(New_Enabled);
    d->m_Settings.m_Enabled = New_Enabled;
    d->Notify(QStringLiteral("Enabled"));
}

// The position after the frozen block must be a position too; a block that large freezes every
// column a grid can hold all the same.
int RuzuZiriPrivate::ValidFreezeAtCol(int Col)
{
    return std::min(Col, INT_MAX - 1);
}

int RuzuZiri::FreezeAtCol() const { return d->m_Settings.m_FreezeAtCol; }

// The first column right of the frozen block must be the first one scrolled to.
void RuzuZiri::FreezeAtCol(int New_FreezeAtCol)
{
    if (d->SetProperty(d->m_Settings.m_FreezeAtCol, RuzuZiriPrivate::ValidFreezeAtCol(New_FreezeAtCol),
            QStringLiteral("FreezeAtCol"), After::Store)
        && d->SBGetPos(0) < d->m_Settings.m_FreezeAtCol + 1)
        d->SBSetPos(0, d->m_Settings.m_FreezeAtCol + 1);
}

int RuzuZiri::MaxLineCount() const { return d->m_Settings.m_MaxLineCount; }

void RuzuZiri::MaxLineCount(int New_MaxLineCount)
{
    d->SetProperty(d->m_Settings.m_MaxLineCount, New_MaxLineCount, QStringLiteral("MaxLineCount"), After::Refresh);
}

int RuzuZiri::MinRowHeight() const { return d->m_Settings.m_MinRowHeight; }

// A default row height of 0 makes CalcMetrics work it out from the new minimum.
void RuzuZiri::MinRowHeight(int New_MinRowHeight)
{
    d->m_Geometry.m_RowHeightDef = 0;
    d->SetProperty(d->m_Settings.m_MinRowHeight, New_MinRowHeight, QStringLiteral("MinRowHeight"), After::Metrics);
}

// The offset is added to row tops and image positions; one larger than any row keeps those sums in
// range. Rows stay a pixel high at least whatever the offset takes away (CalcMetrics).
int RuzuZiriPrivate::ValidMinVerticalOffset(int Offset)
{
    return std::clamp(Offset, -MaxLayoutPixels, MaxLayoutPixels);
}

int RuzuZiri::MinVerticalOffset() const { return d->m_Settings.m_MinVerticalOffset; }

void RuzuZiri::MinVerticalOffset(int New_MinVerticalOffset)
{
    d->m_Geometry.m_RowHeightDef = 0;
    d->SetProperty(d->m_Settings.m_MinVerticalOffset, RuzuZiriPrivate::ValidMinVerticalOffset(New_MinVerticalOffset),
        QStringLiteral("MinVerticalOffset"), After::Metrics);
}

int RuzuZiri::ScaleUnits() const { return d->m_Settings.m_ScaleUnits; }

void RuzuZiri::ScaleUnits(int New_ScaleUnits)
{
    d->SetProperty(d->m_Settings.m_ScaleUnits, New_ScaleUnits, QStringLiteral("ScaleUnits"), After::Store);
}

bool RuzuZiri::ShowRowNumbers() const { return d->m_Settings.m_ShowRowNumbers; }

// The editor sits at a fixed x; a row-number column appearing under it would leave it misplaced.
void RuzuZiri::ShowRowNumbers(bool New_ShowRowNumbers)
{
    if (!d->m_Edit.EditOpen())
        d->SetProperty(d->m_Settings.m_ShowRowNumbers, New_ShowRowNumbers, QStringLiteral("ShowRowNumbers"), After::Repaint);
}

bool RuzuZiri::ShowRowNumbersVary() const { return d->m_Settings.m_ShowRowNumbersVary; }

void RuzuZiri::ShowRowNumbersVary(bool New_ShowRowNumbersVary)
{
    if (!d->m_Edit.EditOpen())
        d->SetProperty(d->m_Settings.m_ShowRowNumbersVary, New_ShowRowNumbersVary, QStringLiteral("ShowRowNumbersVary"),
            After::Repaint);
}

// The editor opens with F2, as if the user had asked for it, even where editing is not allowed.
void RuzuZiri::ForceCellEdit(int lNewRow, int lNewCol, bool bBlankCell)
{
    const Lifeline self(this);
    RowColSet(lNewRow, lNewCol);
    if (!self.Alive() || d->m_Model.ItemCount() == 0)
        return;
    d->RememberKey(KeyCode::F2);
    // AllowEdit is borrowed for the opening only: the host's setting stands, no notice is raised.
    const bool allowEdit = std::exchange(d->m_Settings.m_AllowEdit, true);
    d->OpenCellEditor(d->m_Current.m_Row, d->m_Current.m_Col);
    if (!self.Alive())
        return;
    d->m_Settings.m_AllowEdit = allowEdit;
    if (bBlankCell && d->m_Edit.EditOpen() && !d->m_Edit.EditBound())
        d->m_Edit.txtEdit->clear();
}

QString RuzuZiri::GetInfo(int lInfo)
{
    return LocaleInfo(lInfo);
}

bool RuzuZiri::EditPending() const { return d->m_Edit.EditOpen(); }

int RuzuZiri::Rows() const { return d->m_Model.ItemCount(); }

int RuzuZiri::MouseRow() const { return d->m_Input.m_MouseRow; }

int RuzuZiri::RowFirstVisible() const { return d->m_Painter.m_RowFirstVisible; }

int RuzuZiri::RowLastVisible() const { return d->m_Painter.m_RowLastVisible; }

quintptr RuzuZiri::hWnd() const
{
    return quintptr(effectiveWinId());
}

int RuzuZiri::MouseCol() const
{
    if (d->m_Model.Cols() == 0)
        return 0;
    return d->m_Model.IsColumn(d->m_Input.m_MouseCol) ? d->m_Model.ColOrder()[size_t(d->m_Input.m_MouseCol)] : -1;
}

// The custom pointer is the hand the grid shows over cells that ask for it.
bool RuzuZiriPrivate::UCMousePointer() const
{
    return MousePointer() == MousePointerShape::Custom;
}

void RuzuZiriPrivate::UCMousePointer(bool Custom)
{
    MousePointer(Custom ? MousePointerShape::Custom : MousePointerShape::Default);
}

int RuzuZiriPrivate::MousePointer() const
{
    if (!q->testAttribute(Qt::WA_SetCursor))
        return MousePointerShape::Default;
    switch (q->cursor().shape()) {
    case Qt::SizeVerCursor: return MousePointerShape::SizeNS;
    case Qt::SizeHorCursor: return MousePointerShape::SizeWE;
    case Qt::PointingHandCursor: return MousePointerShape::Custom;
    default: return MousePointerShape::Default;
    }
}

void RuzuZiriPrivate::MousePointer(int Shape)
{
    if (Shape == MousePointer())
        return;
    switch (Shape) {
    case MousePointerShape::SizeNS: q->setCursor(Qt::SizeVerCursor); break;
    case MousePointerShape::SizeWE: q->setCursor(Qt::SizeHorCursor); break;
    case MousePointerShape::Custom: q->setCursor(Qt::PointingHandCursor); break;
    default: q->unsetCursor(); break;
    }
}

int RuzuZiri::VisibleHeight()
{
    if (!d->m_Painter.m_Paint)
        d->UpdateScrollRanges();
    // The control's height includes the border on both sides.
    const int border = Twips(2.0 * WindowBorderWidth());
    const int bar = d->SBVisible(0) ? Twips(SystemMetric(SystemMetrics::HScrollHeight)) : 0;
    // A control too small for its border and bar has no room, not a negative one.
    return std::max(0, Twips(height()) - bar - border);
}

int RuzuZiri::VisibleWidth()
{
    if (!d->m_Painter.m_Paint)
        d->UpdateScrollRanges();
    const int border = Twips(2.0 * WindowBorderWidth());
    const int bar = d->SBVisible(1) ? Twips(SystemMetric(SystemMetrics::VScrollWidth)) : 0;
    return std::max(0, Twips(width()) - bar - border - Twips(1) - Twips(d->RowNumberWidth()));
}

} // namespace Tarvex
