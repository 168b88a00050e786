#include "grid/model/Export.h"

#include "grid/model/NumberParsing.h"

#include <tarvex/platform/runtime/NumericText.h>

#include <QIODevice>

#include <cstring>
#include <optional>

namespace Tarvex {

namespace {

bool NeedsQuotes(char16_t c)
{
    return c == ',' || c == '"' || c == '\r' || c == '\n';
}

char* PutQuoteAware(char* Out, char Ascii)
{
    *Out++ = Ascii;
    if (Ascii == '"')
        *Out++ = '"';
    return Out;
}

char* Put(char* Out, QLatin1StringView Text)
{
    for (const char ch : Text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            Out = PutQuoteAware(Out, ch);
            continue;
        }
        *Out++ = char(0xC0 | (c >> 6));
        *Out++ = char(0x80 | (c & 0x3F));
    }
    return Out;
}

char* Put(char* Out, QStringView Text)
{
    const qsizetype size = Text.size();
    for (qsizetype i = 0; i < size; ++i) {
        char32_t c = Text[i].unicode();
        if (c < 0x80) {
            Out = PutQuoteAware(Out, char(c));
            continue;
        }
        if (c < 0x800) {
            *Out++ = char(0xC0 | (c >> 6));
            *Out++ = char(0x80 | (c & 0x3F));
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < size && Text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(char16_t(c), Text[++i].unicode());
            *Out++ = char(0xF0 | (c >> 18));
            *Out++ = char(0x80 | ((c >> 12) & 0x3F));
            *Out++ = char(0x80 | ((c >> 6) & 0x3F));
            *Out++ = char(0x80 | (c & 0x3F));
            continue;
        }
        // A surrogate without its partner stands for no character; the file gets the replacement.
        if (QChar::isSurrogate(c))
            c = QChar::ReplacementCharacter;
        *Out++ = char(0xE0 | (c >> 12));
        *Out++ = char(0x80 | ((c >> 6) & 0x3F));
        *Out++ = char(0x80 | (c & 0x3F));
    }
    return Out;
}

char* Put(char* Out, QUtf8StringView Text)
{
    for (const char ch : Text)
        Out = PutQuoteAware(Out, ch);
    return Out;
}

char16_t UnitOf(char c) { return static_cast<unsigned char>(c); }
char16_t UnitOf(QChar c) { return c.unicode(); }

// Whether a text needs quotes, and whether it is plain ASCII that can be copied as it stands.
struct TextShape {
    bool Quotes { false };
    bool Plain { true };
};

template <typename View>
TextShape ShapeOf(View Text)
{
    TextShape shape;
    for (const auto ch : Text) {
        const char16_t c = UnitOf(ch);
        shape.Quotes = shape.Quotes || NeedsQuotes(c);
        shape.Plain = shape.Plain && c < 0x80;
    }
    shape.Plain = shape.Plain && !shape.Quotes;
    return shape;
}

// Bytes on their way to the device, handed over in blocks of about a megabyte.
class CsvOut {
public:
    explicit CsvOut(QIODevice& Device)
        : m_Device(Device)
    {
        m_Buffer.resize(FlushAt + 4096);
    }

    // A field followed by Separator (0 = none).
    void Field(QAnyStringView Text, char Separator = ',')
    {
        Text.visit([this, Separator](auto View) {
            // Each UTF-16 unit takes at most three bytes, a doubled quote two.
            char* out = Room(3 * View.size() + 3);
            const TextShape shape = ShapeOf(View);
            if constexpr (sizeof(*View.data()) == 1)
                if (shape.Plain) {
                    std::memcpy(out, View.data(), size_t(View.size()));
                    Commit(out + View.size(), Separator);
                    return;
                }
            if (shape.Quotes)
                *out++ = '"';
            out = Put(out, View);
            if (shape.Quotes)
                *out++ = '"';
            Commit(out, Separator);
        });
    }

    void Bytes(const char* Text, qsizetype Size)
    {
        char* out = Room(Size);
        std::memcpy(out, Text, size_t(Size));
        Commit(out + Size);
    }

    void LineEnd() { Bytes("\r\n", 2); }

