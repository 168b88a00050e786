#include "grid/RuzuZiri.h"

#include "platform/Scale.h"
#include "platform/VariantTypes.h"

#include <algorithm>
#include <cmath>

namespace Tarvex {

void RuzuZiri::Appearance(qint16 New_Appearance)
{
    SetProperty(m_Appearance, New_Appearance, QStringLiteral("Appearance"), After::Store);
    ShowBorder();
    RefreshIfRedraw();
}

void RuzuZiri::AlphaBlendSelection(bool New_AlphaBlendSelection)
{
    SetProperty(m_AlphaBlendSelection, New_AlphaBlendSelection, QStringLiteral("AlphaBlendSelection"), After::Refresh);
}

void RuzuZiri::ApplySelectionToImages(bool New_ApplySelectionToImages)
{
    SetProperty(m_ApplySelectionToImages, New_ApplySelectionToImages, QStringLiteral("ApplySelectionToImages"), After::Repaint);
}

void RuzuZiri::BackColorEvenRowsEnabled(bool New_BackColorEvenRowsEnabled)
{
    SetProperty(m_BackColorEvenRowsEnabled, New_BackColorEvenRowsEnabled, QStringLiteral("BackColorEvenRowsEnabled"),
                After::Store);
}

void RuzuZiri::BorderStyle(int New_BorderStyle)
{
    SetProperty(m_BorderStyle, New_BorderStyle, QStringLiteral("BorderStyle"), After::Store);
    ShowBorder();
    RefreshIfRedraw();
}

// A single border is a flat line or, with the 3-D appearance, a sunken edge; the surface draws it
// around the client area, which shrinks by what it takes, and the scroll bars move inside it.
void RuzuZiri::ShowBorder()
{
    BorderLook look = BorderLook::None;
    if (m_BorderStyle == 1)
        look = m_Appearance == 0 ? BorderLook::Flat : BorderLook::Sunken;
    WindowBorder(look);
    LayoutScrollBars();
}

void RuzuZiri::Caption(const QString& New_Caption)
{
    if (!SetProperty(m_Caption, New_Caption, QStringLiteral("Caption"), After::Store))
        return;
    CalcMetrics();
    DrawCaption();
    RefreshIfRedraw();
}

void RuzuZiri::CaptionAlignment(int New_CaptionAlignment)
{
    SetProperty(m_CaptionAlignment, New_CaptionAlignment, QStringLiteral("CaptionAlignment"), After::Refresh);
}

void RuzuZiri::CenterRowImage(bool New_CenterRowImage)
{
    SetProperty(m_CenterRowImage, New_CenterRowImage, QStringLiteral("CenterRowImage"), After::Store);
}

qint16 RuzuZiri::ValidColumnHeaderLines(qint16 Lines)
{
    return std::max<qint16>(Lines, 1);
}

// A header row of no lines is not a choice: it quietly becomes one, and the host is not told.
void RuzuZiri::ColumnHeaderLines(qint16 New_ColumnHeaderLines)
{
    const qint16 lines = ValidColumnHeaderLines(New_ColumnHeaderLines);
    if (lines != New_ColumnHeaderLines) {
        m_ColumnHeaderLines = lines;
        AfterChange(After::Metrics);
        return;
    }
    SetProperty(m_ColumnHeaderLines, New_ColumnHeaderLines, QStringLiteral("ColumnHeaderLines"), After::Metrics);
}

void RuzuZiri::ColumnHeaders(bool New_ColumnHeaders)
{
    SetProperty(m_ColumnHeaders, New_ColumnHeaders, QStringLiteral("ShowColumnHeaders"), After::Metrics);
}

void RuzuZiri::ColumnHeaderSmall(bool New_ColumnHeaderSmall)
{
    m_ColumnHeaderSmall = New_ColumnHeaderSmall;
}

void RuzuZiri::DisplayEllipsis(bool New_DisplayEllipsis)
{
    SetProperty(m_DisplayEllipsis, New_DisplayEllipsis, QStringLiteral("DisplayEllipsis"), After::Refresh);
}

QVariant RuzuZiri::ExpandRowImage() const
{
    if (m_ExpandRowImage >= 0)
        return int(m_ExpandRowImage);
    return m_ImageList ? QVariant(m_ImageList->Key(-m_ExpandRowImage)) : QVariant();
}

// A number names the image by index, anything else by key; a key the image list lacks, or a
// number beyond the field's 16 bits, leaves the setting as it was.
void RuzuZiri::ExpandRowImage(const QVariant& New_ExpandRowImage)
{
    const int type = New_ExpandRowImage.typeId();
    if (IsIntegerType(type) || type == QMetaType::Double || type == QMetaType::Float) {
        const double index = std::nearbyint(New_ExpandRowImage.toDouble());
        if (index >= INT16_MIN && index <= INT16_MAX)
            m_ExpandRowImage = qint16(index);
    } else if (m_ImageList) {
        const int index = m_ImageList->IndexOf(New_ExpandRowImage.toString());
        if (index > 0 && index <= INT16_MAX)
            m_ExpandRowImage = qint16(index);
    }
    DrawGrid(m_Paint);
}

void RuzuZiri::FocusRectHide(bool New_FocusRectHide)
{
    SetProperty(m_FocusRectHide, New_FocusRectHide, QStringLiteral("HideSelection"), After::Refresh);
}

void RuzuZiri::FocusRectMode(int New_FocusRectMode)
{
    SetProperty(m_FocusRectMode, New_FocusRectMode, QStringLiteral("FocusRectMode"), After::Refresh);
}

void RuzuZiri::FocusRectStyle(int New_FocusRectStyle)
{
    SetProperty(m_FocusRectStyle, New_FocusRectStyle, QStringLiteral("FocusRectStyle"), After::Refresh);
}

void RuzuZiri::FocusRowHighlight(bool New_FocusRowHighlight)
{
    SetProperty(m_FocusRowHighlight, New_FocusRowHighlight, QStringLiteral("FullRowSelect"), After::Refresh);
}

// Well before 20,000 pixels the font engine's measures wrap around and come out negative, which
// would lay the header out upwards. No screen shows a letter of even 4,096 pixels, so a font is
// held to that.
QFont RuzuZiri::ValidFont(QFont Font)
{
    constexpr int MostPixels = 4096;
    const double mostPoints = MostPixels * Scale::UnitsPerPixel(ScaleModes::Points);
    if (Font.pixelSize() > MostPixels)
        Font.setPixelSize(MostPixels);
    if (Font.pointSizeF() > mostPoints)
        Font.setPointSizeF(mostPoints);
    return Font;
}

void RuzuZiri::Font(const QFont& New_Font)
{
    m_Font = ValidFont(New_Font);
    setFont(m_Font);
    if (!Notify(QStringLiteral("Font")))
        return;
    CalcMetrics();
    DrawGrid(m_Paint);
}

void RuzuZiri::FontHeader(const QFont& New_FontHeader)
{
    m_FontHeader = ValidFont(New_FontHeader);
    if (!Notify(QStringLiteral("FontHeader")))
        return;
    CalcMetrics();
    DrawGrid(m_Paint);
}

void RuzuZiri::GridLines(int New_GridLines)
{
    SetProperty(m_GridLines, New_GridLines, QStringLiteral("GridLines"), After::Refresh);
}

void RuzuZiri::GridLineWidth(int New_GridLineWidth)
{
    SetProperty(m_GridLineWidth, New_GridLineWidth, QStringLiteral("GridLineWidth"), After::Repaint);
}

// The painter scales row images by the host's scale mode, so it is taken along with the list.
void RuzuZiri::ImageList(Tarvex::ImageList* New_ImageList)
{
    m_ImageList = New_ImageList;
    if (m_ImageList) {
        const auto* host = qobject_cast<const Surface*>(parentWidget());
        const int mode = host ? int(host->ScaleMode()) : 0;
        m_ParentScaleMode = qint16(mode == 0 ? 1 : mode);
    }
    RefreshIfRedraw();
}

void RuzuZiri::RowCheckBoxes(bool New_RowCheckBoxes)
{
    SetProperty(m_RowCheckBoxes, New_RowCheckBoxes, QStringLiteral("CheckBoxes"), After::Refresh);
}

} // namespace Tarvex
