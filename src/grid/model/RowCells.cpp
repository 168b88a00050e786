#include <tarvex/grid/model/RowCells.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

namespace Tarvex {

namespace {

// The rows only ever hold Latin-1 and UTF-16 views; anything else is a caller's slip.
bool IsUtf16(QAnyStringView Text)
{
    return Text.visit([](auto view) {
        Q_ASSERT((!std::is_same_v<decltype(view), QUtf8StringView>));
        return std::is_same_v<decltype(view), QStringView>;
    });
}

void CopyLatin1(QAnyStringView Text, char* Out)
{
    if (!IsUtf16(Text)) {
        std::memcpy(Out, Text.data(), size_t(Text.size()));
        return;
    }
    const char16_t* in = static_cast<const char16_t*>(Text.data());
    std::transform(in, in + Text.size(), Out, [](char16_t c) { return char(c); });
}

void CopyUtf16(QAnyStringView Text, char16_t* Out)
{
    if (IsUtf16(Text)) {
        std::memcpy(Out, Text.data(), size_t(Text.size()) * sizeof(char16_t));
        return;
    }
    const uchar* in = static_cast<const uchar*>(Text.data());
    std::transform(in, in + Text.size(), Out, [](uchar c) { return char16_t(c); });
}

} // namespace

bool FitsLatin1(QAnyStringView Text)
{
    if (!IsUtf16(Text))
        return true;
    const QStringView utf16(static_cast<const char16_t*>(Text.data()), Text.size());
    return std::all_of(utf16.begin(), utf16.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

QStringView Utf16Of(QAnyStringView Text, TextScratch& Scratch)
{
    if (IsUtf16(Text))
        return QStringView(static_cast<const char16_t*>(Text.data()), Text.size());
    Scratch.resize(Text.size());
    CopyUtf16(Text, Scratch.data());
    return QStringView(Scratch.data(), Scratch.size());
}

RowCells::RowCells(std::span<const udtCell> Cells, std::span<const QAnyStringView> Texts)
{
    const size_t count = Cells.size();
    const size_t texts = std::min(count, Texts.size());
    bool latin1 = true;
    size_t characters = 0;
    for (size_t c = 0; c < texts; ++c) {
        characters += size_t(Texts[c].size());
        latin1 = latin1 && FitsLatin1(Texts[c]);
    }
    if (count == 0)
        return;

    const size_t bytes = sizeof(Header) + count * (sizeof(udtCell) + sizeof(quint32))
        + characters * (latin1 ? 1 : sizeof(char16_t));
    m_Block = static_cast<char*>(std::malloc(bytes));
    if (!m_Block)
        throw std::bad_alloc();
    *HeaderOf() = { qint32(count), latin1 ? 1 : 0 };
    std::copy(Cells.begin(), Cells.end(), CellData());

    quint32* ends = Ends();
    quint32 end = 0;
    for (size_t c = 0; c < count; ++c) {
        if (c < texts && !Texts[c].isEmpty()) { // an empty view may point nowhere
            if (latin1)
                CopyLatin1(Texts[c], Chars() + end);
            else
                CopyUtf16(Texts[c], reinterpret_cast<char16_t*>(Chars()) + end);
            end += quint32(Texts[c].size());
        }
        ends[c] = end;
    }
}

RowCells::TextViews RowCells::Views() const
{
    TextViews views;
    for (size_t c = 0; c < size(); ++c)
        views.push_back(View(c));
    return views;
}

// The new block is built from views into the old one before the old one goes, so Text may even
// point into this row.
void RowCells::SetText(size_t Col, QAnyStringView Text)
{
    TextViews views = Views();
    views[qsizetype(Col)] = Text;
    *this = RowCells(std::span(CellData(), size()), views);
}

void RowCells::AddCell(const udtCell& Cell)
{
    QVarLengthArray<udtCell, 32> cells;
    if (m_Block)
        cells.append(CellData(), qsizetype(size()));
    cells.push_back(Cell);
    *this = RowCells(cells, Views());
}

} // namespace Tarvex
