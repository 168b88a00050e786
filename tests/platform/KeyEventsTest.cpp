#include "platform/KeyEvents.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

using namespace Tarvex;

// A key's code and the character it types are two answers: Delete has the code of '.', and '.'
// has no code at all. A character comes back whole through the events' KeyAscii, also one that
// reads negative there.
TEST(KeyEvents, AKeysCodeAndTheCharacterItTypesAreToldApart)
{
    struct Key {
        const char* what;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        KeyCode code;
        char16_t typed; // 0 = none
    };
    const Key keys[] {
        { "Delete", Qt::Key_Delete, {}, "\x7f", KeyCode::Delete, 0 },
        { "a period", Qt::Key_Period, {}, ".", KeyCode::None, u'.' },
        { "a letter", Qt::Key_A, {}, "a", KeyCode::A, u'a' },
        { "a digit", Qt::Key_5, {}, "5", KeyCode(53), u'5' },
        { "Enter", Qt::Key_Return, {}, "\r", KeyCode::Return, u'\r' },
        { "the keypad's Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", KeyCode::Return, u'\r' },
        { "Backspace", Qt::Key_Backspace, {}, "\b", KeyCode::Back, u'\b' },
        { "Escape", Qt::Key_Escape, {}, "\x1b", KeyCode::Escape, u'\x1b' },
        { "Tab", Qt::Key_Tab, {}, "\t", KeyCode::Tab, 0 },
        { "Ctrl+C", Qt::Key_C, Qt::ControlModifier, "\x03", KeyCode::C, 0 },
        { "Alt+a", Qt::Key_A, Qt::AltModifier, "a", KeyCode::A, 0 },
        { "F2", Qt::Key_F2, {}, {}, KeyCode::F2, 0 },
        { "F24", Qt::Key_F24, {}, {}, KeyCode(135), 0 },
        { "an umlaut", Qt::Key_Adiaeresis, {}, QString(QChar(u'\u00e4')), KeyCode::None, u'\u00e4' },
        { "a syllable above 0x7FFF", 0xae40, {}, QString(QChar(u'\uae40')), KeyCode::None, u'\uae40' },
    };
    for (const Key& key : keys) {
        const QKeyEvent event(QEvent::KeyPress, key.key, key.modifiers, key.text);
        const TypedChar typed = TypedCharOf(event);
        EXPECT_EQ(key.code, KeyCodeOf(event)) << key.what;
        EXPECT_EQ(TypedChar(key.typed), typed) << key.what;
        EXPECT_EQ(TypedChar(key.typed), TypedChar::FromKeyAscii(typed.KeyAscii())) << key.what;
        EXPECT_EQ(QChar(key.typed), CharacterOf(typed.KeyAscii())) << key.what;
    }
    EXPECT_LT(TypedChar(u'\uae40').KeyAscii(), 0);
}
