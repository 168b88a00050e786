#include "grid/RuzuZiriPrivate.h"

#include "platform/VariantTypes.h"

#include <tarvex/platform/Scale.h>

#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace Tarvex {

qint16 RuzuZiri::Appearance() const { return d->m_Settings.m_Appearance; }

void RuzuZiri::Appearance(qint16 New_Appearance)
{
    d->SetProperty(d->m_Settings.m_Appearance, New_Appearance, QStringLiteral("Appearance"), After::Store);
    d->ShowBorder();
    d->RefreshIfRedraw();
}

bool RuzuZiri::AlphaBlendSelection() const { return d->m_Settings.m_AlphaBlendSelection; }

void RuzuZiri::AlphaBlendSelection(bool New_AlphaBlendSelection)
{
    d->SetProperty(d->m_Settings.m_AlphaBlendSelection, New_AlphaBlendSelection, QStringLiteral("AlphaBlendSelection"),
        After::Refresh);
}

bool RuzuZiri::ApplySelectionToImages() const { return d->m_Settings.m_ApplySelectionToImages; }

void RuzuZiri::ApplySelectionToImages(bool New_ApplySelectionToImages)
{
    d->SetProperty(d->m_Settings.m_ApplySelectionToImages, New_ApplySelectionToImages,
        QStringLiteral("ApplySelectionToImages"), After::Repaint);
}

bool RuzuZiri::BackColorEvenRowsEnabled() const { return d->m_Settings.m_BackColorEvenRowsEnabled; }

void RuzuZiri::BackColorEvenRowsEnabled(bool New_BackColorEvenRowsEnabled)
{
    d->SetProperty(d->m_Settings.m_BackColorEvenRowsEnabled, New_BackColorEvenRowsEnabled,
        QStringLiteral("BackColorEvenRowsEnabled"), After::Store);
}

int RuzuZiri::BorderStyle() const { return d->m_Settings.m_BorderStyle; }

void RuzuZiri::BorderStyle(int New_BorderStyle)
{
    d->SetProperty(d->m_Settings.m_BorderStyle, New_BorderStyle, QStringLiteral("BorderStyle"), After::Store);
    d->ShowBorder();
    d->RefreshIfRedraw();
}

// A single border is a flat line or, with the 3-D appearance, a sunken edge; the surface draws it
// around the client area, which shrinks by what it takes, and the scroll bars move inside it.
void RuzuZiriPrivate::ShowBorder()
{
    Surface::BorderLook look = Surface::BorderLook::None;
    if (m_Settings.m_BorderStyle == 1)
        look = m_Settings.m_Appearance == 0 ? Surface::BorderLook::Flat : Surface::BorderLook::Sunken;
    q->WindowBorder(look);
    LayoutScrollBars();
}

QString RuzuZiri::Caption() const { return d->m_Settings.m_Caption; }

void RuzuZiri::Caption(const QString& New_Caption)
{
    if (!d->SetProperty(d->m_Settings.m_Caption, New_Caption, QStringLiteral("Caption"), After::Store))
        return;
    d->CalcMetrics();
    d->DrawCaption();
    d->RefreshIfRedraw();
}

int RuzuZiri::CaptionAlignment() const { return d->m_Settings.m_CaptionAlignment; }

void RuzuZiri::CaptionAlignment(int New_CaptionAlignment)
{
    d->SetProperty(
        d->m_Settings.m_CaptionAlignment, New_CaptionAlignment, QStringLiteral("CaptionAlignment"), After::Refresh);
}

bool RuzuZiri::CenterRowImage() const { return d->m_Settings.m_CenterRowImage; }

void RuzuZiri::CenterRowImage(bool New_CenterRowImage)
{
    d->SetProperty(d->m_Settings.m_CenterRowImage, New_CenterRowImage, QStringLiteral("CenterRowImage"), After::Store);
}

qint16 RuzuZiriPrivate::ValidColumnHeaderLines(qint16 Lines)
{
    return std::max<qint16>(Lines, 1);
}

