#pragma once

#include "BenchSide.h"

#include <QSortFilterProxyModel>

namespace GridBench {

// The part both Qt contestants share: a proxy that sorts locale-aware without case and filters by
// fixed text, over whatever source model the contestant keeps.
class ProxySide : public BenchSide {
public:
    void Sort(int Column, bool Ascending) override;
    int Find(const QString& Text, int Column) override;
    void FilterOn(const QString& Text, int Column) override;
    void FilterOff() override;
    void RemoveRows(const std::vector<int>& Positions) override;
    void Select(const std::vector<int>& Positions) override;
    int ShownCount() const override;
    QString KeyAt(int Position, int Column) const override;
    void Export(QIODevice& Out) override;

protected:
    void Attach(QAbstractItemModel* Source);
    // The text a cell of the source model shows; here read through the model's data().
    virtual QString CellText(int SourceRow, int Column) const;

    QSortFilterProxyModel m_Proxy;
    std::vector<int> m_Selected; // source rows chosen by Select
};

} // namespace GridBench
