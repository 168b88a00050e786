#pragma once

#include "platform/KeyEvents.h"

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

// Where an edit stands. The stages naming the bound control are those in which the column's bound
// control, not txtEdit, is the editor: it is placed, coloured and asked for the focus, and it goes
// back home when the edit ends. Only the editor's own functions move from one stage to the next.
enum class EditStage : quint8 {
    Closed,          // no edit; txtEdit hidden
    ShowingText,     // txtEdit goes over the cell; its focus handlers run, so the edit is not open yet
    ShowingBound,    //   the same with the bound control
    OpenText,        // txtEdit takes the input
    OpenBound,       // the bound control takes the input
    CommittingText,  // AfterEdit's handlers run: a commit they ask for is this one
    CommittingBound,
    HidingBound,     // the focus goes back to the grid before the bound control goes home
};

// The in-place editor and the cell it edits.
struct EditorState {
    QLineEdit* txtEdit { nullptr };       // the in-place editor; hidden until an edit opens
    LetterCase* m_EditCase { nullptr };   // forces txtEdit's letters to the case a column asks for; owned by txtEdit
    EditStage m_EditStage { EditStage::Closed }; // moved by OpenCellEditor, UpdateCell, CloseCellEditor, HideBoundEditor
    int m_EditCol { -1 };                 // cell of the open in-place editor; -1 = none
    int m_EditRow { -1 };                 //   (row position)
    KeyCode m_EditKey { KeyCode::None };  // key code the editor opens with (RememberKey: the keyboard and mouse input);
                                          //   Down makes the painter keep the new current row in view past tall rows
    QPointer<QWidget> m_EditControl;      // the column's bound control that edits; null once the host deleted it
    QPointer<QWidget> m_EditParent;       //   its own container, left for the grid's while the edit is open;
                                          //   null when it sat in the grid's container already
    std::shared_ptr<int> m_EditRecord;    // record of the edited row, followed through removals; -1 once
                                          //   the row is gone (m_EditRow follows it, FindEditedCell)
    int m_EditColumn { -1 };              // column number of the edited cell, which reordering leaves alone

    // The in-place editor is showing and takes the input, also while its commit runs.
    bool EditOpen() const
    {
        return m_EditStage == EditStage::OpenText || m_EditStage == EditStage::OpenBound || EditCommitting();
    }
    // The edit shows in the column's bound control, not txtEdit: from its showing to its going home.
    bool EditBound() const
    {
        return m_EditStage == EditStage::ShowingBound || m_EditStage == EditStage::OpenBound
            || m_EditStage == EditStage::CommittingBound || m_EditStage == EditStage::HidingBound;
    }
    bool EditCommitting() const
    {
        return m_EditStage == EditStage::CommittingText || m_EditStage == EditStage::CommittingBound;
    }
    // Of two stages, the one of the editor the edit shows in now.
    EditStage InEditor(EditStage Text, EditStage Bound) const { return EditBound() ? Bound : Text; }
};

} // namespace Tarvex