qint16 RuzuZiri::ColumnHeaderLines() const { return d->m_Settings.m_ColumnHeaderLines; }

// A header row of no lines is not a choice: it quietly becomes one, and the host is not told.
void RuzuZiri::ColumnHeaderLines(qint16 New_ColumnHeaderLines)
{
    const qint16 lines = RuzuZiriPrivate::ValidColumnHeaderLines(New_ColumnHeaderLines);
    if (lines != New_ColumnHeaderLines) {
        d->m_Settings.m_ColumnHeaderLines = lines;
        d->AfterChange(After::Metrics);
        return;
    }
    d->SetProperty(
        d->m_Settings.m_ColumnHeaderLines, New_ColumnHeaderLines, QStringLiteral("ColumnHeaderLines"), After::Metrics);
}

bool RuzuZiri::ColumnHeaders() const { return d->m_Settings.m_ColumnHeaders; }

void RuzuZiri::ColumnHeaders(bool New_ColumnHeaders)
{
    d->SetProperty(d->m_Settings.m_ColumnHeaders, New_ColumnHeaders, QStringLiteral("ShowColumnHeaders"), After::Metrics);
}

bool RuzuZiri::ColumnHeaderSmall() const { return d->m_Settings.m_ColumnHeaderSmall; }

void RuzuZiri::ColumnHeaderSmall(bool New_ColumnHeaderSmall)
{
    d->m_Settings.m_ColumnHeaderSmall = New_ColumnHeaderSmall;
}

bool RuzuZiri::DisplayEllipsis() const { return d->m_Settings.m_DisplayEllipsis; }

void RuzuZiri::DisplayEllipsis(bool New_DisplayEllipsis)
{
    d->SetProperty(d->m_Settings.m_DisplayEllipsis, New_DisplayEllipsis, QStringLiteral("DisplayEllipsis"), After::Refresh);
}

QVariant RuzuZiri::ExpandRowImage() const
{
    if (d->m_Settings.m_ExpandRowImage >= 0)
        return int(d->m_Settings.m_ExpandRowImage);
    return d->m_Settings.m_ImageList ? QVariant(d->m_Settings.m_ImageList->Key(-d->m_Settings.m_ExpandRowImage))
                                     : QVariant();
}

// A number names the image by index, anything else by key; a key the image list lacks, or a
// number beyond the field's 16 bits, leaves the setting as it was.
void RuzuZiri::ExpandRowImage(const QVariant& New_ExpandRowImage)
{
    const int type = New_ExpandRowImage.typeId();
    if (IsIntegerType(type) || type == QMetaType::Double || type == QMetaType::Float) {
        const double index = std::nearbyint(New_ExpandRowImage.toDouble());
        if (index >= INT16_MIN && index <= INT16_MAX)
            d->m_Settings.m_ExpandRowImage = qint16(index);
    } else {
        const int index = d->ImageIndexOfKey(New_ExpandRowImage.toString());
        if (index > 0 && index <= INT16_MAX)
            d->m_Settings.m_ExpandRowImage = qint16(index);
    }
    d->DrawGrid(d->m_Painter.m_Paint);
}

bool RuzuZiri::FocusRectHide() const { return d->m_Settings.m_FocusRectHide; }

void RuzuZiri::FocusRectHide(bool New_FocusRectHide)
{
    d->SetProperty(d->m_Settings.m_FocusRectHide, New_FocusRectHide, QStringLiteral("HideSelection"), After::Refresh);
}

int RuzuZiri::FocusRectMode() const { return d->m_Settings.m_FocusRectMode; }

void RuzuZiri::FocusRectMode(int New_FocusRectMode)
{
    d->SetProperty(d->m_Settings.m_FocusRectMode, New_FocusRectMode, QStringLiteral("FocusRectMode"), After::Refresh);
}

int RuzuZiri::FocusRectStyle() const { return d->m_Settings.m_FocusRectStyle; }

