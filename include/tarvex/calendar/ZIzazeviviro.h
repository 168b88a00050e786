#pragma once

#include <tarvex/platform/OleColor.h>
#include <tarvex/platform/UserControl.h>

#include <memory>

namespace Tarvex {

class PictureBox;
class ZIzazeviviroPrivate;

// A date field: one line of date text with a drop-down button that opens a month calendar (day
// grid, month list, year spin) by growing the control itself, downwards. A day click writes the
// date as dd.mm.yyyy (DateFormat 0) or mm.dd.yyyy (any other DateFormat) and raises Change.
//
// Roads through the control:
//   btnCombo_Click -> open: picCalendar shown, control grown -> Resize
//   lblNumbers_Click -> day highlighted -> Text -> Change
//   lblMonth_Click -> txtMonth -> FillCalendar; Text with "\" -> Change; lblNumbers_Click of the old day
//   btnSpinUp/Down press -> tmrUp/Down every 250 ms -> YearStep -> txtSpin -> FillCalendar
//   property writes -> PropertyChanged, then ApplyColors / ApplyLanguage / FillCalendar, as each
//   property's comment below says
//
// The computed properties (SelectedDay ... SelectedFullDate) cut the field text at fixed
// positions, whatever it holds; writing them only sends the notification.
//
// The constituents are children under their own names; the state and the handlers behind them
// live in ZIzazeviviroPrivate, by topic: ZIzazeviviro.cpp the properties and their storage,
// CalendarLayout.cpp the constituents and the field's geometry, CalendarDays.cpp the names and the
// day grid, CalendarPanel.cpp the panel's handlers, CalendarPainting.cpp the faces.
class ZIzazeviviro : public UserControl {
    Q_OBJECT
public:
    static inline const QString ControlType = QStringLiteral("Tarvex.ZIzazeviviro");
    static constexpr int DefaultLanguage = 0;
    static constexpr int DefaultStyle = 1;
    static constexpr int DefaultDateFormat = 0;
    static constexpr int DefaultFirstWeekDay = 1;
    static constexpr int RepeatInterval = 250; // milliseconds between auto-repeated year steps
    static constexpr int LowestYear = 1951;    // the year spin goes no lower
    static constexpr int HighestYear = 9999;   // nor higher: the text holds four year digits

    explicit ZIzazeviviro(QWidget* Parent = nullptr);
    ~ZIzazeviviro() override;

    QString Text() const;
    void Text(const QString& New_Text);
    QString SelectedDay() const;
    void SelectedDay(const QString& New_SelectedDay);
    QString SelectedDateShort() const;
    void SelectedDateShort(const QString& New_SelectedDateShort);
    QString SelectedDayName() const;
    void SelectedDayName(const QString& New_SelectedDayName);
    QString SelectedMonth() const;
    void SelectedMonth(const QString& New_SelectedMonth);
    // "" for a month outside 01..12.
    QString SelectedMonthName() const;
    void SelectedMonthName(const QString& New_SelectedMonthName);
    QString SelectedYear() const;
    void SelectedYear(const QString& New_SelectedYear);
    QString SelectedYearShort() const;
    void SelectedYearShort(const QString& New_SelectedYearShort);
    QString SelectedFullDate() const;
    void SelectedFullDate(const QString& New_SelectedFullDate);
    // Only a date whose month part is at most 12 is taken; any other text is refused with a
    // message box. Used once, when a saved field is loaded.
    QString StartDate() const;
    void StartDate(const QString& New_StartDate);