    // A device may take part of a block without an error (a file at its size limit or on a full
    // disk); only asking again for the rest makes it fail and say why.
    bool Flush()
    {
        for (const char* rest = m_Buffer.data(); m_Used > 0 && m_Ok;) {
            const qint64 written = m_Device.write(rest, m_Used);
            m_Ok = written > 0;
            rest += written;
            m_Used -= written;
        }
        m_Used = 0;
        return m_Ok;
    }

private:
    static constexpr qsizetype FlushAt = qsizetype(1) << 20;

    char* Room(qsizetype Size)
    {
        if (m_Used + Size > qsizetype(m_Buffer.size())) {
            Flush();
            if (Size > qsizetype(m_Buffer.size()))
                m_Buffer.resize(size_t(Size));
        }
        return m_Buffer.data() + m_Used;
    }

    void Commit(char* End, char Separator)
    {
        if (Separator != 0)
            *End++ = Separator;
        Commit(End);
    }

    void Commit(char* End)
    {
        m_Used = End - m_Buffer.data();
        if (m_Used >= FlushAt)
            Flush();
    }

    QIODevice& m_Device;
    std::vector<char> m_Buffer; // bytes not yet handed to the device
    qsizetype m_Used { 0 };     // how many of them are filled
    bool m_Ok { true };         // false once the device took less than it was given
};

// A check-box cell's text as the runtime reads a Boolean: True or False in any case, or a
// number, where anything but zero is True.
std::optional<bool> BooleanOf(QAnyStringView Text)
{
    TextScratch scratch;
    const QStringView text = Utf16Of(Text, scratch).trimmed();
    if (text.compare(QLatin1StringView("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1StringView("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (!IsNumericText(text))
        return std::nullopt;
    return rVal(text) != 0;
}

QString TotalsText(const GridModel& Model, int Col)
{
    const QString& caption = Model.Totals()[size_t(Col)].Caption;
    if (Model.Columns()[size_t(Col)].ColType != ColTypeNumber)
        return caption;
    const QString number = NumberText(Model.TotalsLineValue(Col));
    return caption.isEmpty() ? number : caption + QLatin1Char(' ') + number;
}

std::vector<int> ExportedColumns(const GridModel& Model, const ExportOptions& Options)
{
    std::vector<int> columns;
    for (const int col : Model.ColOrder())
        if (Model.IsColumn(col) && (!Options.VisibleColsOnly || Model.Columns()[size_t(col)].Visible))
            columns.push_back(col);
    return columns;
}

// The row's cells in the given columns; false when a check-box cell to be written as a number
// holds no Boolean.
bool WriteCells(CsvOut& Out, const udtRow& Row, const std::vector<int>& Columns, const std::vector<char>& AsNumber)
{
    for (const int col : Columns) {
        const QAnyStringView text = Row.Cells.View(size_t(col));
        if (!AsNumber[size_t(col)]) {
            Out.Field(text);
            continue;
        }
        const std::optional<bool> checked = BooleanOf(text);
        if (!checked)
            return false;
        Out.Field(*checked ? QLatin1StringView("-1") : QLatin1StringView("0"));
    }
    return true;
}

} // namespace

std::optional<ExportError> WriteExport(const GridModel& Model, const ExportOptions& Options, QIODevice& Out)
{
    CsvOut out(Out);
    out.Bytes("\xEF\xBB\xBF", 3);
    if (!Options.Caption.isEmpty()) {
        out.Field(Options.Caption, 0);
        out.LineEnd();
    }
    const std::vector<int> columns = ExportedColumns(Model, Options);
    for (const int col : columns)
        out.Field(Model.Columns()[size_t(col)].Heading);
    out.LineEnd();
    std::vector<char> asNumber(size_t(Model.Cols()), 0);
    for (const int col : columns)
        asNumber[size_t(col)] = !Options.BooleanAsText && Model.Columns()[size_t(col)].ColType == ColTypeCheckBox;
    for (int position = 0; position <= Model.LastRow(); ++position) {
        const udtRow& row = Model.RowAt(position);
        if (!Options.VisibleRowsOnly || row.Visible)
            if (!WriteCells(out, row, columns, asNumber))
                return ExportError { TypeMismatch, QStringLiteral("Type mismatch") };
        out.LineEnd();
    }
    if (Options.TotalsLineShow)
        for (const int col : columns)
            out.Field(TotalsText(Model, col));
    if (!out.Flush())
        return ExportError { DeviceIOError, Out.errorString() };
    return std::nullopt;
}

} // namespace Tarvex
