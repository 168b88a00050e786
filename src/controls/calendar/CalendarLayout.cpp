#include "controls/calendar/CalendarGeometry.h"

#include "controls/calendar/ZIzazeviviroPrivate.h"
#include "platform/TwipsGeometry.h"

#include <tarvex/platform/Label.h>
#include <tarvex/platform/PictureBox.h>
#include <tarvex/platform/Scale.h>
#include <tarvex/platform/Shape.h>
#include <tarvex/platform/Timer.h>

namespace Tarvex {

using namespace CalendarGeometry;

namespace {

template <class Constituent>
Constituent* Make(QWidget* Parent, const QString& Name)
{
    auto* made = new Constituent(Parent);
    made->setObjectName(Name);
    return made;
}

QString ArrayName(const char* Name, int Index) { return QStringLiteral("%1(%2)").arg(QLatin1String(Name)).arg(Index); }

// Captions over a gradient let it show through.
Label* MakeLabel(QWidget* Parent, const QString& Name, Label::Alignments Alignment = Label::Alignments::Left)
{
    Label* label = Make<Label>(Parent, Name);
    label->BackStyle(BackStyles::Transparent);
    label->Alignment(Alignment);
    return label;
}

// A frame drawn around the whole of its container.
Shape* MakeFrame(QWidget* Parent, const QString& Name, double Width, double Height)
{
    Shape* frame = Make<Shape>(Parent, Name);
    frame->Move(0, 0, Width, Height);
    return frame;
}

} // namespace

// Constituents made later lie in front of those made earlier, so every container makes its
// captions and frames before the picture boxes that cover parts of it.
void ZIzazeviviroPrivate::BuildConstituents()
{
    picDropDown = Make<PictureBox>(q, QStringLiteral("picDropDown"));
    shpBorder = MakeFrame(picDropDown, QStringLiteral("shpBorder"), FieldWidth, FieldHeight);
    txtXtext = MakeLabel(picDropDown, QStringLiteral("txtXtext"));
    txtXtext->Move(TextLeft, CaptionTop, FieldWidth - TextGap - ButtonWidth, FieldTextHeight);
    btnCombo = Make<PictureBox>(q, QStringLiteral("btnCombo"));
    MoveInTwips(*btnCombo, FieldWidth - ButtonWidth, 0, ButtonWidth, FieldHeight);
    BuildPanel();
}

void ZIzazeviviroPrivate::BuildPanel()
{
    picCalendar = Make<PictureBox>(q, QStringLiteral("picCalendar"));
    MoveInTwips(*picCalendar, 0, FieldHeight - PanelOverlap, PanelWidth, PanelHeight);
    picCalendar->hide();
    shpCalendar = MakeFrame(picCalendar, QStringLiteral("shpCalendar"), PanelWidth, PanelHeight);
    lblToday = MakeLabel(picCalendar, QStringLiteral("lblToday"));
    lblToday->Move(TodayLeft, TodayTop, TodayWidth, TodayHeight);

    picMonth = Make<PictureBox>(picCalendar, QStringLiteral("picMonth"));
    MoveInTwips(*picMonth, StripLeft, StripTop, MonthStripWidth, MonthStripHeight);
    shpMonth = MakeFrame(picMonth, QStringLiteral("shpMonth"), MonthStripWidth, MonthStripHeight);
    txtMonth = MakeLabel(picMonth, QStringLiteral("txtMonth"));
    txtMonth->Move(CaptionLeft, CaptionTop, MonthStripWidth - CaptionLeft - SmallButtonWidth, CaptionHeight);
    btnMonthDown = Make<PictureBox>(picMonth, QStringLiteral("btnMonthDown"));
    MoveInTwips(*btnMonthDown, MonthStripWidth - SmallButtonWidth, 0, SmallButtonWidth, MonthStripHeight);

    BuildYearSpin();
    BuildDayGrid();
    BuildMonthList();
}

void ZIzazeviviroPrivate::BuildYearSpin()
{
    picYear = Make<PictureBox>(picCalendar, QStringLiteral("picYear"));
    MoveInTwips(*picYear, YearLeft, StripTop, YearWidth, MonthStripHeight);
    shpYear = MakeFrame(picYear, QStringLiteral("shpYear"), YearWidth, MonthStripHeight);
    txtSpin = MakeLabel(picYear, QStringLiteral("txtSpin"));
    txtSpin->Move(CaptionLeft, CaptionTop, YearWidth - CaptionLeft - SmallButtonWidth, CaptionHeight);
    // Up above down, overlapping by one pixel so that their frames share a line.
    const double half = (MonthStripHeight + Scale::TwipsPerPixel) / 2;
    btnSpinUp = Make<PictureBox>(picYear, QStringLiteral("btnSpinUp"));
    MoveInTwips(*btnSpinUp, YearWidth - SmallButtonWidth, 0, SmallButtonWidth, half);
    btnSpinDown = Make<PictureBox>(picYear, QStringLiteral("btnSpinDown"));
    MoveInTwips(*btnSpinDown, YearWidth - SmallButtonWidth, MonthStripHeight - half, SmallButtonWidth, half);
    tmrUp = Make<Timer>(q, QStringLiteral("tmrUp"));
    tmrDown = Make<Timer>(q, QStringLiteral("tmrDown"));
    for (Timer* timer : { tmrUp, tmrDown }) {
        timer->Enabled(false);
        timer->Interval(ZIzazeviviro::RepeatInterval);
    }
}

void ZIzazeviviroPrivate::BuildDayGrid()
{
    picDayNames = Make<PictureBox>(picCalendar, QStringLiteral("picDayNames"));
    MoveInTwips(*picDayNames, StripLeft, DayNamesTop, DaysWidth, DayNamesHeight);
    shpDayNamesBorder = MakeFrame(picDayNames, QStringLiteral("shpDayNamesBorder"), DaysWidth, DayNamesHeight);
    for (int i = 0; i < int(lblDay.size()); ++i) {
        lblDay[i] = MakeLabel(picDayNames, ArrayName("lblDay", i));
        lblDay[i]->Move(DayNameLeft + CellPitchX * i, DayNameTop, CellSize, MonthEntryHeight);
    }

    picDays = Make<PictureBox>(picCalendar, QStringLiteral("picDays"));
    MoveInTwips(*picDays, StripLeft, DaysTop, DaysWidth, DaysHeight);
    shpDays = MakeFrame(picDays, QStringLiteral("shpDays"), DaysWidth, DaysHeight);
    for (int i = 0; i < int(lblNumbers.size()); ++i) {
        lblNumbers[i] = MakeLabel(picDays, ArrayName("lblNumbers", i), Label::Alignments::Center);
        lblNumbers[i]->Move(CellLeft + CellPitchX * (i % 7), CellTop + CellPitchY * (i / 7), CellSize, CellSize);
    }
    shpDayNow = Make<Shape>(picDays, QStringLiteral("shpDayNow"));
    shpDayNow->Move(0, 0, DayNowWidth, DayNowHeight);
    shpDayNow->Visible(false);
}

void ZIzazeviviroPrivate::BuildMonthList()
{
    picMonthList = Make<PictureBox>(picCalendar, QStringLiteral("picMonthList"));
    MoveInTwips(*picMonthList, StripLeft, MonthListTop, MonthStripWidth, MonthListHeight);
    picMonthList->hide();
    shpMonthNames = MakeFrame(picMonthList, QStringLiteral("shpMonthNames"), MonthStripWidth, MonthListHeight);
    for (int i = 0; i < int(lblMonth.size()); ++i) {
        lblMonth[i] = MakeLabel(picMonthList, ArrayName("lblMonth", i));
        lblMonth[i]->Move(CaptionLeft, MonthEntryTop + MonthEntryPitch * i, MonthStripWidth - 2 * CaptionLeft, MonthEntryHeight);
    }
}

void ZIzazeviviro::Resize()
{
    if (d->m_Resizing)
        return;
    d->m_Resizing = true;
    const Shape& frame = *d->shpBorder;
    PictureBox& button = *d->btnCombo;
    if (d->picCalendar->isHidden()) {
        d->shpBorder->Move(0, 0, WidthInTwips(*this), HeightInTwips(*this));
        const double textHeight = TextHeight(QStringLiteral("0")) * Scale::TwipsPerPixel;
        d->txtXtext->Move(TextLeft, HeightInTwips(frame) / 2 - textHeight / 2 + PanelOverlap,
            WidthInTwips(frame) - TextGap - WidthInTwips(button), HeightInTwips(*d->txtXtext));
        MoveInTwips(*d->picDropDown, 0, 0, WidthInTwips(frame), HeightInTwips(*this));
        MoveInTwips(*d->picCalendar, LeftInTwips(*d->picCalendar), HeightInTwips(frame) - PanelOverlap, WidthInTwips(*d->picCalendar),
            HeightInTwips(*d->picCalendar));
    } else {
        MoveInTwips(*this, LeftInTwips(*this), TopInTwips(*this), WidthInTwips(*this),
            HeightInTwips(frame) + HeightInTwips(*d->shpCalendar) + OpenExtra);
    }
    const double buttonWidth = WidthInTwips(button);
    MoveInTwips(button, WidthInTwips(frame) - buttonWidth, 0, buttonWidth, HeightInTwips(frame));
    d->PaintField(170);
    d->m_Resizing = false;
}

QSize ZIzazeviviro::sizeHint() const
{
    const Tarvex::Scale twips { ScaleModes::Twips };
    return QSize(twips.ToPixelIndex(FieldWidth), twips.ToPixelIndex(FieldHeight));
}

} // namespace Tarvex
