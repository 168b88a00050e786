#include "controls/calendar/CalendarGeometry.h"

#include "controls/calendar/ZIzazeviviroPrivate.h"
#include "platform/TwipsGeometry.h"

#include <tarvex/platform/Label.h>
#include <tarvex/platform/PictureBox.h>
#include <tarvex/platform/runtime/NumericText.h>
#include <tarvex/platform/runtime/Rounding.h>
#include <tarvex/platform/Shape.h>
#include <tarvex/platform/Timer.h>

namespace Tarvex {

void ZIzazeviviroPrivate::ConnectHandlers()
{
    QObject::connect(txtXtext, &Label::Change, q, [this] { txtXtext_Change(); });
    QObject::connect(txtMonth, &Label::Change, q, [this] { txtMonth_Change(); });
    QObject::connect(txtSpin, &Label::Change, q, [this] { txtSpin_Change(); });
    QObject::connect(btnCombo, &PictureBox::Click, q, [this] { btnCombo_Click(); });
    QObject::connect(btnMonthDown, &PictureBox::Click, q, [this] { btnMonthDown_Click(); });
    for (PictureBox* button : { btnCombo, btnMonthDown, btnSpinDown, btnSpinUp }) {
        QObject::connect(button, &PictureBox::MouseDown, q, [this, button] { SmallButton_MouseDown(*button); });
        QObject::connect(button, &PictureBox::MouseUp, q, [this, button] { SmallButton_MouseUp(*button); });
    }
    QObject::connect(btnSpinDown, &PictureBox::Click, q, [this] { YearStep(-1); });
    QObject::connect(btnSpinUp, &PictureBox::Click, q, [this] { YearStep(1); });
    QObject::connect(tmrDown, &Timer::Tick, q, [this] { YearStep(-1); });
    QObject::connect(tmrUp, &Timer::Tick, q, [this] { YearStep(1); });
    for (int i = 0; i < int(lblMonth.size()); ++i) {
        QObject::connect(lblMonth[i], &Label::Click, q, [this, i] { lblMonth_Click(i); });
        QObject::connect(lblMonth[i], &Label::DblClick, q, [this, i] { lblMonth_DblClick(i); });
    }
    for (int i = 0; i < int(lblNumbers.size()); ++i) {
        QObject::connect(lblNumbers[i], &Label::Click, q, [this, i] { lblNumbers_Click(i); });
        QObject::connect(lblNumbers[i], &Label::DblClick, q, [this, i] { lblNumbers_DblClick(i); });
    }
}

// A handler of Change that writes the text again changes it without a Change inside its own:
// the host reads the text when its handler returns, and the nesting ends. One that deleted the
// field leaves nothing to reset.
void ZIzazeviviroPrivate::txtXtext_Change()
{
    if (m_RaisingChange)
        return;
    const Lifeline self(q);
    m_RaisingChange = true;
    emit q->Change();
    if (self.Alive())
        m_RaisingChange = false;
}

// Opening grows the control down (and to the panel's width), raised over the host's other
// widgets so that the panel is not hidden under them.
void ZIzazeviviroPrivate::btnCombo_Click()
{
    if (picCalendar->isHidden()) {
        picCalendar->show();
        q->raise();
        MoveInTwips(*q, LeftInTwips(*q), TopInTwips(*q), WidthInTwips(*q),
            TopInTwips(*picCalendar) + HeightInTwips(*picCalendar));
        if (WidthInTwips(*shpBorder) < WidthInTwips(*picCalendar))
            MoveInTwips(*q, LeftInTwips(*q), TopInTwips(*q), WidthInTwips(*picCalendar), HeightInTwips(*q));
        return;
    }
    MoveInTwips(*q, LeftInTwips(*q), TopInTwips(*q), WidthInTwips(*shpBorder), HeightInTwips(*q));
    picCalendar->hide();
    // The year strip and the days are only ever enabled again with the list closed.
    ShowMonthList(false);
    MoveInTwips(*q, LeftInTwips(*q), TopInTwips(*q), WidthInTwips(*q), HeightInTwips(*shpBorder));
}

void ZIzazeviviroPrivate::ShowMonthList(bool Shown)
{
    picYear->setEnabled(!Shown);
    picMonthList->setVisible(Shown);
    if (Shown)
        picMonthList->raise();
    for (Label* cell : lblNumbers)
        cell->Enabled(!Shown);
}

void ZIzazeviviroPrivate::btnMonthDown_Click() { ShowMonthList(picMonthList->isHidden()); }

void ZIzazeviviroPrivate::HighlightMonthEntry(int Index)
{
    for (Label* entry : lblMonth) {
        entry->BackStyle(BackStyles::Transparent);
        entry->BackColor(Color(CalendarColor::MonthListBackColor));
        entry->ForeColor(Color(CalendarColor::MonthListForeColor));
    }
    lblMonth[Index]->BackStyle(BackStyles::Opaque);
    lblMonth[Index]->ForeColor(Color(CalendarColor::MonthListSelectedForeColor));
    lblMonth[Index]->BackColor(Color(CalendarColor::MonthListSelectedBackColor));
    m_SelectedMonthEntry = Index;
}

// The text goes through a "\" form first; the old day, when the new month has it, then turns it
// back into a date with "." by a day click.
void ZIzazeviviroPrivate::lblMonth_Click(int Index)
{
    HighlightMonthEntry(Index);
    picMonthList->Refresh();
    m_ShownMonth = Index + 1;
    ShowMonth();
    ResetDayCells(false);
    const QString monthPart = (Index < 9 ? QStringLiteral("0") : QString()) + QString::number(Index + 1);
    const QString old = q->Text();
    const QChar slash = QLatin1Char('\\');
    const Lifeline self(q);
    if (m_DateFormat == 0)
        ShowNewText(old.left(2) + slash + monthPart + slash + txtSpin->Caption());
    else
        ShowNewText(monthPart + slash + old.mid(3, 2) + slash + txtSpin->Caption());
    if (!self.Alive())
        return;
    const int day = DigitsAt(m_DayPosition);
    for (int i = 0; i < int(lblNumbers.size()); ++i) {
        if (RoundHalfEvenToInt32(ReadLeadingNumber(lblNumbers[i]->Caption())).value_or(0) == day) {
            lblNumbers_Click(i);
            break;
        }
    }
}

void ZIzazeviviroPrivate::lblMonth_DblClick(int Index)
{
    const Lifeline self(q);
    lblMonth_Click(Index);
    if (self.Alive())
        ShowMonthList(false);
}

// The month strip names the shown month as the month list does, so that a language without names
// of its own keeps the names the list still shows. The grid follows the month itself where the
// caption does not change or is blank, which its own change would not refill.
void ZIzazeviviroPrivate::ShowMonth()
{
    const QString name = lblMonth[m_ShownMonth - 1]->Caption();
    const bool refills = name != txtMonth->Caption() && !name.trimmed().isEmpty();
    txtMonth->Caption(name);
    if (!refills)
        FillCalendar();
}

// A caption that names no month of the current language (one of a language written meanwhile)
// leaves the shown month as it is.
void ZIzazeviviroPrivate::txtMonth_Change()
{
    if (txtMonth->Caption().trimmed().isEmpty())
        return;
    if (const int month = ShownMonthFromCaption())
        m_ShownMonth = month;
    FillCalendar();
}

void ZIzazeviviroPrivate::txtSpin_Change()
{
    if (!txtSpin->Caption().trimmed().isEmpty())
        FillCalendar();
}

// Both directions stop at LowestYear and HighestYear; a year already outside them cannot be
// stepped at all.
void ZIzazeviviroPrivate::YearStep(int Delta)
{
    const std::optional<int> year = RoundHalfEvenToInt32(ReadLeadingNumber(txtSpin->Caption()));
    if (!year)
        return;
    const qint64 stepped = qint64(*year) + Delta;
    if (stepped >= ZIzazeviviro::LowestYear && stepped <= ZIzazeviviro::HighestYear)
        txtSpin->Caption(QString::number(stepped));
}

Timer* ZIzazeviviroPrivate::RepeatTimer(const PictureBox& Button) const
{
    return &Button == btnSpinUp ? tmrUp : &Button == btnSpinDown ? tmrDown : nullptr;
}

void ZIzazeviviroPrivate::SmallButton_MouseDown(PictureBox& Button)
{
    PaintSmallButton(Button, false);
    if (Timer* repeat = RepeatTimer(Button))
        repeat->Enabled(true);
}

void ZIzazeviviroPrivate::SmallButton_MouseUp(PictureBox& Button)
{
    PaintSmallButton(Button, true);
    if (Timer* repeat = RepeatTimer(Button))
        repeat->Enabled(false);
}

} // namespace Tarvex
