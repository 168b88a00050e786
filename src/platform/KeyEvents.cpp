#include "platform/KeyEvents.h"

#include <QKeyEvent>

namespace Tarvex {

namespace {

struct NamedKey {
    int Qt;
    KeyCode Code;
};

constexpr NamedKey NamedKeys[] {
    { Qt::Key_Backspace, KeyCode::Back }, { Qt::Key_Tab, KeyCode::Tab }, { Qt::Key_Backtab, KeyCode::Tab },
    { Qt::Key_Return, KeyCode::Return }, { Qt::Key_Enter, KeyCode::Return }, { Qt::Key_Shift, KeyCode::Shift },
    { Qt::Key_Control, KeyCode::Control }, { Qt::Key_Alt, KeyCode::Menu }, { Qt::Key_Escape, KeyCode::Escape },
    { Qt::Key_Space, KeyCode::Space }, { Qt::Key_PageUp, KeyCode::PageUp }, { Qt::Key_PageDown, KeyCode::PageDown },
    { Qt::Key_End, KeyCode::End }, { Qt::Key_Home, KeyCode::Home }, { Qt::Key_Left, KeyCode::Left },
    { Qt::Key_Up, KeyCode::Up }, { Qt::Key_Right, KeyCode::Right }, { Qt::Key_Down, KeyCode::Down },
    { Qt::Key_Insert, KeyCode::Insert }, { Qt::Key_Delete, KeyCode::Delete },
};

} // namespace

KeyCode KeyCodeOf(const QKeyEvent& Event)
{
    const int key = Event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return KeyCode(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return KeyCode(qint16(KeyCode::F1) + (key - Qt::Key_F1));
    for (const NamedKey& named : NamedKeys) {
        if (named.Qt == key)
            return named.Code;
    }
    return KeyCode::None;
}

TypedChar TypedCharOf(const QKeyEvent& Event)
{
    const QString text = Event.text();
    if (text.size() != 1 || (Event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return TypedChar::None;
    const char16_t c = text.front().unicode();
    const TypedChar typed(c);
    if (typed == TypedChar::Backspace || typed == TypedChar::Return || typed == TypedChar::Escape)
        return typed;
    if (c < u' ' || c == u'\x7f')
        return TypedChar::None;
    return typed;
}

QChar CharacterOf(qint16 KeyAscii)
{
    return TypedChar::FromKeyAscii(KeyAscii).Character();
}

bool IsAltChord(const QKeyEvent& Event)
{
    const QString text = Event.text();
    return (Event.modifiers() & Qt::AltModifier) && !text.isEmpty() && text.front().isPrint();
}

} // namespace Tarvex
