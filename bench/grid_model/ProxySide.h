#pragma once

#include "BenchSide.h"

#include <QSortFilterProxyModel>
#include <QTableView>

#include <memory>

namespace GridBench {

// The part both Qt contestants share: a proxy that sorts locale-aware without case and filters by
// fixed text, over whatever source model the contestant keeps.
class ProxySide : public BenchSide {
public:
    explicit ProxySide(std::unique_ptr<QSortFilterProxyModel> Proxy = std::make_unique<QSortFilterProxyModel>());

    void Sort(int Column, bool Ascending) override;
    int Find(const QString& Text, int Column) override;
    void FilterOn(const QString& Text, int Column) override;
    void FilterOff() override;
    void RemoveRows(const std::vector<int>& Positions) override;
    void Select(const std::vector<int>& Positions) override;
    int ShownCount() const override;
    QString KeyAt(int Position, int Column) const override;
    void ShowView() override;
    void HideView() override;
    void WalkCurrentRow(int Count) override;
    void ScrollTo(int Position) override;
    int TopRow() const override;

protected:
    void Attach(QAbstractItemModel* Source);

    std::unique_ptr<QSortFilterProxyModel> m_ProxyOwner; // the proxy below, owned
    QSortFilterProxyModel& m_Proxy;                      // sorts and filters the source model
    std::vector<int> m_Selected; // source rows chosen by Select
    std::unique_ptr<QTableView> m_View; // on the proxy while the view operations run; null otherwise
};

} // namespace GridBench
