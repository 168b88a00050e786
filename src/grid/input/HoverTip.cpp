#include "grid/RuzuZiriPrivate.h"

#include "grid/paint/DrawingHelpers.h"
#include "platform/CanvasText.h"
#include "platform/EventWatch.h"
#include "platform/InputTransparentWindow.h"

#include <tarvex/platform/Clock.h>
#include <tarvex/platform/PictureBox.h>
#include <tarvex/platform/Timer.h>

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include <algorithm>

namespace Tarvex {

namespace {

constexpr quint32 TipDelay = 1500;     // milliseconds from the pointer's first entry into a cell
constexpr int TipCheckInterval = 50;   // milliseconds between two looks at the tick count
constexpr qint32 TipTextColor = qint32(0x80000017); // the system's tooltip text

// A cell's text measured by the platform's text layout, in pixels.
QSize Measured(Canvas& Measure, const QString& Text, int Width, int Flags, const QFont& Font)
{
    Rect bounds { 0, 0, Width, 0 };
    Measure.DrawText(Text, bounds, Flags | TextFlags::CalcRect, Font, TipTextColor);
    return { bounds.Right - bounds.Left, bounds.Bottom - bounds.Top };
}

bool EndsAWord(QChar Ch)
{
    return Ch == QLatin1Char(' ') || Ch == QLatin1Char('\r') || Ch == QLatin1Char('\n');
}

// The platform breaks lines at blanks only, and a word wider than the line keeps its width there;
// such a word is broken between its letters where the width ends, so that the tip keeps to the
// screen.
QString WordsBrokenAt(const QString& Text, int Width, const QFont& Font)
{
    QString broken;
    for (qsizetype start = 0; start < Text.size();) {
        qsizetype end = start;
        while (end < Text.size() && !EndsAWord(Text[end]))
            ++end;
        const QString word = Text.mid(start, end - start);
        for (qsizetype from = 0; from < word.size();) {
            const qsizetype reached = FirstEndReaching(word, from, from, Font, Width);
            if (reached >= word.size()) {
                broken += word.mid(from);
                break;
            }
            const qsizetype piece = std::max<qsizetype>(reached - from, 1); // a letter wider than the line still shows
            broken += word.mid(from, piece) + QLatin1Char('\n');
            from += piece;
        }
        if (end < Text.size())
            broken += Text[end];
        start = end + 1;
    }
    return broken;
}

} // namespace

// The wait runs on a timer while the pointer moves on; it shows the cell under the pointer when it
// ends.
void RuzuZiriPrivate::CellTipTimer(int Row, int Col)
{
    if (!m_Settings.m_AutoToolTips || m_Tip.TipWaiting())
        return;
    if (TipText(Row, Col).isEmpty())
        return;
    m_Tip.m_TipStage = TipStage::Waiting;
    m_Tip.m_TipStart = qint32(TickCount());
    if (!m_Tip.m_TipWait) {
        m_Tip.m_TipWait = new Timer(q);
        QObject::connect(m_Tip.m_TipWait, &Timer::Tick, q, [this] { TipWaitTick(); });
    }
    m_Tip.m_TipWait->Interval(TipCheckInterval);
    m_Tip.m_TipWait->Enabled(true);
}

// Only a running wait is cancelled: a cancel from before a wait began (a press, a move off the rows)
// would take the tip of the next cell visited.
void RuzuZiriPrivate::CancelTip()
{
    if (m_Tip.m_TipStage == TipStage::Waiting)
        m_Tip.m_TipStage = TipStage::Cancelled;
}

// The elapsed time is taken by unsigned difference, so the wrap of the tick count does not matter.
void RuzuZiriPrivate::TipWaitTick()
{
    const bool cancelled = m_Tip.m_TipStage == TipStage::Cancelled;
    if (!cancelled && TickCount() - quint32(m_Tip.m_TipStart) < TipDelay)
        return;
    m_Tip.m_TipWait->Enabled(false);
    m_Tip.m_TipStage = TipStage::Idle;
    if (!cancelled && PointerStillOn(m_Input.m_MouseRow, m_Input.m_MouseCol))
        ShowCellTip(m_Input.m_MouseRow, m_Input.m_MouseCol);
}

// A filter, a scroll or a new size during the wait may have taken the cell from under the pointer,
// put another row there or moved the row out of view; a tip then would show a cell nobody points at.
// Only shown rows are found under the pointer.
bool RuzuZiriPrivate::PointerStillOn(int Row, int Col) const
{
    const QPointF at = m_Input.m_MouseAt;
    if (at.x() < 0 || at.y() < 0 || at.x() >= q->ScaleWidth() || at.y() >= q->ScaleHeight())
        return false;
    return PointerCell(float(at.x()), float(at.y())) == std::pair { Col, Row };
}

// The text a tip of the cell would show; empty where the cell takes no tip.
QString RuzuZiriPrivate::TipText(int Row, int Col) const
{
    if (m_Edit.EditOpen() || !m_Model.IsRowPosition(Row) || !m_Model.IsColumn(Col))
        return QString();
    const int number = m_Model.ColOrder()[size_t(Col)];
    const udtColumn& column = m_Model.Columns()[size_t(number)];
    if (column.ColType == ColTypeCheckBox)
        return QString();
    const udtRow& row = m_Model.RowAt(Row);
    return row.Cells.Text(size_t(number)).isEmpty() ? QString() : ShownText(row, number);
}

void RuzuZiriPrivate::HideTip()
{
    if (m_Tip.picToolTip)
        m_Tip.picToolTip->hide();
    WatchTipPlace(false);
}

// A shown tip stands where the cell was on the screen: once the grid or a window it lies in moves or
// hides, the tip would point at nothing, so it goes.
void RuzuZiriPrivate::WatchTipPlace(bool On)
{
    for (const QPointer<QWidget>& watched : std::exchange(m_Tip.m_TipPlaceWatched, {})) {
        if (m_Tip.m_TipPlaceWatch)
            m_Tip.m_TipPlaceWatch->Unwatch(watched);
    }
    if (!On)
        return;
    if (!m_Tip.m_TipPlaceWatch) {
        m_Tip.m_TipPlaceWatch = new EventWatch(q, [this](QObject*, QEvent* Event) {
            if (Event->type() == QEvent::Move || Event->type() == QEvent::Hide)
                HideTip();
            return false;
        });
    }
    for (QWidget* widget = q; widget; widget = widget->parentWidget()) {
        m_Tip.m_TipPlaceWatch->Watch(widget);
        m_Tip.m_TipPlaceWatched.emplace_back(widget);
    }
}

// The watch would hear the grid hide on its way out, after this side is gone.
void RuzuZiriPrivate::EndTip()
{
    HideTip();
    delete std::exchange(m_Tip.m_TipPlaceWatch, nullptr);
}

// Shows the cell's whole text over the cell when its column cuts it, in screen pixels from the
// cell's top left corner, no wider than the room left to the screen's edge.
void RuzuZiriPrivate::ShowCellTip(int Row, int Col)
{
    if (Row == -1 || !m_Tip.picToolTip)
        return;
    HideTip();
    const QString text = TipText(Row, Col);
    if (text.isEmpty())
        return;
    const int number = m_Model.ColOrder()[size_t(Col)];
    const udtColumn& column = m_Model.Columns()[size_t(number)];
    const udtCell& cell = m_Model.CellAt(Row, number);
    const int rowHeight = m_Model.RowAt(Row).Height;

    const QFont font = CellFont(q->font(), column, m_Model.RowAt(Row), cell);
    const bool hasImage = CellLookOf(cell).Image != 0;

    Canvas measure = Drawing();
    const int pad = qRound(Canvas::TextWidth(font, QStringLiteral("ABCDWXYZ")) / 14.0);
    const int verticalPad = 2 * m_Settings.m_MinVerticalOffset + 2;
    int available = column.WidthPx - (number == 0 && HasImages(false) ? m_Geometry.m_Metrics.TextLeft : 0);
    int tipWidth = std::max(qRound(Canvas::TextWidth(font, text)), available);
    available -= pad + (hasImage ? m_Geometry.m_Metrics.ImageWidth : 0);

    bool fits = false;
    if (!IsFlagSet(cell.Flags, CellFlagWordWrap) || !m_Settings.m_AllowWordWrap) {
        fits = Measured(measure, text, 0, TextFlags::SingleLine, font).width() + pad <= available;
    } else {
        if (rowHeight > m_Geometry.m_Metrics.HeaderTextHeight + verticalPad && m_Settings.m_ExpandRowImage > 0)
            available -= pad + m_Geometry.m_Metrics.ImageWidth;
        available -= 2;
        const QSize wrapped = Measured(measure, text, column.WidthPx, TextFlags::WordBreak, font);
        fits = wrapped.height() + verticalPad <= rowHeight && wrapped.width() + pad <= available;
    }
    if (fits)
        return;

    Rect extent { 0, 0, 0, 0 };
    GetColumnExtent(Col, extent);
    const int rowTop = RowTop(Row);
    if (rowTop < 0)
        return;
    const QPoint window = q->mapToGlobal(ClientOrigin());
    const QPoint corner(window.x() + extent.Left, window.y() + rowTop);
    const QScreen* shownOn = QGuiApplication::screenAt(corner) ? QGuiApplication::screenAt(corner) : q->screen();
    const QRect screen = shownOn ? shownOn->availableGeometry() : QRect(corner, QSize(tipWidth, rowHeight));

    const int doublePad = 2 * pad;
    const int room = screen.right() + 1 - corner.x();
    const int roomBelow = screen.bottom() + 1 - corner.y();
    if (room <= doublePad || roomBelow <= 0)
        return;
    QString shown = text;
    QSize textSize = Measured(measure, shown, tipWidth, TextFlags::WordBreak, font);
    const bool cut = room < tipWidth;
    if (cut) {
        tipWidth = room - doublePad;
        shown = WordsBrokenAt(text, tipWidth, font);
        textSize = Measured(measure, shown, tipWidth, TextFlags::WordBreak, font);
    }
    const int width = std::min(textSize.width() + doublePad, room);
    // A row may be far higher than the screen: the tip ends where the screen does.
    const int height = std::min(textSize.height() >= rowHeight ? textSize.height() + verticalPad : rowHeight, roomBelow);

    m_Tip.picToolTip->setFont(font);
    m_Tip.picToolTip->Move(corner.x(), corner.y(), width, height);
    m_Tip.picToolTip->Cls();
    // The tip exists to show the whole text: its text never ends in an ellipsis, and the wider inset
    // of the first column does not narrow it below the width it was measured at.
    const int left = Col == 0 ? 5 : 2;
    Rect bounds { left, -1, std::max(width - 6, left + textSize.width()), height };
    const int flags = text.contains(QLatin1Char('\r')) || cut
        ? TextFlags::WordBreak
        : cell.Alignment | TextFlags::SingleLine | TextFlags::WordBreak;
    Canvas tip = m_Tip.picToolTip->hDC();
    DrawString(tip, shown, -1, bounds, flags, 0, font, TipTextColor);
    // A tooltip window shows above every other window. Over the cell it must leave the pointer to
    // the grid, or the grid would see the pointer leave and hide the tip again.
    ShowTransparentForInput(*m_Tip.picToolTip);
    WatchTipPlace(true);
}

} // namespace Tarvex
