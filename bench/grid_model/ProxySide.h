#pragma once

#include "BenchSide.h"

#include <QSortFilterProxyModel>
#include <QTableView>

#include <memory>

namespace GridBench {

// The part both Qt contestants share: a proxy that sorts without case and filters by fixed text
// over whatever source model the contestant keeps, and a QTableView over the proxy when shown.
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

    void Show(bool On) override;
    void MoveCurrent(int Position) override;
    void DragScrollBar(int Position) override;
    void Repaint() override;
    int CurrentPosition() const override;
    int TopPosition() const override;

protected:
    // Takes the proxy (a plain locale-aware one when none is given) over Source.
    void Attach(QAbstractItemModel* Source, std::unique_ptr<QSortFilterProxyModel> Proxy = {});
    // The text a cell of the source model shows; here read through the model's data().
    virtual QString CellText(int SourceRow, int Column) const;

    std::unique_ptr<QSortFilterProxyModel> m_Proxy;
    std::unique_ptr<QTableView> m_View; // while shown
    std::vector<int> m_Selected;        // source rows chosen by Select
};

} // namespace GridBench
