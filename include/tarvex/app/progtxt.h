#pragma once

#include <QString>

#include <array>

namespace Tarvex {

// The application's user-interface texts by slot number. Every caption, prompt and message comes
// from here; slot 0 is the date pattern that the date fields format with.
class ProgtxtTable {
public:
    static constexpr int SlotCount = 2001;

    // A slot outside 0..2000 reads as the empty text.
    const QString& operator[](int slot) const;
    // A slot outside 0..2000 is ignored.
    void Set(int slot, const QString& text);
    void Clear();
    int FilledCount() const;

private:
    std::array<QString, SlotCount> m_Slots;
};

// The one table of the running application, filled from the language file at start.
extern ProgtxtTable progtxt;

} // namespace Tarvex
