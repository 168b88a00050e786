#pragma once

#include <QChar>
#include <QtGlobal>

class QKeyEvent;

namespace Tarvex {

// Key codes as the platform's key events report them (the Shift state is ShiftKey, MouseEvents.h).
// Letters and digits are the code of their upper-case character, F1 to F24 run from 112 on, so a
// code may be one that has no name here.
enum class KeyCode : qint16 {
    None = 0,
    Back = 8,
    Tab = 9,
    Return = 13,
    Shift = 16,
    Control = 17,
    Menu = 18,
    Escape = 27,
    Space = 32,
    PageUp = 33,
    PageDown = 34,
    End = 35,
    Home = 36,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    Insert = 45,
    Delete = 46,
    A = 65,
    C = 67,
    V = 86,
    F1 = 112,
    F2 = 113,
};

// A character a key types, as the key-press events report it in their KeyAscii: a printable
// character of the 16-bit range, or Backspace, Enter or Escape; none for a key that types nothing
// or a character a handler swallowed. It is no key code: Delete's code is the character '.'.
class TypedChar {
public:
    constexpr TypedChar() = default;
    constexpr explicit TypedChar(char16_t Unit)
        : m_Unit(Unit)
    {
    }
    // The events' KeyAscii reads a character above 0x7FFF as negative.
    static constexpr TypedChar FromKeyAscii(qint16 KeyAscii) { return TypedChar(char16_t(quint16(KeyAscii))); }
    constexpr qint16 KeyAscii() const { return qint16(m_Unit); }
    constexpr bool IsNone() const { return m_Unit == 0; }
    QChar Character() const { return QChar(m_Unit); }
    friend constexpr bool operator==(TypedChar, TypedChar) = default;

    static const TypedChar None;
    static const TypedChar Backspace;
    static const TypedChar Return;
    static const TypedChar Escape;

private:
    char16_t m_Unit { 0 };
};

inline constexpr TypedChar TypedChar::None {};
inline constexpr TypedChar TypedChar::Backspace { u'\b' };
inline constexpr TypedChar TypedChar::Return { u'\r' };
inline constexpr TypedChar TypedChar::Escape { u'\x1b' };

// The key code of a Qt key event; None for a key the platform has no code for.
KeyCode KeyCodeOf(const QKeyEvent& Event);

// The character a key types, as the platform's key-press event reports it. Keys that type nothing,
// Tab, the Ctrl combinations (a text box's shortcuts, such as copy and paste) and the Alt
// combinations (a window's menu and button accelerators) give none. A key types its character
// whatever its key code, and many that type one (umlauts, punctuation, other scripts) have none.
TypedChar TypedCharOf(const QKeyEvent& Event);

// The character a key-press event's KeyAscii stands for.
QChar CharacterOf(qint16 KeyAscii);

// Alt held for a key that would otherwise type: the chord belongs to the window's accelerators.
bool IsAltChord(const QKeyEvent& Event);

} // namespace Tarvex
