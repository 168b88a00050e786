#include "grid/RuzuZiriPrivate.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include <algorithm>

// Text that reaches txtEdit other than by one typed key: pasted (the keys, the context menu, the
// middle button), dropped, composed by an input method, or typed as several characters at once
// (a character outside 16 bits). All of it goes through the column's filter and EditKeyPress as if
// typed character by character; a paste of which nothing is left changes nothing.

namespace Tarvex {

namespace {

// The key that pastes the selection instead of the clipboard, where the window system has one.
QClipboard::Mode PasteModeOf(const QKeyEvent& Key)
{
    const bool selection = Key.key() == Qt::Key_Insert && Key.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
    return selection && QGuiApplication::clipboard()->supportsSelection() ? QClipboard::Selection : QClipboard::Clipboard;
}

// What a key types into a text box: its text, unless Ctrl (with or without Shift) makes the key a
// shortcut. AltGr, which some keyboards report as Ctrl+Alt, still types.
bool TypesText(const QKeyEvent& Key)
{
    const QString text = Key.text();
    const Qt::KeyboardModifiers modifiers = Key.modifiers() & ~Qt::KeypadModifier;
    if (text.isEmpty() || modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    return std::none_of(text.begin(), text.end(), [](QChar c) { return c < u' ' || c == u'\x7f'; });
}

} // namespace

// A key that types text the key-press handling does not take as one character (a character outside
// 16 bits, several characters at once, AltGr reported as Ctrl+Alt): true when it typed, through the
// filter, and has been done.
bool RuzuZiriPrivate::TypeKeyText(const QKeyEvent& Key)
{
    if (!TypesText(Key))
        return false;
    QString kept;
    if (FilterTyped(Key.text(), kept) && m_Edit.EditOpen() && !kept.isEmpty())
        m_Edit.txtEdit->insert(kept);
    return true;
}

// A character outside 16 bits comes as its two halves, as the platform's character messages bring
// it, and is kept whole or not at all: half of it would corrupt the text. False when a handler
// deleted the grid; Kept is empty when one ended the edit.
bool RuzuZiriPrivate::FilterTyped(QStringView Text, QString& Kept)
{
    Kept.clear();
    if (!m_Edit.EditOpen())
        return true;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const bool pair = Text[i].isHighSurrogate() && i + 1 < Text.size() && Text[i + 1].isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        QString typed;
        for (qsizetype half = 0; half < length; ++half) {
            const TypedChar original(Text[i + half].unicode());
            TypedChar kept = original;
            if (!txtEdit_KeyPress(kept))
                return false;
            if (!m_Edit.EditOpen()) {
                Kept.clear();
                return true;
            }
            if (kept.IsNone() || (pair && kept != original))
                break;
            typed += kept.Character();
        }
        if (typed.size() == length)
            Kept += typed;
        i += length - 1;
    }
    return true;
}

// True when the key was a paste and has been done.
bool RuzuZiriPrivate::PasteKey(const QKeyEvent& Key)
{
    if (!Key.matches(QKeySequence::Paste))
        return false;
    PasteInEditor(PasteModeOf(Key));
    return true;
}

void RuzuZiriPrivate::PasteInEditor(QClipboard::Mode Mode)
{
    if (m_Edit.txtEdit->isReadOnly())
        return;
    QString kept;
    if (!FilterTyped(QGuiApplication::clipboard()->text(Mode), kept) || kept.isEmpty() || !m_Edit.EditOpen())
        return;
    m_Edit.txtEdit->insert(kept);
}

// The text box drops the text where the pointer is, as it would the text that was dragged.
bool RuzuZiriPrivate::DropInEditor(QDropEvent& Drop)
{
    if (!Drop.mimeData() || !Drop.mimeData()->hasText())
        return false;
    QString kept;
    if (!FilterTyped(Drop.mimeData()->text(), kept))
        return true;
    if (kept.isEmpty() || !m_Edit.EditOpen()) {
        Drop.ignore();
        return true;
    }
    QMimeData filtered;
    filtered.setText(kept);
    QDropEvent dropped(Drop.position(), Drop.possibleActions(), &filtered, Drop.buttons(), Drop.modifiers());
    dropped.setDropAction(Drop.dropAction());
    static_cast<QObject*>(m_Edit.txtEdit)->event(&dropped);
    Drop.setDropAction(dropped.dropAction());
    Drop.setAccepted(dropped.isAccepted());
    return true;
}

// Only the committed text is typed; what the input method still composes shows as it comes.
bool RuzuZiriPrivate::ComposeInEditor(QInputMethodEvent& Compose)
{
    const QString committed = Compose.commitString();
    if (committed.isEmpty())
        return false;
    QString kept;
    if (!FilterTyped(committed, kept) || !m_Edit.EditOpen())
        return true;
    if (kept == committed)
        return false;
    QInputMethodEvent filtered(Compose.preeditString(), Compose.attributes());
    filtered.setCommitString(kept, Compose.replacementStart(), Compose.replacementLength());
    static_cast<QObject*>(m_Edit.txtEdit)->event(&filtered);
    Compose.setAccepted(filtered.isAccepted());
    return true;
}

// The text box's own menu, whose Paste pastes as the keys do. Its action is the one connected to
// the text box's own paste, by name or by pointer as the library's version has it; its text is
// translated and it has no name of its own.
void RuzuZiriPrivate::EditorMenu(const QContextMenuEvent& Event)
{
    QMenu* menu = m_Edit.txtEdit->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
        const bool pastes = QObject::disconnect(action, SIGNAL(triggered()), m_Edit.txtEdit, SLOT(paste()))
            || QObject::disconnect(action, &QAction::triggered, m_Edit.txtEdit, &QLineEdit::paste);
        if (pastes)
            QObject::connect(action, &QAction::triggered, m_Edit.txtEdit, [this] { PasteInEditor(QClipboard::Clipboard); });
    }
    menu->popup(Event.globalPos());
}

// Where the window system keeps a selection, the middle button pastes it where it was pressed.
bool RuzuZiriPrivate::MiddleClickPaste(const QMouseEvent& Release)
{
    if (Release.button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection()
        || m_Edit.txtEdit->isReadOnly())
        return false;
    m_Edit.txtEdit->deselect();
    PasteInEditor(QClipboard::Selection);
    return true;
}

} // namespace Tarvex
