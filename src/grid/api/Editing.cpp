#include "grid/RuzuZiriPrivate.h"

#include <QLineEdit>

// Editing cells in place, as a host asks for it.

namespace Tarvex {

// A bound control's value is the host's to give: AfterEdit always comes, with an empty value, and
// what the handler leaves in it is stored. Every handler, and every pass of the event pump (the focus
// going back to the grid repaints), may change the grid: the value goes into the edited row wherever
// that row shows by then, and when the row is gone the edit closes and the commit fails. An edit a
// handler committed or closed is over, also when the handler opened another edit: the value goes
// into neither; a grid a handler deleted is not touched again.
bool RuzuZiri::UpdateCell(bool bAllowMove)
{
    if (!d->m_Edit.EditOpen() || d->m_Edit.EditCommitting())
        return true;
    if (!d->FindEditedCell())
        return d->DropLostEdit();
    const int col = d->EditColumn();
    QString value;
    bool changed = true;
    if (!d->m_Edit.EditBound()) {
        value = IsBlank(d->m_Edit.txtEdit->text()) ? QString() : d->m_Edit.txtEdit->text();
        changed = !QAnyStringView::equal(value, d->m_Model.RowAt(d->m_Edit.m_EditRow).Cells.View(size_t(col)));
    }
    if (changed) {
        d->m_Edit.m_EditStage = d->m_Edit.InEditor(EditStage::CommittingText, EditStage::CommittingBound);
        // Still this commit: a handler neither ended the edit nor opened another.
        const auto stillCommitting = [this] { return d->m_Edit.EditCommitting(); };
        const HostAnswer answer = d->AskHost(stillCommitting, &RuzuZiri::AfterEdit, d->m_Edit.m_EditRow, col, value);
        if (answer == HostAnswer::Gone)
            return false;
        if (answer == HostAnswer::Changed)
            return d->FindEditedCell();
        d->m_Edit.m_EditStage = d->m_Edit.InEditor(EditStage::OpenText, EditStage::OpenBound);
        if (!d->FindEditedCell())
            return d->DropLostEdit();
        if (answer == HostAnswer::Refused) {
            d->PositionEditor();
            return false;
        }
    }
    const Lifeline self(this);
    d->EnablePaint(false);
    if (!d->CloseCellEditor())
        return false;
    const bool stored = !changed || d->StoreEdit(value);
    if (!self.Alive() || (stored && bAllowMove && !d->MoveAfterEdit()))
        return false;
    d->EnablePaint(true);
    return d->DrawGrid(d->m_Painter.m_Paint) && stored;
}

} // namespace Tarvex
