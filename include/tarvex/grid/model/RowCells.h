#pragma once

#include <QAnyStringView>
#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <QVarLengthArray>

#include <cstdlib>
#include <span>
#include <utility>

namespace Tarvex {

struct udtCell {
    qint32 FormatIndex { -1 };          // into m_CellFormats; -1 = the control's colours and font
    qint16 Alignment { 4 };             // text-drawing flags
    quint8 Flags { 0 };                 // CellFlag bits
    quint8 Progress { 0 };              // progress value 0..100 of a progress-bar column's cell
};
static_assert(sizeof(udtCell) == 8, "a grid holds millions of cells");

// Room for widening a Latin-1 text without touching the heap in the loops over every row.
using TextScratch = QVarLengthArray<char16_t, 256>;

// Whether every character of a Latin-1 or UTF-16 text is at most U+00FF.
bool FitsLatin1(QAnyStringView Text);

// A Latin-1 or UTF-16 text as UTF-16: a UTF-16 view as it stands, a Latin-1 one widened into Scratch.
QStringView Utf16Of(QAnyStringView Text, TextScratch& Scratch);

// The cells of one row and their texts in a single heap block, so a million rows cost a million
// allocations and not one per cell and text. The texts are stored as Latin-1 bytes while every
// character of the row fits, and as UTF-16 otherwise. References to cells stay valid until a text
// of the row is written or a cell added: both rebuild the block.
class RowCells {
public:
    RowCells() = default;
    // Texts beyond the cells are dropped, cells beyond the texts get an empty one. The views must be
    // Latin-1 or UTF-16.
    RowCells(std::span<const udtCell> Cells, std::span<const QAnyStringView> Texts);
    RowCells(RowCells&& Other) noexcept : m_Block(std::exchange(Other.m_Block, nullptr)) {}
    // Swapping keeps removing a row from a million cheap: the blocks shift down without a free each,
    // and the removed one ends up in the element that is destroyed.
    RowCells& operator=(RowCells&& Other) noexcept
    {
        std::swap(m_Block, Other.m_Block);
        return *this;
    }
    RowCells(const RowCells&) = delete;
    RowCells& operator=(const RowCells&) = delete;
    ~RowCells()
    {
        if (m_Block)
            std::free(m_Block);
    }

    size_t size() const { return m_Block ? size_t(HeaderOf()->Count) : 0; }
    udtCell& operator[](size_t Col) { return CellData()[Col]; }
    const udtCell& operator[](size_t Col) const { return CellData()[Col]; }

    bool IsLatin1() const { return !m_Block || HeaderOf()->Latin1 != 0; }
    // The text without a copy; valid until the row's block is rebuilt.
    QAnyStringView View(size_t Col) const
    {
        // A row without a block has no cells, so no offsets to read either.
        if (!m_Block)
            return {};
        const quint32* ends = Ends();
        const quint32 start = Col == 0 ? 0 : ends[Col - 1];
        const qsizetype length = qsizetype(ends[Col] - start);
        if (IsLatin1())
            return QLatin1StringView(Chars() + start, length);
        return QStringView(reinterpret_cast<const char16_t*>(Chars()) + start, length);
    }
    QString Text(size_t Col) const { return View(Col).toString(); }

    // Rebuild the block: one text replaced, or one cell with an empty text added at the end.
    void SetText(size_t Col, QAnyStringView Text);
    void AddCell(const udtCell& Cell);

private:
    struct Header {
        qint32 Count;   // cells in the block
        qint32 Latin1;  // nonzero = texts are Latin-1 bytes, else UTF-16 units
    };
    using TextViews = QVarLengthArray<QAnyStringView, 32>;

    Header* HeaderOf() const { return reinterpret_cast<Header*>(m_Block); }
    udtCell* CellData() const { return reinterpret_cast<udtCell*>(m_Block + sizeof(Header)); }
    quint32* Ends() const { return reinterpret_cast<quint32*>(CellData() + size()); }
    char* Chars() const { return reinterpret_cast<char*>(Ends() + size()); }
    TextViews Views() const;

    char* m_Block { nullptr }; // Header, udtCell[Count], text end offsets[Count], then the characters
};

} // namespace Tarvex
