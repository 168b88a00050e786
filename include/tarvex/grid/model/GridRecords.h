#pragma once

#include <tarvex/grid/model/RowCells.h>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

class QPixmap;

namespace Tarvex {

// Row flag bits (udtRow::Flags).
enum RowFlag : qint32 {
    RowFlagChecked = 2,
    RowFlagSelected = 4,
    RowFlagChanged = 8,
    RowFlagNew = 256,
    RowFlagLocked = 512,
};

// Cell flag bits (udtCell::Flags); they fit one byte, the progress value has a field of its own.
enum CellFlag : qint32 {
    CellFlagChecked = 2,
    CellFlagChanged = 8,
    CellFlagBold = 16,
    CellFlagItalic = 32,
    CellFlagUnderline = 64,
    CellFlagWordWrap = 128,
};

// Column kinds (udtColumn::ColType); any other value is a text column.
enum ColumnType : qint16 {
    ColTypeNumber = 1,
    ColTypeDate = 2,
    ColTypeCheckBox = 3,
    ColTypeProgressBar = 4,
    ColTypeCustomSort = 5,
    ColTypeButton = 6,
};

// Codes that select one field of a cell's look; shared by ApplyCellFormat and FormatCells.
enum FormatCode : qint32 {
    FormatBackColor = 1,
    FormatForeColor = 4,
    FormatImage = 8,
    FormatFontName = 16,
    FormatBold = 32,
    FormatItalic = 64,
    FormatUnderline = 128,
    FormatHandPointer = 256,
    FormatAlignment = 512,
};

struct udtColumn {
    QPointer<QObject> Control;         // editor bound by BindControl; empty = the grid's own text box
    float Width { 0 };                 // in ScaleUnits, as the host gave it (AddColumn adds 1.0)
    qint32 WidthPx { 0 };              // Width in whole pixels, rounded half to even
    qint32 Alignment { 4 };            // text-drawing flags, copied into each new cell
    qint32 ImageAlignment { 4 };       // text-drawing flags for the cell image
    qint32 SortOrder { 0 };            // sort direction kept by sorting; 0 = never sorted
    qint16 ColType { 0 };              // ColumnType, anything else = text
    qint16 Flags { 0 };                // CellFlagWordWrap only; copied into each new cell
    qint16 MoveControl { 0 };          // bound editor geometry the grid sets: 1 height, 2 width, 4 left, 8 top
    bool Visible { true };
    QString Heading;
    QString Format;                    // display format mask
    QString InputFilter;               // characters the editor accepts; "" = any, "<"/">" force case
    QString Tag;                       // host data
    bool Locked { false };             // not editable, skipped by navigation
};

// Host data of a row and of its cells. Few rows carry any, so it lives apart from the row and
// costs nothing in the others.
struct udtRowExtra {
    QString Tag;                                       // the row's host data
    std::vector<QString> CellTags;                     // by column number; missing = empty
    std::vector<std::shared_ptr<QPixmap>> CellPictures; // by column number, shared with the host; missing = none
};

struct udtRow {
    RowCells Cells;                      // one per column number, with their texts
    std::unique_ptr<udtRowExtra> Extra;  // tags and pictures; null while the row has none
    qint32 Height { 0 };                 // pixels
    qint32 Image { 0 };                  // image-list index; negative = -(index) of an image given by key
    qint32 RowData { 0 };                // host number
    qint16 Flags { 0 };                  // RowFlag bits
    bool GroupHeader { false };
    bool Visible { true };               // false = filtered out
};

struct udtCellFormat {
    qint32 BackColor { 0 };     // OLE colour
    qint32 ForeColor { 0 };     // OLE colour
    QString FontName;
    bool HandPointer { false };
    qint32 UseCount { 0 };      // live cells pointing here; 0 = free for reuse
    qint16 Image { 0 };         // image-list index
};

struct udtTotals {
    bool ColAvg { false };  // the totals line shows the average instead of the sum
    QString Caption;
};

// All row and cell flag changes go through here so the word keeps its width.
template <typename Word>
inline void SetFlagBit(Word& Flags, qint32 Mask, bool On)
{
    const qint32 word = On ? (Flags | Mask) : (Flags & ~Mask);
    Flags = static_cast<Word>(word);
}

inline bool IsFlagSet(qint32 Flags, qint32 Mask)
{
    return (Flags & Mask) != 0;
}

// Gradient vertices take their 16-bit colour channels as signed words.
inline qint16 LongToWord(qint32 Value)
{
    return static_cast<qint16>(Value < 32768 ? Value : Value - 65536);
}

} // namespace Tarvex
