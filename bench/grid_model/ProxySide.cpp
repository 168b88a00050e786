#include "ProxySide.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>

namespace GridBench {

ProxySide::ProxySide(std::unique_ptr<QSortFilterProxyModel> Proxy)
    : m_ProxyOwner(std::move(Proxy)), m_Proxy(*m_ProxyOwner)
{
}

void ProxySide::Attach(QAbstractItemModel* Source)
{
    m_Proxy.setSourceModel(Source);
    m_Proxy.setSortLocaleAware(true);
    m_Proxy.setSortCaseSensitivity(Qt::CaseInsensitive);
    m_Proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
}

void ProxySide::Sort(int Column, bool Ascending)
{
    m_Proxy.sort(Column, Ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

int ProxySide::Find(const QString& Text, int Column)
{
    const auto hits = m_Proxy.match(m_Proxy.index(0, Column), Qt::DisplayRole, Text, 1, Qt::MatchContains);
    return hits.isEmpty() ? -1 : hits.first().row();
}

void ProxySide::FilterOn(const QString& Text, int Column)
{
    m_Proxy.setFilterKeyColumn(Column);
    m_Proxy.setFilterFixedString(Text);
}

void ProxySide::FilterOff()
{
    m_Proxy.setFilterFixedString(QString());
}

void ProxySide::RemoveRows(const std::vector<int>& Positions)
{
    for (const int position : Positions)
        m_Proxy.sourceModel()->removeRow(m_Proxy.mapToSource(m_Proxy.index(position, 0)).row());
}

void ProxySide::Select(const std::vector<int>& Positions)
{
    m_Selected.clear();
    for (const int position : Positions)
        m_Selected.push_back(m_Proxy.mapToSource(m_Proxy.index(position, 0)).row());
}

int ProxySide::ShownCount() const
{
    return m_Proxy.rowCount();
}

QString ProxySide::KeyAt(int Position, int Column) const
{
    const QVariant value = m_Proxy.index(Position, Column).data();
    if (IsNumberColumn(Column))
        return CanonicalNumber(value.toDouble());
    if (Column == Date)
        return CanonicalDate(value.toDate());
    return value.toString();
}

// Rows of one height let the view place a row without asking the model for each one's size.
void ProxySide::ShowView()
{
    m_View = std::make_unique<QTableView>();
    m_View->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_View->setModel(&m_Proxy);
    m_View->resize(1000, 700);
    m_View->show();
    QCoreApplication::processEvents(); // until the window is exposed, a repaint paints nothing
}

void ProxySide::HideView()
{
    m_View.reset();
}

void ProxySide::WalkCurrentRow(int Count)
{
    for (int p = 0; p < Count; ++p) {
        m_View->setCurrentIndex(m_Proxy.index(p, 0));
        m_View->viewport()->repaint();
    }
}

void ProxySide::ScrollTo(int Position)
{
    m_View->verticalScrollBar()->setSliderPosition(Position);
    m_View->viewport()->repaint();
}

int ProxySide::TopRow() const
{
    return m_View ? m_View->rowAt(0) : -1;
}

} // namespace GridBench