void RuzuZiri::FocusRectStyle(int New_FocusRectStyle)
{
    d->SetProperty(d->m_Settings.m_FocusRectStyle, New_FocusRectStyle, QStringLiteral("FocusRectStyle"), After::Refresh);
}

bool RuzuZiri::FocusRowHighlight() const { return d->m_Settings.m_FocusRowHighlight; }

void RuzuZiri::FocusRowHighlight(bool New_FocusRowHighlight)
{
    d->SetProperty(
        d->m_Settings.m_FocusRowHighlight, New_FocusRowHighlight, QStringLiteral("FullRowSelect"), After::Refresh);
}

// Well before 20,000 pixels the font engine's measures wrap around and come out negative, which
// would lay the header out upwards. No screen shows a letter of even 4,096 pixels, so a font is
// held to that.
QFont RuzuZiriPrivate::ValidFont(QFont Font)
{
    constexpr int MostPixels = 4096;
    const double mostPoints = MostPixels * Scale::UnitsPerPixel(ScaleModes::Points);
    if (Font.pixelSize() > MostPixels)
        Font.setPixelSize(MostPixels);
    if (Font.pointSizeF() > mostPoints)
        Font.setPointSizeF(mostPoints);
    return Font;
}

QFont RuzuZiri::Font() const { return d->m_Settings.m_Font; }

void RuzuZiri::Font(const QFont& New_Font)
{
    d->m_Settings.m_Font = RuzuZiriPrivate::ValidFont(New_Font);
    setFont(d->m_Settings.m_Font);
    d->m_Edit.txtEdit->setFont(d->EditorFontSize(d->m_Edit.txtEdit->font()));
    if (!d->Notify(QStringLiteral("Font")))
        return;
    d->CalcMetrics();
    d->DrawGrid(d->m_Painter.m_Paint);
}

QFont RuzuZiri::FontHeader() const { return d->m_Settings.m_FontHeader; }

void RuzuZiri::FontHeader(const QFont& New_FontHeader)
{
    d->m_Settings.m_FontHeader = RuzuZiriPrivate::ValidFont(New_FontHeader);
    if (!d->Notify(QStringLiteral("FontHeader")))
        return;
    d->CalcMetrics();
    d->DrawGrid(d->m_Painter.m_Paint);
}

int RuzuZiri::GridLines() const { return d->m_Settings.m_GridLines; }

void RuzuZiri::GridLines(int New_GridLines)
{
    d->SetProperty(d->m_Settings.m_GridLines, New_GridLines, QStringLiteral("GridLines"), After::Refresh);
}

int RuzuZiri::GridLineWidth() const { return d->m_Settings.m_GridLineWidth; }

// The frozen block's border is drawn twice as wide, and the editor sits inside the lines: a width
// no wider than a window keeps those sums in range. A pen has no negative width.
int RuzuZiriPrivate::ValidGridLineWidth(int Width)
{
    return std::clamp(Width, 0, MaxLayoutPixels);
}

void RuzuZiri::GridLineWidth(int New_GridLineWidth)
{
    d->SetProperty(d->m_Settings.m_GridLineWidth, RuzuZiriPrivate::ValidGridLineWidth(New_GridLineWidth),
        QStringLiteral("GridLineWidth"), After::Repaint);
}

ImageList* RuzuZiri::ImageList() const { return d->m_Settings.m_ImageList; }

// The painter draws the list's images in the grid's own pixels, whatever scale mode the host keeps.
void RuzuZiri::ImageList(Tarvex::ImageList* New_ImageList)
{
    d->m_Settings.m_ImageList = New_ImageList;
    d->RefreshIfRedraw();
}

bool RuzuZiri::RowCheckBoxes() const { return d->m_Settings.m_RowCheckBoxes; }

void RuzuZiri::RowCheckBoxes(bool New_RowCheckBoxes)
{
    d->SetProperty(d->m_Settings.m_RowCheckBoxes, New_RowCheckBoxes, QStringLiteral("CheckBoxes"), After::Refresh);
}

} // namespace Tarvex
