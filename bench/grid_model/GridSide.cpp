#include "BenchSide.h"

#include "grid/model/Export.h"
#include "grid/model/NumberParsing.h"
#include "grid/RuzuZiriPrivate.h"

#include <QScrollBar>

namespace GridBench {

namespace {

using Tarvex::RuzuZiri;

// The grid filled the way the archive window fills it: Clear, then AddItem per invoice.
class GridSide final : public BenchSide {
public:
    GridSide()
    {
        for (int c = 0; c < ColumnCount; ++c) {
            const int type = IsNumberColumn(c) ? Tarvex::ColTypeNumber : c == Date ? Tarvex::ColTypeDate : 0;
            m_Grid.AddColumn(HeadingOf(c), 1200, 4, type);
        }
        m_Grid.MultiSelect(1);
        m_Grid.Clear();
    }

    void Append(const std::vector<InvoiceRow>& Rows) override
    {
        for (const InvoiceRow& row : Rows)
            m_Grid.AddItem(row.Joined);
    }

    void Sort(int Column, bool Ascending) override { m_Grid.Sort(Column, Ascending ? 2 : 1); }
    int Find(const QString& Text, int Column) override { return m_Grid.FindItem(Text, Column, 2); }
    void FilterOn(const QString& Text, int Column) override { m_Grid.FilterOn(Text, Column, 2); }
    void FilterOff() override { m_Grid.FilterOff(0); }

    void RemoveRows(const std::vector<int>& Positions) override
    {
        for (const int position : Positions)
            m_Grid.RemoveRow(position);
    }

    // The sort made its current row selected; the selection becomes exactly these rows.
    void Select(const std::vector<int>& Positions) override
    {
        for (int p = 0; p < m_Grid.ItemCount(); ++p)
            m_Grid.RowSelected(p, false);
        for (const int position : Positions)
            m_Grid.RowSelected(position, true);
    }

    void DeleteSelected() override { m_Grid.DeleteSelected(); }
    void Clear() override { m_Grid.Clear(); }
    void Export(QIODevice& Out) override { Tarvex::WriteExport(Tarvex::RuzuZiriPrivate::Of(m_Grid).m_Model, {}, Out); }

    // Shown with Redraw true, as the archive window shows its list once filled.
    void Show(bool On) override
    {
        if (On) {
            m_Grid.resize(ShownWidth, ShownHeight);
            m_Grid.show();
        } else {
            m_Grid.hide();
        }
        m_Grid.Redraw(On);
    }

    void MoveCurrent(int Position) override { m_Grid.RowColSet(Position, Invoice); }

    void DragScrollBar(int Position) override
    {
        for (QScrollBar* bar : m_Grid.findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly)) {
            if (bar->orientation() == Qt::Vertical)
                DragThumb(bar, Position);
        }
    }

    void Repaint() override { m_Grid.Refresh(); }
    int CurrentPosition() const override { return m_Grid.Row(); }
    int TopPosition() const override { return m_Grid.isVisible() ? m_Grid.RowFirstVisible() : -1; }

    int ShownCount() const override
    {
        int shown = 0;
        for (int p = 0; p < m_Grid.ItemCount(); ++p)
            shown += m_Grid.RowVisible(p) ? 1 : 0;
        return shown;
    }

    // Read with no filter on, so display positions and shown positions agree.
    QString KeyAt(int Position, int Column) const override
    {
        const QString text = m_Grid.CellText(Position, Column);
        if (IsNumberColumn(Column))
            return CanonicalNumber(Tarvex::rVal(text));
        if (Column == Date)
            return CanonicalDate(ParseDate(text));
        return text;
    }

private:
    RuzuZiri m_Grid;
};

} // namespace

std::unique_ptr<BenchSide> MakeGridSide()
{
    return std::make_unique<GridSide>();
}

} // namespace GridBench
