#include "grid/RuzuZiriPrivate.h"

#include "grid/model/NumberParsing.h"
#include "platform/VariantTypes.h"

#include <cmath>
#include <cstdint>

namespace Tarvex {

namespace {
bool IsNumber(const QVariant& Value)
{
    const int type = Value.typeId();
    return IsIntegerType(type) || type == QMetaType::Double || type == QMetaType::Float;
}

const udtCellFormat* FormatOf(const GridModel& model, const udtCell* cell)
{
    if (!cell || cell->FormatIndex < 0)
        return nullptr;
    return &model.CellFormats()[size_t(cell->FormatIndex)];
}
} // namespace

int RuzuZiri::CellAlignment(int vRow, int vCol) const
{
    const udtCell* cell = d->CellRef(vRow, vCol);
    return cell ? cell->Alignment : 0;
}

void RuzuZiri::CellAlignment(int vRow, int vCol, int New_CellAlignment)
{
    if (!d->FixWriteRef(vRow, vCol))
        return;
    d->m_Model.SetCellAlignment(vRow, vCol, static_cast<qint16>(New_CellAlignment));
    d->DrawGrid(d->m_Painter.m_Paint);
}

qint32 RuzuZiri::CellBackColor(int vRow, int vCol) const
{
    const udtCellFormat* format = FormatOf(d->m_Model, d->CellRef(vRow, vCol));
    return format ? format->BackColor : 0;
}

void RuzuZiri::CellBackColor(int vRow, int vCol, qint32 New_CellBackColor)
{
    d->ApplyCellFormat(vRow, vCol, FormatBackColor, New_CellBackColor);
}

qint32 RuzuZiri::CellForeColor(int vRow, int vCol) const
{
    const udtCellFormat* format = FormatOf(d->m_Model, d->CellRef(vRow, vCol));
    return format ? format->ForeColor : 0;
}

void RuzuZiri::CellForeColor(int vRow, int vCol, qint32 New_CellForeColor)
{
    d->ApplyCellFormat(vRow, vCol, FormatForeColor, New_CellForeColor);
}

QString RuzuZiri::CellFontName(int vRow, int vCol) const
{
    const udtCellFormat* format = FormatOf(d->m_Model, d->CellRef(vRow, vCol));
    return format ? format->FontName : QString();
}

void RuzuZiri::CellFontName(int vRow, int vCol, const QString& New_CellFontName)
{
    d->ApplyCellFormat(vRow, vCol, FormatFontName, New_CellFontName);
}

bool RuzuZiri::CellHandPointer(int vRow, int vCol) const
{
    const udtCellFormat* format = FormatOf(d->m_Model, d->CellRef(vRow, vCol));
    return format && format->HandPointer;
}

void RuzuZiri::CellHandPointer(int vRow, int vCol, bool New_CellHandPointer)
{
    d->ApplyCellFormat(vRow, vCol, FormatHandPointer, New_CellHandPointer);
}

QVariant RuzuZiri::CellImage(int vRow, int vCol) const
{
    const udtCellFormat* format = FormatOf(d->m_Model, d->CellRef(vRow, vCol));
    return format ? QVariant(int(format->Image)) : QVariant();
}

// A number names the image by index, any other value by its key in the image list. A key the list
// lacks, or an index that does not fit the record's 16-bit field, leaves the cell as it was.
void RuzuZiri::CellImage(int vRow, int vCol, const QVariant& New_CellImage)
{
    bool isNumber = false;
    double index = std::nearbyint(New_CellImage.toDouble(&isNumber));
    if (!isNumber) {
        index = d->ImageIndexOfKey(New_CellImage.toString());
        if (index <= 0)
            return;
    }
    if (index < INT16_MIN || index > INT16_MAX)
        return;
    d->ApplyCellFormat(vRow, vCol, FormatImage, static_cast<int>(index));
}

int RuzuZiriPrivate::ImageIndexOfKey(const QString& Key) const
{
    return m_Settings.m_ImageList ? m_Settings.m_ImageList->IndexOf(Key) : 0;
}

bool RuzuZiriPrivate::CellFlagBit(int vRow, int vCol, qint32 Mask) const
{
    const udtCell* cell = CellRef(vRow, vCol);
    return cell && IsFlagSet(cell->Flags, Mask);
}

void RuzuZiriPrivate::CellFlagBit(int vRow, int vCol, qint32 Mask, bool On)
{
    if (!FixWriteRef(vRow, vCol))
        return;
    m_Model.SetCellFlag(vRow, vCol, Mask, On);
    DrawGrid(m_Painter.m_Paint);
}

bool RuzuZiri::CellFontBold(int vRow, int vCol) const { return d->CellFlagBit(vRow, vCol, CellFlagBold); }
void RuzuZiri::CellFontBold(int vRow, int vCol, bool New_CellFontBold)
{
    d->CellFlagBit(vRow, vCol, CellFlagBold, New_CellFontBold);
}
bool RuzuZiri::CellFontItalic(int vRow, int vCol) const { return d->CellFlagBit(vRow, vCol, CellFlagItalic); }
void RuzuZiri::CellFontItalic(int vRow, int vCol, bool New_CellFontItalic)
{
    d->CellFlagBit(vRow, vCol, CellFlagItalic, New_CellFontItalic);
}
bool RuzuZiri::CellFontUnderline(int vRow, int vCol) const { return d->CellFlagBit(vRow, vCol, CellFlagUnderline); }
void RuzuZiri::CellFontUnderline(int vRow, int vCol, bool New_CellFontUnderline)
{
    d->CellFlagBit(vRow, vCol, CellFlagUnderline, New_CellFontUnderline);
}
bool RuzuZiri::CellWordWrap(int vRow, int vCol) const { return d->CellFlagBit(vRow, vCol, CellFlagWordWrap); }
void RuzuZiri::CellWordWrap(int vRow, int vCol, bool New_CellWordWrap)
{
    d->CellFlagBit(vRow, vCol, CellFlagWordWrap, New_CellWordWrap);
}

bool RuzuZiri::CellChecked(int vRow, int vCol) const
{
    const udtCell* cell = d->CellRef(vRow, vCol);
    return cell && IsFlagSet(cell->Flags, CellFlagChecked);
}

void RuzuZiri::CellChecked(int vRow, int vCol, bool New_CellChecked)
{
    if (!d->FixWriteRef(vRow, vCol))
        return;
    d->StoreCellChecked(vRow, vCol, New_CellChecked);
    d->DrawGrid(d->m_Painter.m_Paint);
}

bool RuzuZiri::CellsChanged() const { return d->m_CellsChanged; }

bool RuzuZiri::CellChanged(int vRow, int vCol) const
{
    const udtCell* cell = d->CellRef(vRow, vCol);
    return cell && IsFlagSet(cell->Flags, CellFlagChanged);
}

QString RuzuZiri::CellText(int vRow, int vCol) const
{
    return d->FixRef(vRow, vCol) ? d->m_Model.RowAt(vRow).Cells.Text(size_t(vCol)) : QString();
}

void RuzuZiri::CellText(int vRow, int vCol, const QString& New_CellText)
{
    d->SetCellTextAndValue(vRow, vCol, New_CellText);
}

QVariant RuzuZiri::CellValue(int vRow, int vCol) const
{
    if (!d->FixRef(vRow, vCol))
        return {};
    TextScratch scratch;
    const QStringView text = Utf16Of(d->m_Model.RowAt(vRow).Cells.View(size_t(vCol)), scratch);
    if (d->m_Model.Columns()[vCol].ColType == ColTypeCheckBox)
        return Tarvex::rVal(text) != 0.0;
    if (text.isEmpty())
        return {};
    return Tarvex::rVal(text);
}

// A number is taken as it is and a text as rVal reads it; either is stored in the standard text form.
// True counts -1, as it does when read from a text. What is no finite number leaves the cell alone.
void RuzuZiri::CellValue(int vRow, int vCol, const QVariant& New_CellValue)
{
    double value = 0;
    if (New_CellValue.typeId() == QMetaType::Bool)
        value = New_CellValue.toBool() ? -1.0 : 0.0;
    else if (IsNumber(New_CellValue))
        value = New_CellValue.toDouble();
    else
        value = rVal(New_CellValue.toString());
    if (std::isfinite(value))
        d->SetCellTextAndValue(vRow, vCol, StandardNumberText(value));
}

void RuzuZiriPrivate::SetCellTextAndValue(int vRow, int vCol, const QString& Text)
{
    if (!FixWriteRef(vRow, vCol))
        return;
    m_Model.StoreText(m_Model.RowOrder()[vRow], vCol, Text);
    CalcRowHeight(vRow);
    SetCellChanged(vRow, vCol, true);
    DrawGrid(m_Painter.m_Paint);
}

QString RuzuZiri::CellTag(int vRow, int vCol) const
{
    return d->FixRef(vRow, vCol) ? d->m_Model.CellTag(vRow, vCol) : QString();
}

void RuzuZiri::CellTag(int vRow, int vCol, const QString& New_CellTag)
{
    if (d->FixWriteRef(vRow, vCol))
        d->m_Model.SetCellTag(vRow, vCol, New_CellTag);
}

int RuzuZiri::CellProgressValue(int vRow, int vCol) const
{
    const udtCell* cell = d->CellRef(vRow, vCol);
    if (!cell || d->m_Model.Columns()[vCol].ColType != ColTypeProgressBar)
        return 0;
    return cell->Progress;
}

void RuzuZiri::CellProgressValue(int vRow, int vCol, int New_CellProgressValue)
{
    if (!d->FixWriteRef(vRow, vCol) || d->m_Model.Columns()[vCol].ColType != ColTypeProgressBar)
        return;
    d->m_Model.SetCellProgress(vRow, vCol, New_CellProgressValue);
    d->DrawGrid(d->m_Painter.m_Paint);
}

qint32 RuzuZiri::CellProgressBarColor(int, int) const
{
    return d->m_Settings.m_Colors.m_ProgressBarColor;
}

void RuzuZiri::CellProgressBarColor(int vRow, int vCol, qint32 New_CellProgressBarColor)
{
    if (!d->FixWriteRef(vRow, vCol))
        return;
    d->m_Settings.m_Colors.m_ProgressBarColor = New_CellProgressBarColor;
    if (d->Notify(QStringLiteral("ProgressBarColor")))
        d->DrawGrid(d->m_Painter.m_Paint);
}

void RuzuZiri::CellPicture(const std::shared_ptr<QPixmap>& vNewValue, int vRow, int vCol)
{
    if (d->FixWriteRef(vRow, vCol))
        d->m_Model.SetCellPicture(vRow, vCol, vNewValue);
}

std::shared_ptr<QPixmap> RuzuZiri::CellPictureGet(int vRow, int vCol) const
{
    return d->FixRef(vRow, vCol) ? d->m_Model.CellPicture(vRow, vCol) : nullptr;
}

} // namespace Tarvex
