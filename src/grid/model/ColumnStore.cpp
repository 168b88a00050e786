#include "grid/model/ColumnStore.h"

#include "grid/model/NumberParsing.h"
#include "platform/runtime/NumericText.h"
#include "platform/runtime/Rounding.h"

#include <numeric>

namespace Tarvex {

namespace {

QString WidthKey(int Col)
{
    return QLatin1Char('W') + QString::number(Col);
}

// A float shows seven significant digits, as the runtime writes one.
QString WidthText(float Width)
{
    return NumberText(Width, 7);
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
        const float current = Model.Columns()[size_t(col)].Width;
        const QString own = WidthText(current);
        const QString stored = Section.Get(WidthKey(col), own);
        // Reading back the seven digits of the default could move a width that was never stored.
        if (stored == own) {
            widths[size_t(col)] = current;
            continue;
        }
        // A width is written without group separators, so either mark in it is the decimal one; as a
        // point rVal reads it in every locale (a comma would read as grouping where a point is decimal).
        widths[size_t(col)] = float(rVal(QString(stored).replace(QLatin1Char(','), QLatin1Char('.'))));
    }
    return widths;
}

} // namespace Tarvex
