#include "grid/RuzuZiriPrivate.h"

#include "grid/model/ColumnStore.h"

#include <tarvex/platform/SettingsStore.h>

#include <QCoreApplication>

namespace Tarvex {

namespace {

StoreSection SectionOf(const QString& UniqueGridName)
{
    const QString application = QCoreApplication::applicationName();
    return {
        [application, UniqueGridName](const QString& Key, const QString& Default) {
            return GetSetting(application, UniqueGridName, Key, Default);
        },
        [application, UniqueGridName](const QString& Key, const QString& Value) {
            SaveSetting(application, UniqueGridName, Key, Value);
        },
    };
}

} // namespace

void RuzuZiri::ColOrderSave(const QString& UniqueGridName)
{
    SaveColOrder(d->m_Model, SectionOf(UniqueGridName));
}

void RuzuZiri::ColOrderLoad(const QString& UniqueGridName)
{
    const auto order = LoadColOrder(d->m_Model, SectionOf(UniqueGridName));
    if (!order || !d->m_Model.SetColOrder(*order))
        return;
    if (d->RefreshIfRedraw())
        emit ColumnOrderChanged(0, 0);
}

void RuzuZiri::ColOrderRestore(const QString&)
{
    if (d->m_Model.Cols() <= 1)
        return;
    // The current cell goes to the place last chosen by navigation, or stays with its column.
    const int current = Col();
    d->m_Model.ResetColOrder();
    const Lifeline self(this);
    RowColSet(-1, d->NavColumn(current));
    if (self.Alive() && d->RefreshIfRedraw())
        emit ColumnOrderChanged(0, 0);
}

void RuzuZiri::ColWidthsSave(const QString& UniqueGridName)
{
    SaveColWidths(d->m_Model, SectionOf(UniqueGridName));
}

void RuzuZiri::ColWidthsLoad(const QString& UniqueGridName)
{
    const std::vector<float> widths = LoadColWidths(d->m_Model, SectionOf(UniqueGridName));
    const Lifeline self(this);
    for (int col = 0; col < int(widths.size()) && self.Alive() && col < d->m_Model.Cols(); ++col)
        ColWidth(col, widths[size_t(col)]);
}

} // namespace Tarvex
