#include "grid/RuzuZiriPrivate.h"

#include "grid/paint/PaintPass.h"

#include <tarvex/platform/VisualStyle.h>

#include <QHash>

#include <algorithm>

// A current-cell move that scrolls nothing changes the look of a few rows only. Those rows are
// painted again by the normal row loop, confined to their band of the picture, so the result is
// the one a full paint would give. That holds only while everything else is as the picture shows
// it: each paint stamps the inputs it drew from, and a move offers its rows only when the stamp
// before it is the picture's and nothing but its own writes changed since; else a full paint.

namespace Tarvex {

PaintStamp RuzuZiriPrivate::StampNow() const
{
    return PaintStamp { m_Model.Edits(), PaintSettings(), SBGetPos(0), SBGetPos(1), int(q->ScaleWidth()),
        int(q->ScaleHeight()), m_Current.m_Row, m_Current.m_Col };
}

// Everything besides the records, the scroll bars and the size that the painter reads. A setting
// missing here lets a move keep a stale picture, so whatever the painter comes to read belongs here.
size_t RuzuZiriPrivate::PaintSettings() const
{
    const GridSettings& s = m_Settings;
    const GridColorSet& c = s.m_Colors;
    const size_t colors = qHashMulti(0, c.m_BackColor, c.m_BackColorBkg, c.m_BackColorSel, c.m_ForeColor, c.m_ForeColorHdr,
        c.m_ForeColorSel, c.m_BackColorEvenRows, c.m_FocusRectColor, c.m_GridColor, c.m_ProgressBarColor,
        c.m_CustomColorFrom, c.m_CustomColorTo, q->palette().cacheKey());
    const GridMetrics& m = m_Geometry.m_Metrics;
    const size_t metrics = qHashMulti(0, m.DrawTextFlags, m.CheckBoxSize, m.HasImageList, m.ImageHeight, m.ImageWidth,
        m.ImageLeft, m.TextLeft, m.HeaderHeight, m.HeaderTextHeight, m.CaptionHeight, m_Geometry.m_RowHeightDef);
    const size_t layout = qHashMulti(0, s.m_AllowWordWrap, s.m_AllowRowResizing, s.m_AllowColumnSort, s.m_AllowColumnHover,
        s.m_FreezeAtCol, s.m_MaxLineCount, s.m_MinRowHeight, s.m_MinVerticalOffset, s.m_MultiSelect, s.m_ShowRowNumbers,
        s.m_ShowRowNumbersVary, s.m_RowCheckBoxes, s.m_TotalsLineShow, s.m_ColumnHeaders, s.m_ColumnHeaderSmall,
        s.m_ColumnHeaderLines);
    const size_t look = qHashMulti(0, s.m_AlphaBlendSelection, s.m_ApplySelectionToImages, s.m_BackColorEvenRowsEnabled,
        s.m_Caption, s.m_CaptionAlignment, s.m_CenterRowImage, s.m_DisplayEllipsis, s.m_ExpandRowImage, s.m_FocusRectHide,
        s.m_FocusRectMode, s.m_FocusRectStyle, s.m_FocusRowHighlight, s.m_FocusRowHighlightKeepTextForecolor, s.m_Font,
        s.m_FontHeader, s.m_GridLines, s.m_GridLineWidth);
    const size_t themes = qHashMulti(0, s.m_ThemeColor, s.m_ThemeStyle, s.m_FocusRowHighlightStyle, s.m_ThemeName,
        VisualStyle::AppThemed());
    const ImageList* images = s.m_ImageList.data();
    const size_t imageList = qHashMulti(0, static_cast<const void*>(images), images ? images->Count() : 0,
        images ? images->ImageWidth() : 0, images ? images->ImageHeight() : 0);
    const size_t pointer = qHashMulti(
        0, m_Sort.m_SortCol, m_Sort.m_SortSubCol, m_Input.m_DragSourceCol, m_Input.m_DragSelect, m_Input.m_DownRow);
    return qHashMulti(0, colors, metrics, layout, look, themes, imageList, pointer);
}

// After a move: when the picture showed the state just before it, and the move's own writes to the
// records, the current cell and a scroll of the rows or the columns are all that changed since, the
// rows First..Last are enough, once the picture's rows or columns moved with the scroll.
void RuzuZiriPrivate::OfferChangedRows(const PaintStamp& Before, quint64 OwnEdits, int First, int Last)
{
    PaintStamp moved = Before;
    moved.Edits += OwnEdits;
    moved.Row = m_Current.m_Row;
    moved.Col = m_Current.m_Col;
    moved.ScrollRow = SBGetPos(1);
    moved.ScrollCol = SBGetPos(0);
    // A scroll the move made before Before was taken is one of its own changes too.
    PaintStamp before = Before;
    before.ScrollRow = m_Painter.m_PaintedStamp.ScrollRow;
    before.ScrollCol = m_Painter.m_PaintedStamp.ScrollCol;
    if (!m_Painter.m_PictureCurrent || !(m_Painter.m_PaintedStamp == before) || !(StampNow() == moved))
        return;
    m_Painter.m_MoveStamp = moved;
    m_Painter.m_ChangedFirst = First;
    m_Painter.m_ChangedLast = Last;
}

bool RuzuZiriPrivate::PaintChangedRowsOnly(PaintPass& pass, int First, int Last, bool NoFocus)
{
    if (First < 0 || m_Model.LastRow() < 0 || !PictureMayChangeInPart(NoFocus))
        return false;
    // Whatever ran since the move was offered, the event pump of this paint included, changed the stamp.
    if (!(StampNow() == m_Painter.m_MoveStamp))
        return false;
    pass.Right = m_Painter.m_PaintedRight;
    const PaintStamp& painted = m_Painter.m_PaintedStamp;
    const PaintStamp& moved = m_Painter.m_MoveStamp;
    if (moved.ScrollRow != painted.ScrollRow || moved.ScrollCol != painted.ScrollCol) {
        if (m_Edit.EditOpen() || !MovePicture(pass, moved))
            return false;
    } else {
        ChooseVisibleRows(pass);
    }
    PaintBand(pass, ChangedBand(pass, First, Last));
    return true;
}

// The normal row loop, confined to Band: the header cells it crosses and every row touching it are
// drawn again, then the lines and the focus outline over them, so the band comes out as a full paint
// would draw it.
void RuzuZiriPrivate::PaintBand(PaintPass& pass, const Rect& Band)
{
    pass.Shown.append(Band);
    pass.Band = Band;
    pass.Partial = true;
    pass.hDC.Confine(pass.Band);
    ClearSurface(pass);
    if (Band.Top < m_Geometry.m_Metrics.HeaderHeight)
        DrawHeaders(false, Band);
    PaintRows(pass);
    PaintBottomLine(pass);
    PaintVerticalLines(pass);
    PaintFocusRect(pass);
}

// From a pixel above the first changed row to two below the last: the row lines and the thick
// focus outline reach that far. The header above is never part of it.
Rect RuzuZiriPrivate::ChangedBand(const PaintPass& pass, int First, int Last) const
{
    int top = -1;
    int bottom = -1;
    const GridLayout& layout = Layout();
    for (const RowPlace& place : layout.Rows) {
        if (place.Position < First || place.Position > Last)
            continue;
        top = top < 0 ? place.Top - 1 : top;
        bottom = place.Top + place.Height + 2;
    }
    // The focus outline's old and new places belong to the band wherever they fall.
    for (const int row : { m_Painter.m_PaintedStamp.Row, m_Current.m_Row }) {
        const int rowTop = row < m_Painter.m_RowFirstVisible || row > m_Painter.m_RowLastVisible ? -1 : RowTop(row, -1);
        if (rowTop == -1)
            continue;
        top = top < 0 ? rowTop - 1 : std::min(top, rowTop - 1);
        bottom = std::max(bottom, rowTop + m_Model.RowAt(row).Height + 2);
    }
    if (top < 0)
        return Rect {};
    return Rect { 0, std::max(top, m_Geometry.m_Metrics.HeaderHeight), pass.hDC.Width(), bottom };
}

} // namespace Tarvex
