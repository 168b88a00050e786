#pragma once

#include "controls/calendar/CalendarColors.h"
#include "controls/calendar/CalendarLanguage.h"
#include "platform/DoEvents.h"
#include "platform/UserControl.h"

#include <array>

namespace Tarvex {

class Label;
class PictureBox;
class Shape;
class Timer;

// What InitializeCol prepares for a gradient: the top colour's channels and how much each channel
// changes from one pixel row to the next.
struct GradientSteps {
    int R1 { 0 };         // red of the top row
    int G1 { 0 };
    int B1 { 0 };
    float StepR { 0 };    // per row, toward the bottom colour
    float StepG { 0 };
    float StepB { 0 };
};

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
    OleColor Name() const { return Color(CalendarColor::Name); } \
    void Name(OleColor New_##Name) { Color(CalendarColor::Name, New_##Name); }
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
    // The 38 colour properties are these two, by colour.
    OleColor Color(CalendarColor Which) const;
    void Color(CalendarColor Which, OleColor New_Color);

    void BuildConstituents();
    void BuildPanel();
    void BuildMonthList();
    void BuildYearSpin();
    void BuildDayGrid();
    void ConnectHandlers();

    // Painting.
    void ApplyColors();
    void ApplyFieldColors(CalendarColor Border, CalendarColor Back, CalendarColor Fore);
    void PaintField(int ButtonLight);
    void PaintGradient(PictureBox& Picture);
    void PaintSmallButton(PictureBox& Button, bool Raised);
    void Gradient(PictureBox& Picture, CalendarColor Base, int Amount);
    void RaisedButton(PictureBox& Button, CalendarColor Base, int Amount, bool UpArrow, CalendarColor Arrow, CalendarColor Frame);
    OleColor Lightened(CalendarColor Which, int Amount) const;

    // Names and the day grid.
    void ApplyLanguage();
    void BuildWeekdayTable();
    void FillCalendar();
    QString MonthName(int Month) const;
    QString WeekdayName(int Column) const;
    int ShownMonthFromCaption() const;
    int GridFirstWeekDay() const;
    void ShowMonth();
    void ResetDayCells(bool Background);
    void HighlightDay(Label& Cell);
    void lblNumbers_Click(int Index);
    void lblNumbers_DblClick(int Index);

    // The text.
    static QString Today();
    // False when a Change handler deleted the field.
    bool ShowNewText(const QString& New_Text);
    void ShowMonthOfText();
    void HighlightDayOfText();
    void SetDatePositions();
    bool IsStartDate(const QString& Value) const;
    int DigitsAt(int Position) const;
    // False when a handler deleted the field.
    bool Notify(const char* PropertyName);

    // The panel.
    void txtXtext_Change();
    void btnCombo_Click();
    void btnMonthDown_Click();
    void ShowMonthList(bool Shown);
    void HighlightMonthEntry(int Index);
    void lblMonth_Click(int Index);
    void lblMonth_DblClick(int Index);
    void txtMonth_Change();
    void txtSpin_Change();
    void YearStep(int Delta);
    Timer* RepeatTimer(const PictureBox& Button) const;
    void SmallButton_MouseDown(PictureBox& Button);
    void SmallButton_MouseUp(PictureBox& Button);

    // The field.
    Label* txtXtext { nullptr };          // the date text
    PictureBox* btnCombo { nullptr };     // opens and closes the panel
    PictureBox* picDropDown { nullptr };  // background of the field
    Shape* shpBorder { nullptr };         // frame of the field
    // The panel.
    PictureBox* picCalendar { nullptr };  // hidden while closed
    Shape* shpCalendar { nullptr };
    PictureBox* picMonth { nullptr };
    Label* txtMonth { nullptr };          // the shown month's name
    PictureBox* btnMonthDown { nullptr }; // opens and closes the month list
    Shape* shpMonth { nullptr };
    PictureBox* picMonthList { nullptr }; // over the day grid while open
    std::array<Label*, 12> lblMonth {};   // January first
    Shape* shpMonthNames { nullptr };
    PictureBox* picYear { nullptr };
    Label* txtSpin { nullptr };           // the shown year
    PictureBox* btnSpinDown { nullptr };
    PictureBox* btnSpinUp { nullptr };
    Shape* shpYear { nullptr };
    PictureBox* picDayNames { nullptr };
    std::array<Label*, 7> lblDay {};      // initial of the weekday of each column
    Shape* shpDayNamesBorder { nullptr };
    PictureBox* picDays { nullptr };
    std::array<Label*, 42> lblNumbers {}; // cell i: column i mod 7, row i div 7
    Shape* shpDays { nullptr };
    Shape* shpDayNow { nullptr };         // frame around today's cell
    Label* lblToday { nullptr };
    Timer* tmrUp { nullptr };             // auto-repeat of btnSpinUp while pressed
    Timer* tmrDown { nullptr };           // auto-repeat of btnSpinDown while pressed

    std::array<OleColor, CalendarColorCount> m_Colors {}; // by CalendarColor; set from the defaults
    bool m_Enabled { true };              // the Enabled property; the widget's own state follows it
    int m_Language { DefaultLanguage };   // column of the name tables, stored as written
    QString m_StartDate;                  // "" = today at load
    int m_Style { DefaultStyle };         // 0 flat faces, else gradients
    int m_DateFormat { DefaultDateFormat }; // 0 day first, else month first
    int m_FirstWeekDay { DefaultFirstWeekDay }; // weekday of grid column 0, 1 Sunday .. 7 Saturday; as written

    int m_ShownMonth { 1 };               // 1..12, set from the text at load, by a month choice and by txtMonth
    int m_TodayCell { 0 };                // 0..41, kept while the shown month holds no today
    int m_SelectedCell { 0 };             // 0..41, 0 until a day is clicked
    int m_SelectedMonthEntry { 0 };       // index of the last clicked lblMonth
    int m_DayPosition { 1 };              // 1-based position of the day digits in the text
    int m_MonthPosition { 4 };            // and of the month digits
    WeekdayTable m_Weekdays {};           // column to name-table weekday, by first weekday
    CalendarNames m_Names;                // the names of every language, rotated for the current one
    GradientSteps m_Gradient;             // set by InitializeCol for the painting loops
    bool m_Resizing { false };            // Resize grows the open control, which resizes again
    NoticesUnderWay m_Notifying;          // properties whose PropertyChanged is being sent
    bool m_RaisingChange { false };       // Change is being raised; a text written meanwhile raises none
};

} // namespace Tarvex
