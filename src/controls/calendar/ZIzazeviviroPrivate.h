#pragma once

#include "controls/calendar/CalendarColors.h"
#include "controls/calendar/CalendarLanguage.h"

#include <tarvex/calendar/ZIzazeviviro.h>
#include <tarvex/platform/DoEvents.h>

#include <QString>

#include <array>

namespace Tarvex {

class Label;
class Shape;
class Timer;

// What the host's property bag keeps; a default record is a field as a host first places it.
struct CalendarSettings {
    std::array<OleColor, CalendarColorCount> m_Colors { DefaultCalendarColors() }; // by CalendarColor
    bool m_Enabled { true };                                   // the Enabled property; the widget's own state follows it
    int m_Language { ZIzazeviviro::DefaultLanguage };          // column of the name tables, stored as written
    QString m_StartDate;                                       // "" = today at load
    int m_Style { ZIzazeviviro::DefaultStyle };                // 0 flat faces, else gradients
    int m_DateFormat { ZIzazeviviro::DefaultDateFormat };      // 0 day first, else month first
    int m_FirstWeekDay { ZIzazeviviro::DefaultFirstWeekDay };  // weekday of grid column 0, 1 Sunday .. 7 Saturday; as written
};

// The documented constituents, children of the control made by BuildConstituents.
struct CalendarConstituents {
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
};

// What the panel shows, and where the text holds its day and month.
struct CalendarShownState {
    int m_ShownMonth { 1 };               // 1..12, set from the text at load, by a month choice and by txtMonth
    int m_TodayCell { 0 };                // 0..41, kept while the shown month holds no today
    int m_SelectedCell { 0 };             // 0..41, 0 until a day is clicked
    int m_SelectedMonthEntry { 0 };       // index of the last clicked lblMonth
    int m_DayPosition { 1 };              // 1-based position of the day digits in the text; set by SetDatePositions
    int m_MonthPosition { 4 };            // and of the month digits
};

// The names the field shows, in every language.
struct CalendarNameTables {
    WeekdayTable m_Weekdays {};           // column to name-table weekday, by first weekday; set by BuildWeekdayTable
    CalendarNames m_Names;                // the names of every language, rotated for the current one
};

// What InitializeCol prepares for a gradient: the top colour's channels and how much each channel
// changes from one pixel row to the next.
struct GradientSteps {
    int R1 { 0 };                         // red of the top row
    int G1 { 0 };
    int B1 { 0 };
    float StepR { 0 };                    // per row, toward the bottom colour
    float StepG { 0 };
    float StepB { 0 };
};

struct CalendarPaintState {
    GradientSteps m_Gradient;             // set by InitializeCol for the painting loops
};

// Guards against a host's handlers and the control's own resizing calling back in.
struct CalendarReentryState {
    bool m_Resizing { false };            // Resize grows the open control, which resizes again
    NoticesUnderWay m_Notifying;          // properties whose PropertyChanged is being sent
    bool m_RaisingChange { false };       // Change is being raised; a text written meanwhile raises none
};

// The insides of a date field. The records are bases so that every field keeps its own name in
// the helpers below; each helper is defined in the file of its topic, as the public members are.
class ZIzazeviviroPrivate : public CalendarSettings,
                            public CalendarConstituents,
                            public CalendarShownState,
                            public CalendarNameTables,
                            public CalendarPaintState,
                            public CalendarReentryState {
public:
    explicit ZIzazeviviroPrivate(ZIzazeviviro* Owner) : q(Owner) { }
    ZIzazeviviroPrivate(const ZIzazeviviroPrivate&) = delete;
    ZIzazeviviroPrivate& operator=(const ZIzazeviviroPrivate&) = delete;

    ZIzazeviviro* const q; // the public object: its signals, its geometry, its public members

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
};

} // namespace Tarvex
