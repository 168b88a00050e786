#pragma once

#include <QPointer>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <memory>

class QLineEdit;
class QWidget;

namespace Tarvex {

// Spaces only: a text of tabs is a value.
inline bool IsBlank(const QString& Text)
{
    return std::all_of(Text.begin(), Text.end(), [](QChar c) { return c == u' '; });
}

class LetterCase;

// A cell about to be edited, held across the handlers that run before its editor opens: they may
// remove its row, move it or the current cell, and then it is not the cell asked for any more.
struct CellToEdit {
    std::shared_ptr<int> Record; // record of its row, followed by the model; -1 once the row is gone
    int Row { -1 };              // display positions asked for
    int Col { -1 };
    int Column { -1 };           // column number at Col
    quint64 CellMoves { 0 };     // moves of the current cell when it was asked for
};

// The in-place editor and the cell it edits.
struct EditorState {
    QLineEdit* txtEdit { nullptr };       // the in-place editor; hidden until an edit opens
    LetterCase* m_EditCase { nullptr };   // forces txtEdit's letters to the case a column asks for; owned by txtEdit
    bool m_EditOpen { false };            // the in-place editor is showing
    int m_EditCol { -1 };                 // cell of the open in-place editor; -1 = none
    int m_EditRow { -1 };                 //   (row position)
    qint16 m_EditKey { 0 };               // key code the editor opens with (RememberKey: the keyboard and mouse input)
    bool m_EditBound { false };           // the open edit shows in the column's bound control, not txtEdit
    QPointer<QWidget> m_EditControl;      //   that control; null once the host deleted it
    QPointer<QWidget> m_EditParent;       //   its own container, left for the grid's while the edit is open;
                                          //   null when it sat in the grid's container already
    std::shared_ptr<int> m_EditRecord;    // record of the edited row, followed through removals; -1 once
                                          //   the row is gone (m_EditRow follows it, FindEditedCell)
    int m_EditColumn { -1 };              // column number of the edited cell, which reordering leaves alone
    bool m_EditCommitting { false };      // AfterEdit's handlers run: a commit they ask for is this one
};

} // namespace Tarvex
