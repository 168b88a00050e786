#include "ProxySide.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTextStream>

namespace GridBench {

namespace {

QString CsvField(const QString& Text)
{
    for (const QChar c : Text)
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n')
            return QLatin1Char('"') + QString(Text).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
    return Text;
}

} // namespace

void ProxySide::Attach(QAbstractItemModel* Source, std::unique_ptr<QSortFilterProxyModel> Proxy)
{
    if (!Proxy) {
        Proxy = std::make_unique<QSortFilterProxyModel>();
        Proxy->setSourceModel(Source);
        Proxy->setSortLocaleAware(true);
        Proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
        Proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    }
    m_Proxy = std::move(Proxy);
}

void ProxySide::Sort(int Column, bool Ascending)
{
    m_Proxy->sort(Column, Ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

int ProxySide::Find(const QString& Text, int Column)
{
    const auto hits = m_Proxy->match(m_Proxy->index(0, Column), Qt::DisplayRole, Text, 1, Qt::MatchContains);
    return hits.isEmpty() ? -1 : hits.first().row();
}

void ProxySide::FilterOn(const QString& Text, int Column)
{
    m_Proxy->setFilterKeyColumn(Column);
    m_Proxy->setFilterFixedString(Text);
}

void ProxySide::FilterOff()
{
    m_Proxy->setFilterFixedString(QString());
}

void ProxySide::RemoveRows(const std::vector<int>& Positions)
{
    for (const int position : Positions)
        m_Proxy->sourceModel()->removeRow(m_Proxy->mapToSource(m_Proxy->index(position, 0)).row());
}

void ProxySide::Select(const std::vector<int>& Positions)
{
    m_Selected.clear();
    for (const int position : Positions)
        m_Selected.push_back(m_Proxy->mapToSource(m_Proxy->index(position, 0)).row());
}

int ProxySide::ShownCount() const
{
    return m_Proxy->rowCount();
}

QString ProxySide::KeyAt(int Position, int Column) const
{
    const QVariant value = m_Proxy->index(Position, Column).data();
    if (IsNumberColumn(Column))
        return CanonicalNumber(value.toDouble());
    if (Column == Date)
        return CanonicalDate(value.toDate());
    return value.toString();
}

QString ProxySide::CellText(int SourceRow, int Column) const
{
    const QVariant value = m_Proxy->sourceModel()->index(SourceRow, Column).data();
    if (IsNumberColumn(Column))
        return ShownNumber(value.toDouble());
    if (Column == Date)
        return ShownDate(value.toDate());
    return value.toString();
}

// What a Qt developer writes for a text file: a UTF-8 QTextStream with its byte-order mark.
void ProxySide::Export(QIODevice& Out)
{
    QTextStream stream(&Out);
    stream.setEncoding(QStringConverter::Utf8);
    stream.setGenerateByteOrderMark(true);
    for (int c = 0; c < ColumnCount; ++c)
        stream << CsvField(HeadingOf(c)) << ',';
    stream << "\r\n";
    const int shown = m_Proxy->rowCount();
    for (int p = 0; p < shown; ++p) {
        const int row = m_Proxy->mapToSource(m_Proxy->index(p, 0)).row();
        for (int c = 0; c < ColumnCount; ++c)
            stream << CsvField(CellText(row, c)) << ',';
        stream << "\r\n";
    }
}

// Rows are selected whole, as the grid selects them, and the columns are as wide as the grid's.
// Rows of one fixed height let the view place a row without asking for each one's size.
void ProxySide::Show(bool On)
{
    if (!On) {
        m_View.reset();
        return;
    }
    m_View = std::make_unique<QTableView>();
    m_View->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_View->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_View->setModel(m_Proxy.get());
    m_View->horizontalHeader()->setDefaultSectionSize(ShownColumnWidth);
    m_View->resize(ShownWidth, ShownHeight);
    m_View->show();
}

void ProxySide::MoveCurrent(int Position)
{
    m_View->setCurrentIndex(m_Proxy->index(Position, Invoice));
}

void ProxySide::DragScrollBar(int Position)
{
    DragThumb(m_View->verticalScrollBar(), Position);
}

void ProxySide::Repaint()
{
    m_View->viewport()->update();
}

int ProxySide::CurrentPosition() const
{
    return m_View ? m_View->currentIndex().row() : -1;
}

int ProxySide::TopPosition() const
{
    return m_View ? m_View->rowAt(0) : -1;
}

} // namespace GridBench
