#include "grid/model/ColumnStore.h"

#include "grid/model/NumberParsing.h"

#include <tarvex/platform/runtime/NumericText.h>
#include <tarvex/platform/runtime/Rounding.h>

#include <charconv>
#include <numeric>

namespace Tarvex {

namespace {

QString WidthKey(int Col)
{
    return QLatin1Char('W') + QString::number(Col);
}

// The fewest digits that read back as the same float, written out in full (rVal reads no exponent)
// with the user's decimal mark; a mark other than a comma or a point would not read back, so such a
// locale gets the point.
QString WidthText(float Width)
{
    char digits[64];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), Width, std::chars_format::fixed).ptr;
    QString text = QString::fromLatin1(digits, end - digits);
    if (NumberSymbols::OfDefaultLocale().DecimalPoint == QLatin1String(","))
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

// Digits with at most one decimal mark, either one: the way a width is written in any locale, now
// and by earlier versions.
bool IsPlainWidth(QStringView Text)
{
    qsizetype at = Text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const auto digits = [&Text, &at] {
        const qsizetype start = at;
        while (at < Text.size() && Text[at].isDigit() && Text[at].unicode() < 128)
            ++at;
        return at > start;
    };
    if (!digits())
        return false;
    if (at < Text.size() && (Text[at] == QLatin1Char('.') || Text[at] == QLatin1Char(','))) {
        ++at;
        if (!digits())
            return false;
    }
    return at == Text.size();
}

// A width as written by the saver reads the same in every locale: its one mark is the decimal one,
// even where that mark groups thousands ("523,456" saved in German is no 523456 in English, nor
// "523.456" in German). Anything else, as a person may type it, is read the grid's usual way.
float WidthOf(const QString& Stored)
{
    if (IsPlainWidth(Stored)) {
        const QByteArray ascii = Stored.toLatin1().replace(',', '.');
        float width = 0;
        if (std::from_chars(ascii.cbegin(), ascii.cend(), width).ec == std::errc())
            return width;
    }
    return float(rVal(Stored));
}

} // namespace

bool GridModel::SetColOrder(const std::vector<int>& Order)
{
    if (Order.size() != m_Columns.size())
        return false;
    std::vector<char> seen(Order.size(), 0);
    for (const int col : Order) {
        if (!IsColumn(col) || seen[size_t(col)])
            return false;
        seen[size_t(col)] = 1;
    }
    m_ColOrder = Order;
    ++m_Revision;
    ++m_Edits;
    return true;
}

void GridModel::ResetColOrder()
{
    std::iota(m_ColOrder.begin(), m_ColOrder.end(), 0);
    ++m_Revision;
    ++m_Edits;
}

void SaveColOrder(const GridModel& Model, const StoreSection& Section)
{
    Section.Save(QStringLiteral("Count"), QString::number(Model.Cols() - 1));
    const std::vector<int>& order = Model.ColOrder();
    for (size_t i = 0; i < order.size(); ++i)
        Section.Save(QString::number(i), QString::number(order[i]));
}

std::optional<std::vector<int>> LoadColOrder(const GridModel& Model, const StoreSection& Section)
{
    if (rVal(Section.Get(QStringLiteral("Count"), QString())) != Model.Cols() - 1)
        return std::nullopt;
    std::vector<int> order(Model.ColOrder().size());
    for (size_t i = 0; i < order.size(); ++i) {
        const QString key = QString::number(i);
        const std::optional<qint32> col = RoundHalfEvenToInt32(rVal(Section.Get(key, key)));
        if (!col)
            return std::nullopt;
        order[i] = *col;
    }
    return order;
}

void SaveColWidths(const GridModel& Model, const StoreSection& Section)
{
    for (int col = 0; col < Model.Cols(); ++col)
        Section.Save(WidthKey(col), WidthText(Model.Columns()[size_t(col)].Width));
}

std::vector<float> LoadColWidths(const GridModel& Model, const StoreSection& Section)
{
    std::vector<float> widths(size_t(Model.Cols()));
    for (int col = 0; col < Model.Cols(); ++col) {
        const QString own = WidthText(Model.Columns()[size_t(col)].Width);
        widths[size_t(col)] = WidthOf(Section.Get(WidthKey(col), own));
    }
    return widths;
}

} // namespace Tarvex
