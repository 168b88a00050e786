#include "InvoiceTableModel.h"

#include "KeyedSortProxy.h"
#include "ProxySide.h"

namespace GridBench {

namespace {

class ExpertSide final : public ProxySide {
public:
    ExpertSide() { Attach(&m_Model, std::make_unique<KeyedSortProxy>(m_Model)); }
    // The proxy reads the model directly, so it goes first.
    ~ExpertSide() override
    {
        m_View.reset();
        m_Proxy.reset();
    }

    void Append(const std::vector<InvoiceRow>& Rows) override { m_Model.Append(Rows); }

    void DeleteSelected() override
    {
        m_Model.RemoveRanges(std::move(m_Selected));
        m_Selected.clear();
    }

    void Clear() override { m_Model.Clear(); }

protected:
    QString CellText(int SourceRow, int Column) const override { return m_Model.Text(SourceRow, Column); }

private:
    InvoiceTableModel m_Model;
};

} // namespace

std::unique_ptr<BenchSide> MakeExpertSide()
{
    return std::make_unique<ExpertSide>();
}

} // namespace GridBench
