#pragma once

#include <QChar>
#include <QtGlobal>

class QKeyEvent;

namespace Tarvex {

// Key codes as the platform's key events report them (the Shift state is ShiftKey, MouseEvents.h).
namespace KeyCode {
constexpr qint16 Back = 8;
constexpr qint16 Tab = 9;
constexpr qint16 Return = 13;
constexpr qint16 Shift = 16;
constexpr qint16 Control = 17;
constexpr qint16 Menu = 18;
constexpr qint16 Escape = 27;
constexpr qint16 Space = 32;
constexpr qint16 PageUp = 33;
constexpr qint16 PageDown = 34;
constexpr qint16 End = 35;
constexpr qint16 Home = 36;
constexpr qint16 Left = 37;
constexpr qint16 Up = 38;
constexpr qint16 Right = 39;
constexpr qint16 Down = 40;
constexpr qint16 Insert = 45;
constexpr qint16 Delete = 46;
constexpr qint16 A = 65;
constexpr qint16 C = 67;
constexpr qint16 V = 86;
constexpr qint16 F1 = 112;
constexpr qint16 F2 = 113;
} // namespace KeyCode

// The key code of a Qt key event: letters and digits as their upper-case character, the keys named
// above, F1 to F24 from 112 on; 0 for a key the platform has no code for.
qint16 KeyCodeOf(const QKeyEvent& Event);

// The character a key types, as the platform's key-press event reports it: a printable character
// (any of the 16-bit range, so one above 0x7FFF reads negative), or Backspace, Enter or Escape. Keys
// that type nothing, Tab, the Ctrl combinations (a text box's shortcuts, such as copy and paste) and
// the Alt combinations (a window's menu and button accelerators) give 0. A key types its character
// whatever its key code, and many that type one (umlauts, punctuation, other scripts) have none.
qint16 KeyAsciiOf(const QKeyEvent& Event);

// The character a key-press event's KeyAscii stands for.
QChar CharacterOf(qint16 KeyAscii);

// Alt held for a key that would otherwise type: the chord belongs to the window's accelerators.
bool IsAltChord(const QKeyEvent& Event);

} // namespace Tarvex
