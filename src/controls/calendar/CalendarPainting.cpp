#include "controls/calendar/ZIzazeviviroPrivate.h"

#include <tarvex/platform/Label.h>
#include <tarvex/platform/PictureBox.h>
#include <tarvex/platform/runtime/Rounding.h>
#include <tarvex/platform/Shape.h>

#include <algorithm>

namespace Tarvex {
namespace {

// The button face of the system: a face in this colour is painted flat, whatever the style.
constexpr OleColor FlatFace = SystemColor::ButtonFace;

int Red(OleColor Color) { return int(Color & 0xFF); }
int Green(OleColor Color) { return int((Color >> 8) & 0xFF); }
int Blue(OleColor Color) { return int((Color >> 16) & 0xFF); }

// System colours are split into channels as the screen shows them; their index would give nonsense.
OleColor PlainColor(OleColor Color)
{
    return Color & SystemColorFlag ? ToOleColor(TranslateOleColor(Color)) : Color;
}

OleColor Rgb(int R, int G, int B) { return OleColor(R) | OleColor(G) << 8 | OleColor(B) << 16; }

int Channel(float Value) { return RoundHalfEvenToInt32(Value).value_or(0); }

// A highlighted day or month entry keeps its own text colour: the plain text colour may be the
// highlight's background, which would hide the entry.
void TextColor(Label& Entry, OleColor Plain, OleColor Highlighted)
{
    Entry.ForeColor(Entry.BackStyle() == BackStyles::Opaque ? Highlighted : Plain);
}

// Drawing is done in pixels whatever scale the picture keeps; the scale is restored afterwards.
class PixelScale {
public:
    explicit PixelScale(PictureBox& Picture)
        : m_Picture(Picture)
        , m_Saved(Picture.ScaleMode())
    {
        Picture.ScaleMode(ScaleModes::Pixels);
    }
    ~PixelScale() { m_Picture.ScaleMode(m_Saved); }
    PixelScale(const PixelScale&) = delete;
    PixelScale& operator=(const PixelScale&) = delete;

private:
    PictureBox& m_Picture;
    ScaleModes m_Saved;
};

} // namespace

// Channels below 0 are held at 0 as those above 255 are held at 255: a darkened black stays black
// instead of turning into a colour whose channels borrow from each other. Taken in 64 bits, any
// amount a host passes ends as white or black.
void ZIzazeviviro::LightenColor(OleColor Color, int Amount, OleColor& Result)
{
    const auto lighten = [Amount](int Channel) {
        return int(std::clamp<qint64>(Channel * (255 - qint64(Amount)) / 255 + Amount, 0, 255));
    };
    const OleColor plain = PlainColor(Color);
    Result = Rgb(lighten(Red(plain)), lighten(Green(plain)), lighten(Blue(plain)));
}

void ZIzazeviviro::InitializeCol(PictureBox& Picture, OleColor Color1, OleColor Color2, bool ClearPicture)
{
    {
        PixelScale pixels(Picture);
        const OleColor top = PlainColor(Color1);
        const OleColor bottom = PlainColor(Color2);
        const float height = float(Picture.ScaleHeight());
        d->m_Gradient = { Red(top), Green(top), Blue(top), (Red(bottom) - Red(top)) / height, (Green(bottom) - Green(top)) / height,
            (Blue(bottom) - Blue(top)) / height };
    }
    if (ClearPicture)
        Picture.Cls();
}

// One line per pixel row, the last row included, in the colour InitializeCol stepped to.
void ZIzazeviviroPrivate::PaintGradient(PictureBox& Picture)
{
    const int height = int(Picture.ScaleHeight());
    const double width = Picture.ScaleWidth();
    for (int y = 0; y <= height; ++y) {
        const OleColor colour = Rgb(Channel(m_Gradient.R1 + m_Gradient.StepR * y), Channel(m_Gradient.G1 + m_Gradient.StepG * y),
            Channel(m_Gradient.B1 + m_Gradient.StepB * y));
        Picture.Line(0, y, width, y, colour);
    }
}

void ZIzazeviviro::DrawPicBack(PictureBox& Picture, OleColor LightColor, OleColor BaseColor, OleColor TextColor)
{
    Q_UNUSED(TextColor);
    if (BaseColor == FlatFace || d->m_Style == 0) {
        Picture.BackColor(BaseColor);
        return;
    }
    InitializeCol(Picture, LightColor, BaseColor, false);
    PixelScale pixels(Picture);
    d->PaintGradient(Picture);
    Picture.Refresh();
}

void ZIzazeviviro::DrawButton(PictureBox& Picture, OleColor LightColor, OleColor BaseColor, bool Raised, bool UpArrow,
    OleColor ArrowColor, OleColor FrameColor)
{
    PixelScale pixels(Picture);
    if (BaseColor != FlatFace && d->m_Style != 0) {
        InitializeCol(Picture, Raised ? LightColor : BaseColor, Raised ? BaseColor : LightColor, false);
        d->PaintGradient(Picture);
    } else {
        OleColor face = BaseColor;
        if (!Raised)
            LightenColor(BaseColor, -50, face);
        Picture.BackColor(face);
    }
    const int cx = RoundHalfEvenToInt32(Picture.ScaleWidth() / 2).value_or(0);
    const int cy = RoundHalfEvenToInt32(Picture.ScaleHeight() / 2).value_or(0);
    // Each row of the arrow includes both its ends, so the arrow is symmetric and ends in one pixel.
    const auto row = [&](int HalfWidth, int Y) { Picture.Line(cx - HalfWidth, Y, cx + HalfWidth + 1, Y, ArrowColor); };
    for (int i = 0; i < 4; ++i)
        row(3 - i, UpArrow ? cy - i : cy - 2 + i);
    const double w = Picture.ScaleWidth();
    const double h = Picture.ScaleHeight();
    Picture.Line(0, 0, w, 0, FrameColor);
    Picture.Line(0, h - 1, w, h - 1, FrameColor);
    Picture.Line(0, 0, 0, h, FrameColor);
    Picture.Line(w - 1, 0, w - 1, h, FrameColor);
    Picture.Refresh();
}

OleColor ZIzazeviviroPrivate::Lightened(CalendarColor Which, int Amount) const
{
    OleColor light = 0;
    ZIzazeviviro::LightenColor(Color(Which), Amount, light);
    return light;
}

void ZIzazeviviroPrivate::Gradient(PictureBox& Picture, CalendarColor Base, int Amount)
{
    q->DrawPicBack(Picture, Lightened(Base, Amount), Color(Base), 0);
}

void ZIzazeviviroPrivate::RaisedButton(PictureBox& Button, CalendarColor Base, int Amount, bool UpArrow, CalendarColor Arrow, CalendarColor Frame)
{
    q->DrawButton(Button, Lightened(Base, Amount), Color(Base), true, UpArrow, Color(Arrow), Color(Frame));
}

// The field alone; ButtonLight is the lightening of an enabled drop-down button.
void ZIzazeviviroPrivate::PaintField(int ButtonLight)
{
    using C = CalendarColor;
    if (!m_Enabled) {
        Gradient(*picDropDown, C::DisabledBackColor, 150);
        RaisedButton(*btnCombo, C::DisabledBackColor, 100, false, C::DisabledForeColor, C::DisabledBorderColor);
        return;
    }
    Gradient(*picDropDown, C::DropDnBackColor, 150);
    RaisedButton(*btnCombo, C::DropDnButtonBackColor, ButtonLight, false, C::DropDnButtonForeColor, C::DropDnButtonBorderColor);
}

void ZIzazeviviroPrivate::ApplyFieldColors(CalendarColor Border, CalendarColor Back, CalendarColor Fore)
{
    shpBorder->BorderColor(Color(Border));
    shpBorder->FillColor(Color(Back));
    txtXtext->BackColor(Color(Back));
    txtXtext->ForeColor(Color(Fore));
    PaintField(100);
}

void ZIzazeviviroPrivate::ApplyColors()
{
    using C = CalendarColor;
    if (!m_Enabled) {
        ApplyFieldColors(C::DisabledBorderColor, C::DisabledBackColor, C::DisabledForeColor);
        return;
    }
    q->setEnabled(true);
    ApplyFieldColors(C::DropDnBorderColor, C::DropDnBackColor, C::DropDnForeColor);

    shpCalendar->BorderColor(Color(C::CalendarBorderColor));
    shpCalendar->FillColor(Color(C::CalendarBackColor));
    Gradient(*picCalendar, C::CalendarBackColor, 170);

    shpMonth->BorderColor(Color(C::DropDnMonthBorderColor));
    txtMonth->ForeColor(Color(C::DropDnMonthForeColor));
    Gradient(*picMonth, C::DropDnMonthBackColor, 170);
    PaintSmallButton(*btnMonthDown, true);

    shpMonthNames->BorderColor(Color(C::MonthListBorderColor));
    Gradient(*picMonthList, C::MonthListBackColor, 170);
    picMonthList->ForeColor(Color(C::MonthListForeColor));
    for (Label* entry : lblMonth)
        TextColor(*entry, Color(C::MonthListForeColor), Color(C::MonthListSelectedForeColor));

    shpDays->BorderColor(Color(C::DaysBorderColor));
    Gradient(*picDayNames, C::DayNamesBackColor, 170);
    shpDayNamesBorder->BorderColor(Color(C::DayNamesBorderColor));
    shpDayNow->BorderColor(Color(C::CurrentDayBOrderColor));
    lblToday->ForeColor(Color(C::CalendarForeColor));

    shpYear->BorderColor(Color(C::SpinYearBorderColor));
    PaintSmallButton(*btnSpinUp, true);
    PaintSmallButton(*btnSpinDown, true);
    Gradient(*picYear, C::SpinYearBackColor, 170);
    txtSpin->ForeColor(Color(C::SpinYearForeColor));

    for (Label* name : lblDay) {
        name->ForeColor(Color(C::DayNamesForeColor));
        name->BackColor(Color(C::DayNamesBackColor));
    }
    for (Label* cell : lblNumbers)
        TextColor(*cell, Color(C::DaysForeColor), Color(C::DaySelectedForeColor));
    Gradient(*picDays, C::DaysBackColor, 60);
}

// The four small buttons of the panel and btnCombo after a press, each with its own colours.
void ZIzazeviviroPrivate::PaintSmallButton(PictureBox& Button, bool Raised)
{
    using C = CalendarColor;
    struct Look {
        PictureBox* Button;
        C Base, Arrow, Frame;
        bool UpArrow;
    };
    const Look looks[] = {
        { btnCombo, C::DropDnButtonBackColor, C::DropDnButtonForeColor, C::DropDnButtonBorderColor, false },
        { btnMonthDown, C::DropDnMonthButtonBackColor, C::DropDnMonthButtonForeColor, C::DropDnMonthButtonBorderColor, false },
        { btnSpinDown, C::SpinYearButtonBackColor, C::SpinYearButtonForeColor, C::SpinYearButtonBorderColor, false },
        { btnSpinUp, C::SpinYearButtonBackColor, C::SpinYearButtonForeColor, C::SpinYearButtonBorderColor, true },
    };
    for (const Look& look : looks) {
        if (look.Button == &Button)
            q->DrawButton(Button, Lightened(look.Base, 170), Color(look.Base), Raised, look.UpArrow, Color(look.Arrow), Color(look.Frame));
    }
}

} // namespace Tarvex
