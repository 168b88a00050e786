#pragma once

namespace Tarvex {

// Names for the numbers of the EditTrigger, MultiSelect and FocusRectMode properties. The properties
// keep the host's numbers, as they are set and saved; the grid tests them by these names.

// What opens the in-place editor, bit by bit, and whether Enter and Escape go further than it.
enum class EditTriggerBit : int {
    SwallowEnterEscape = 2, // the key-press handling keeps Enter and Escape from the host's KeyPress
    F2 = 4,
    Click = 8,
    DoubleClick = 16,
    Typing = 32, // a character opens the editor with it; Enter and Escape end the edit as characters
};

constexpr bool IsFlagSet(int EditTrigger, EditTriggerBit Bit)
{
    return (EditTrigger & int(Bit)) != 0;
}

// How rows are selected. Any mode but Off lets a press, a drag or a key select several rows.
enum class MultiSelectMode : int {
    Off = 0,
    On = 1,               // Ctrl toggles a row, Shift selects a range
    ToggleEveryClick = 2, // every click toggles its row
};

constexpr bool operator==(int MultiSelect, MultiSelectMode Mode)
{
    return MultiSelect == int(Mode);
}

// The keys read a mode bit by bit, so that 3 does both: Shift with the arrows extends the selection
// where On's bit is set, Ctrl+A selects every row where ToggleEveryClick's is.
constexpr bool IsFlagSet(int MultiSelect, MultiSelectMode Mode)
{
    return (MultiSelect & int(Mode)) != 0;
}

// What the focus rectangle outlines. Where it is the cell, Delete empties the cell instead of
// removing the row.
enum class FocusRectKind : int { None = 0, Row = 1, Cell = 2 };

constexpr bool operator==(int FocusRectMode, FocusRectKind Kind)
{
    return FocusRectMode == int(Kind);
}

} // namespace Tarvex
