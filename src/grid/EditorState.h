#pragma once

#include <QPointer>
#include <QtGlobal>

class QLineEdit;
class QWidget;

namespace Tarvex {

class LetterCase;

// The key code of Down, which the keyboard input leaves in m_EditKey; the painter then keeps the
// new current row in view past tall rows.
inline constexpr qint16 DownKey = 40;

// The in-place editor and the cell it edits.
struct EditorState {
    QLineEdit* txtEdit { nullptr };       // the in-place editor; hidden until an edit opens
    LetterCase* m_EditCase { nullptr };   // forces txtEdit's letters to the case a column asks for; owned by txtEdit
    bool m_EditOpen { false };            // the in-place editor is showing
    int m_EditCol { -1 };                 // cell of the open in-place editor; -1 = none
    int m_EditRow { -1 };                 //   (row position)
    qint16 m_EditKey { 0 };               // key code the editor opens with (set by the keyboard and mouse input)
    bool m_EditBound { false };           // the open edit shows in the column's bound control, not txtEdit
    QPointer<QWidget> m_EditControl;      //   that control; null once the host deleted it
    QPointer<QWidget> m_EditParent;       //   its own container, left for the grid's while the edit is open;
                                          //   null when it sat in the grid's container already
    quint64 m_EditRevision { 0 };         // m_Model.Revision() when the edit opened: rows and columns as the
                                          //   editor found them
    bool m_EditCommitting { false };      // AfterEdit's handlers run: a commit they ask for is this one
};

} // namespace Tarvex
