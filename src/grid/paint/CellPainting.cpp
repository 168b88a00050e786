#include "grid/RuzuZiriPrivate.h"

#include "grid/paint/PaintPass.h"

#include <tarvex/platform/runtime/FormatText.h>

#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <cstdlib>

// What the row loop of DrawGrid paints for one cell: colours, the row's check box and image in the
// first column, progress bars, buttons, check boxes, the cell image or picture, then the text.

namespace Tarvex {

namespace {

constexpr int ThemeCheckBox = 3; // part and states of the themed "Button" class
constexpr int ThemeChecked = 5;
constexpr int ThemeUnchecked = 0;
constexpr qint32 ButtonTextColor = qint32(0x80000012);

} // namespace

void RuzuZiriPrivate::DrawCell(PaintPass& pass, const CellSpot& Spot, const udtRow& Row, bool Selected)
{
    const udtColumn& column = m_Model.Columns()[Spot.Col];
    const udtCell& cell = Row.Cells[Spot.Col];
    const CellLook look = CellLookOf(cell);
    const int W = column.WidthPx;
    const int H = Row.Height;

    pass.TextColor = m_Settings.m_Colors.m_ForeColorSel;
    Rect R { Spot.X, Spot.Top, Spot.X + W, Spot.Top + H };
    pass.hDC.SetClip(R);
    if (Selected) {
        if (m_Settings.m_FocusRowHighlightKeepTextForecolor)
            pass.TextColor = look.ForeColor;
    } else {
        if (look.BackColor != m_Settings.m_Colors.m_BackColor)
            DrawRect(pass.hDC, R, look.BackColor, true);
        pass.TextColor = look.ForeColor;
    }

    if (Spot.DisplayCol == 0) {
        DrawRowCheckBox(pass, Row, Spot.Top, H);
        DrawRowImage(pass, Row, Spot.Top, H, Selected);
        R = { RowNumberWidth() + m_Geometry.m_Metrics.TextLeft + 3, Spot.Top, Spot.X + W - 3, Spot.Top + H };
    } else {
        R = { Spot.X + 3, Spot.Top, Spot.X + W - 3, Spot.Top + H };
    }

    if (column.ColType == ColTypeCheckBox) {
        if (!Row.GroupHeader)
            DrawCellCheckBox(pass, Spot, IsFlagSet(cell.Flags, CellFlagChecked));
        return;
    }
    if (!Row.GroupHeader)
        DrawCellKind(pass, Spot, column, cell, H, R);
    pass.Font = CellFont(m_Settings.m_Font, column, Row, cell);

    int img = look.Image;
    const QString text = ShownText(Row, Spot.Col);
    const int flags = PrepareCellText(pass, Spot, Row, cell, text, img, R);
    if (Row.Extra && size_t(Spot.Col) < Row.Extra->CellPictures.size() && Row.Extra->CellPictures[size_t(Spot.Col)])
        DrawCellPicture(pass, Spot, column, *Row.Extra->CellPictures[size_t(Spot.Col)]);
    else if (img != 0)
        DrawCellImage(pass, Spot, column, H, std::abs(img), Selected, R);
    DrawTextIn(pass, text, R, flags);
}

QString RuzuZiriPrivate::ShownText(const udtRow& Row, int Col) const
{
    const QString text = Row.Cells.Text(size_t(Col));
    const QString& format = m_Model.Columns()[size_t(Col)].Format;
    return format.isEmpty() ? text : FormatText(text, format);
}

// Cells without a format of their own look like the control.
CellLook RuzuZiriPrivate::CellLookOf(const udtCell& Cell) const
{
    if (Cell.FormatIndex < 0)
        return { m_Settings.m_Colors.m_BackColor, m_Settings.m_Colors.m_ForeColor, QString(), false, 0 };
    const udtCellFormat& format = m_Model.CellFormats()[Cell.FormatIndex];
    return { format.BackColor, format.ForeColor, format.FontName, format.HandPointer, format.Image };
}

void RuzuZiriPrivate::DrawRowCheckBox(PaintPass& pass, const udtRow& Row, int Top, int Height)
{
    if (!m_Settings.m_RowCheckBoxes || Row.GroupHeader)
        return;
    const Rect box { RowNumberWidth() + 3, Top, RowNumberWidth() + m_Geometry.m_Metrics.CheckBoxSize, Top + Height };
    DrawCheckBox(pass, box, IsFlagSet(Row.Flags, RowFlagChecked));
}

void RuzuZiriPrivate::DrawCellCheckBox(PaintPass& pass, const CellSpot& Spot, bool Checked)
{
    Rect box;
    GetCellRect(Spot.Position, Spot.DisplayCol, Spot.Top, box, 1);
    DrawCheckBox(pass, box, Checked);
}

// Themed when the style can; otherwise the classic flat box, 14 pixels high and centred.
void RuzuZiriPrivate::DrawCheckBox(PaintPass& pass, Rect Box, bool Checked)
{
    if (DrawThemePart(pass.hDC, QStringLiteral("Button"), ThemeCheckBox, Checked ? ThemeChecked : ThemeUnchecked, Box))
        return;
    const int d = (Box.Top + 14 - Box.Bottom) / 2;
    if (d < 0) {
        Box.Top -= d;
        Box.Bottom += d;
    }
    pass.hDC.DrawFrameControl(Box, FrameControl::Button,
        FrameControl::ButtonCheck | FrameControl::Flat | (Checked ? FrameControl::Checked : 0));
}

void RuzuZiriPrivate::DrawRowImage(PaintPass& pass, const udtRow& Row, int Top, int Height, bool Selected)
{
    if (!m_Geometry.m_Metrics.HasImageList || Row.Image == 0)
        return;
    const int x = m_Geometry.m_Metrics.ImageLeft + RowNumberWidth();
    const int y = Top
        + (m_Settings.m_CenterRowImage ? (Height - m_Geometry.m_Metrics.ImageHeight) / 2
                                       : m_Settings.m_MinVerticalOffset);
    DrawListImage(pass, std::abs(Row.Image), x, y, Selected && m_Settings.m_ApplySelectionToImages ? 2 : 1);
}

// Progress bars and buttons draw under the text; the text rectangle follows what they take.
void RuzuZiriPrivate::DrawCellKind(
    PaintPass& pass, const CellSpot& Spot, const udtColumn& Column, const udtCell& Cell, int H, Rect& R)
{
    const int x = Spot.X;
    const int W = Column.WidthPx;
    if (Column.ColType == ColTypeProgressBar) {
        const int v = Cell.Progress;
        if (v >= 1) {
            const int w = int(std::nearbyint((W - 2) / 100.0 * v));
            DrawRect(pass.hDC, Rect { x + 2, Spot.Top + 2, x + w, Spot.Top + H - 2 },
                m_Settings.m_Colors.m_ProgressBarColor, true);
        }
        R = { x + 3, Spot.Top, x + W - 3, Spot.Top + H };
    } else if (Column.ColType == ColTypeButton) {
        R = { x, Spot.Top, x + W, Spot.Top + H };
        const bool pressed
            = m_Input.m_DragSelect && m_Input.m_DownRow == Spot.Position && m_Current.m_Col == Spot.DisplayCol;
        DrawThemedButton(
            pass.hDC, R, pressed ? 3 : 1, [&](Rect& Bounds, int State) { DrawHeaderStyle(pass.hDC, Bounds, State); });
        pass.TextColor = ButtonTextColor;
    }
}

// The face of the cell's format, else Font's own. A progress bar shows its value plainly, whatever
// font bits its cells carry; a group header's row shows no bar and keeps them.
QFont RuzuZiriPrivate::CellFont(QFont Font, const udtColumn& Column, const udtRow& Row, const udtCell& Cell) const
{
    const bool plain = Column.ColType == ColTypeProgressBar && !Row.GroupHeader;
    const QString face = CellLookOf(Cell).FontName;
    // A font left as it came keeps what Qt found for it: most cells are drawn in the grid's own, and
    // finding a font's glyphs anew for each of them would cost more than drawing them.
    if (!face.isEmpty() && Font.family() != face)
        Font.setFamily(face);
    const bool bold = !plain && IsFlagSet(Cell.Flags, CellFlagBold);
    const bool italic = !plain && IsFlagSet(Cell.Flags, CellFlagItalic);
    const bool underline = !plain && IsFlagSet(Cell.Flags, CellFlagUnderline);
    if (Font.bold() != bold)
        Font.setBold(bold);
    if (Font.italic() != italic)
        Font.setItalic(italic);
    if (Font.underline() != underline)
        Font.setUnderline(underline);
    return Font;
}

// Returns the text flags. Word-wrapping cells that need more than one line are drawn from the top
// left with word breaks, and a text taller than one line marks the cell with ExpandRowImage.
int RuzuZiriPrivate::PrepareCellText(PaintPass& pass, const CellSpot& Spot, const udtRow& Row, const udtCell& Cell,
    const QString& Text, int& Img, Rect& R)
{
    int tw = m_Model.Columns()[Spot.Col].WidthPx - 15;
    int flags = Cell.Alignment | TextFlags::SingleLine;
    const int rowImg = Spot.DisplayCol == 0 ? Row.Image : 0;
    const bool hasImage = Img != 0 || rowImg != 0;
    if (hasImage)
        tw -= m_Geometry.m_Metrics.ImageWidth;
    const bool wordWrap = m_Settings.m_AllowWordWrap && IsFlagSet(Cell.Flags, CellFlagWordWrap);
    if (!wordWrap)
        return flags;
    bool wraps = Text.contains(QLatin1Char('\r'));
    if (m_Settings.m_MinRowHeight > 0 && !wraps)
        wraps = FitCellText(Text, tw, -1, pass.Font).contains(QLatin1Char('\r'));
    Rect measured { 0, 0, tw - (hasImage ? m_Geometry.m_Metrics.ImageWidth : 0), Row.Height };
    DrawTextIn(pass, Text, measured, TextFlags::CalcRect | TextFlags::SingleLine);
    if (!((measured.Right + 6 > tw && Row.Height > m_Geometry.m_RowHeightDef) || wraps))
        return flags;
    flags = TextFlags::WordBreak;
    measured = { 0, 0, tw, Row.Height };
    DrawTextIn(pass, Text, measured, TextFlags::CalcRect | TextFlags::WordBreak);
    if (measured.Height() > m_Geometry.m_Metrics.HeaderTextHeight)
        Img = m_Settings.m_ExpandRowImage;
    R.Top += m_Settings.m_MinVerticalOffset;
    return flags;
}

// The image sits in the cell by the column's ImageAlignment, and the text gives way to it.
void RuzuZiriPrivate::DrawCellImage(PaintPass& pass, const CellSpot& Spot, const udtColumn& Column, int H, int Image,
    bool Selected, Rect& R)
{
    Rect I;
    GetCellRect(Spot.Position, Spot.DisplayCol, Spot.Top, I, 2);
    const int imageWidth = m_Geometry.m_Metrics.ImageWidth;
    const int imageHeight = m_Geometry.m_Metrics.ImageHeight;
    const int offset = m_Settings.m_MinVerticalOffset;
    int o = offset;
    switch (Column.ImageAlignment) {
    case 0:
    case 1: R.Left += I.Right - I.Left; break;
    case 2: R.Right -= I.Right - I.Left; break;
    case 4: o = (H - imageHeight) / 2; R.Left += imageWidth; break;
    // Centred image and centred text share the middle of the cell.
    case 5: o = (H - imageHeight - offset) / 2; break;
    case 6: o = (H - imageHeight) / 2; R.Right -= imageWidth; break;
    case 8:
    case 9: o = H - imageHeight - offset; R.Left += imageWidth; break;
    case 10: o = H - imageHeight - offset; R.Right -= imageWidth; break;
    default: break;
    }
    if (I.Left < 0)
        return;
    DrawListImage(pass, Image, I.Left, Spot.Top + o, Selected && m_Settings.m_ApplySelectionToImages ? 2 : 1);
}

// A picture keeps its proportions inside the cell's content box.
void RuzuZiriPrivate::DrawCellPicture(PaintPass& pass, const CellSpot& Spot, const udtColumn& Column, const QPixmap& Picture)
{
    if (Picture.isNull())
        return;
    Rect P;
    GetCellRect(Spot.Position, Spot.DisplayCol, Spot.Top, P, 0);
    const double aspect = double(Picture.height()) / Picture.width();
    double w = P.Width();
    double h = P.Height();
    if (w <= 0 || h <= 0)
        return;
    if (h / w <= aspect)
        w = h / aspect;
    else
        h = aspect * w;
    const int W = Column.WidthPx;
    const int pictureWidth = Picture.width();
    switch (Column.ImageAlignment) {
    case 2:
    case 6:
    case 10:
        if (pictureWidth < W)
            P.Left += W - pictureWidth - 5;
        break;
    case 5:
        if (pictureWidth < W)
            P.Left += int(std::nearbyint(std::abs(W - w))) / 2 - 2;
        break;
    default: break;
    }
    const Rect placed { P.Left, P.Top, P.Left + int(w), P.Top + int(h) };
    pass.hDC.Paint(placed, [&](QPainter& painter) {
        painter.drawPixmap(placed.Left, placed.Top, placed.Width(), placed.Height(), Picture);
    });
}

// Style 1 draws the image as it is (transparent where it is), style 2 tinted with the selection
// colour as a selected item's image is. An index the list does not hold draws nothing.
void RuzuZiriPrivate::DrawListImage(PaintPass& pass, int Index, int X, int Y, int Style)
{
    if (!m_Settings.m_ImageList)
        return;
    QPixmap picture = m_Settings.m_ImageList->Picture(Index);
    if (picture.isNull())
        return;
    if (Style == 2) {
        QPainter tint(&picture);
        tint.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        QColor highlight = Tarvex::TranslateOleColor(SystemColor::Highlight, pass.hDC.Palette());
        highlight.setAlpha(128);
        tint.fillRect(picture.rect(), highlight);
    }
    const Rect placed { X, Y, X + m_Geometry.m_Metrics.ImageWidth, Y + m_Geometry.m_Metrics.ImageHeight };
    pass.hDC.Paint(placed, [&](QPainter& painter) {
        painter.drawPixmap(placed.Left, placed.Top, placed.Width(), placed.Height(), picture);
    });
}

} // namespace Tarvex