    // The colour properties, each a pair of accessors over one of the 38 colour fields.
#define TARVEX_CALENDAR_COLOR(Name) \
    OleColor Name() const; \
    void Name(OleColor New_##Name);
    // These nine only store and notify: they show at the next repaint or day highlight.
    TARVEX_CALENDAR_COLOR(CurrentDayBOrderColor)
    TARVEX_CALENDAR_COLOR(CalendarBorderColor)
    TARVEX_CALENDAR_COLOR(DaysForeColor)
    TARVEX_CALENDAR_COLOR(DaysBackColor)
    TARVEX_CALENDAR_COLOR(DaysBorderColor)
    TARVEX_CALENDAR_COLOR(DayNamesForeColor)
    TARVEX_CALENDAR_COLOR(DayNamesBackColor)
    TARVEX_CALENDAR_COLOR(DaySelectedBackColor)
    TARVEX_CALENDAR_COLOR(DaySelectedForeColor)
    // 0 English, 1 Dutch, 2 French, 3 German, 4 Italian, 5 Spanish; any other value keeps the
    // names shown before. The calendar stays on the month it shows, named as the month list names it.
    int Language() const;
    void Language(int New_Language);
    // The colours from here on repaint the constituents when written.
    TARVEX_CALENDAR_COLOR(DayNamesBorderColor)
    TARVEX_CALENDAR_COLOR(DropDnButtonBackColor)
    TARVEX_CALENDAR_COLOR(DropDnButtonBorderColor)
    TARVEX_CALENDAR_COLOR(CalendarBackColor)
    TARVEX_CALENDAR_COLOR(DropDnForeColor)
    TARVEX_CALENDAR_COLOR(DropDnBackColor)
    TARVEX_CALENDAR_COLOR(DropDnButtonForeColor)
    TARVEX_CALENDAR_COLOR(CalendarForeColor)
    TARVEX_CALENDAR_COLOR(DropDnBorderColor)
    TARVEX_CALENDAR_COLOR(DropDnMonthForeColor)
    TARVEX_CALENDAR_COLOR(DropDnMonthBackColor)
    TARVEX_CALENDAR_COLOR(DropDnMonthBorderColor)
    TARVEX_CALENDAR_COLOR(DropDnMonthButtonBackColor)
    TARVEX_CALENDAR_COLOR(DropDnMonthButtonForeColor)
    TARVEX_CALENDAR_COLOR(DropDnMonthButtonBorderColor)
    TARVEX_CALENDAR_COLOR(SpinYearForeColor)
    TARVEX_CALENDAR_COLOR(SpinYearBackColor)
    TARVEX_CALENDAR_COLOR(SpinYearBorderColor)
    TARVEX_CALENDAR_COLOR(SpinYearButtonBackColor)
    TARVEX_CALENDAR_COLOR(SpinYearButtonForeColor)
    TARVEX_CALENDAR_COLOR(SpinYearButtonBorderColor)
    TARVEX_CALENDAR_COLOR(MonthListBackColor)
    TARVEX_CALENDAR_COLOR(MonthListForeColor)
    TARVEX_CALENDAR_COLOR(MonthListSelectedBackColor)
    TARVEX_CALENDAR_COLOR(MonthListSelectedForeColor)
    TARVEX_CALENDAR_COLOR(MonthListBorderColor)
    // 0 paints every face flat, any other value with gradients.
    int Style() const;
    void Style(int New_Style);
    bool Enabled() const;
    void Enabled(bool New_Enabled);
    TARVEX_CALENDAR_COLOR(DisabledBackColor)
    TARVEX_CALENDAR_COLOR(DisabledForeColor)
    TARVEX_CALENDAR_COLOR(DisabledBorderColor)
#undef TARVEX_CALENDAR_COLOR
    // 0 day first (dd.mm.yyyy), any other value month first (mm.dd.yyyy).
    int DateFormat() const;
    void DateFormat(int New_DateFormat);
    // Weekday of the first calendar column, 1 Sunday .. 7 Saturday. Kept as written; the day grid
    // and its header take a value outside that range as the nearest end of it.
    int FirstWeekDay() const;
    void FirstWeekDay(int New_FirstWeekDay);

    void InitProperties() override;
    void ReadProperties(PropertyBag& PropBag) override;
    void WriteProperties(PropertyBag& PropBag) override;

    // Painting procedures of the faces; public as the control has always had them.
    // LightenColor moves a colour toward white by Amount (0 unchanged, 255 white, negative darker).
    static void LightenColor(OleColor Color, int Amount, OleColor& Result);
    void InitializeCol(PictureBox& Picture, OleColor Color1, OleColor Color2, bool ClearPicture);
    void DrawPicBack(PictureBox& Picture, OleColor LightColor, OleColor BaseColor, OleColor TextColor);
    void DrawButton(PictureBox& Picture, OleColor LightColor, OleColor BaseColor, bool Raised, bool UpArrow,
        OleColor ArrowColor, OleColor FrameColor);

    QSize sizeHint() const override;

signals:
    // Every change of the field text, whoever made it.
    void Change();

protected:
    void Resize() override;

private:
    friend class ZIzazeviviroPrivate;
    std::unique_ptr<ZIzazeviviroPrivate> d; // the state and the handlers behind the public face; never null
};

} // namespace Tarvex
