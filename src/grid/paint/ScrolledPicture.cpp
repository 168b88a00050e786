#include "grid/RuzuZiriPrivate.h"

#include "grid/paint/PaintPass.h"

// A scroll by less than a page moves the rows or the columns that stay, in the picture and on the
// screen, and paints only what comes into view, as Qt's own views scroll. It is taken only where the
// outcome is the picture a full paint of the new position draws: the picture showed the state just
// before, and nothing but one scroll position changed since. What else each axis needs is beside its
// move; anything else is a full paint.

namespace Tarvex {

bool RuzuZiriPrivate::PaintScrolledPicture(PaintPass& pass, bool NoFocus)
{
    const PaintStamp now = StampNow();
    PaintStamp moved = m_Painter.m_PaintedStamp;
    moved.ScrollRow = now.ScrollRow;
    moved.ScrollCol = now.ScrollCol;
    return PictureMayMove(NoFocus) && moved == now && MovePicture(pass, now);
}

// Moves the picture from the scroll positions it shows to those of To, when only one of them differs
// and the move gives what a full paint there draws.
bool RuzuZiriPrivate::MovePicture(PaintPass& pass, const PaintStamp& To)
{
    const PaintStamp& painted = m_Painter.m_PaintedStamp;
    const bool rowsScrolled = To.ScrollRow != painted.ScrollRow;
    const bool columnsScrolled = To.ScrollCol != painted.ScrollCol;
    if (rowsScrolled == columnsScrolled)
        return false;
    int distance = 0;
    if (rowsScrolled) {
        if (!RowsMayMove(distance))
            return false;
        pass.Right = m_Painter.m_PaintedRight;
        MoveRows(pass, distance);
        return true;
    }
    if (!ColumnsMayMove(distance))
        return false;
    MoveColumns(pass, distance);
    return true;
}

// What painting a part of the picture needs: a picture that showed the state it started from, no
// header cell lit (a full paint draws it plain), and no current row to keep in view past tall rows,
// which only a full paint works out.
bool RuzuZiriPrivate::PictureMayChangeInPart(bool NoFocus) const
{
    if (NoFocus || !m_Painter.m_PictureCurrent || HotHeader() != -1)
        return false;
    return !((m_Settings.m_AllowWordWrap || m_Settings.m_AllowRowResizing) && m_Painter.m_KeepCurrentRowInView);
}

// Moving its pixels needs besides that no editor over the cells: the screen's pixels would move under it.
bool RuzuZiriPrivate::PictureMayMove(bool NoFocus) const
{
    return PictureMayChangeInPart(NoFocus) && !m_Edit.EditOpen();
}

// The picture's look besides the stamp, which a move compares with the new position's.
void RuzuZiriPrivate::KeepPaintedLook(const PaintPass& pass)
{
    m_Painter.m_PaintedRight = pass.Right;
    m_Painter.m_PaintedRowNumberWidth = RowNumberWidth();
    m_Painter.m_PaintedFilled = pass.LinesBottom >= q->ScaleHeight();
}

} // namespace Tarvex
