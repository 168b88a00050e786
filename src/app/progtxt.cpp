#include <tarvex/app/progtxt.h>

#include <algorithm>

namespace Tarvex {

ProgtxtTable progtxt;

const QString& ProgtxtTable::operator[](int slot) const
{
    static const QString empty;
    if (slot < 0 || slot >= SlotCount)
        return empty;
    return m_Slots[slot];
}

void ProgtxtTable::Set(int slot, const QString& text)
{
    if (slot < 0 || slot >= SlotCount)
        return;
    m_Slots[slot] = text;
}

void ProgtxtTable::Clear()
{
    m_Slots.fill(QString());
}

int ProgtxtTable::FilledCount() const
{
    return int(std::count_if(m_Slots.begin(), m_Slots.end(), [](const QString& s) { return !s.isEmpty(); }));
}

} // namespace Tarvex
