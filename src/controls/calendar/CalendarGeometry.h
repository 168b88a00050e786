#pragma once

// Positions and sizes of the date field's constituents, in twips of their containers.
namespace Tarvex::CalendarGeometry {

// The closed field.
constexpr double FieldWidth = 1365;
constexpr double FieldHeight = 270;
constexpr double ButtonWidth = 270;      // btnCombo, as high as the field
constexpr double TextLeft = 90;          // txtXtext
constexpr double FieldTextHeight = 195;
constexpr double TextGap = 45;           // between the text's right end and the button, with TextLeft
constexpr double PanelOverlap = 15;      // the panel's top row lies on the field's bottom row

// The panel.
constexpr double PanelWidth = 2730;
constexpr double PanelHeight = 2895;
constexpr double PlacedPanelHeight = 2890; // right after a first placement
constexpr double OpenExtra = 30;         // below the panel's frame when the control is open
constexpr double StripLeft = 90;         // picMonth, picMonthList, picDayNames, picDays
constexpr double StripTop = 105;         // picMonth and picYear
constexpr double MonthStripWidth = 1335;
constexpr double MonthStripHeight = 285;
constexpr double SmallButtonWidth = 240; // btnMonthDown, btnSpinUp, btnSpinDown
constexpr double YearLeft = 1785;
constexpr double YearWidth = 855;
constexpr double MonthListTop = 375;
constexpr double MonthListHeight = 2500;
constexpr double MonthEntryTop = 60;
constexpr double MonthEntryPitch = 200;
constexpr double MonthEntryHeight = 195;
constexpr double DayNamesTop = 480;
constexpr double DayNamesHeight = 300;
constexpr double DaysTop = 840;
constexpr double DaysWidth = 2545;
constexpr double DaysHeight = 1545;
constexpr double CaptionLeft = 60;       // txtMonth and txtSpin in their strips
constexpr double CaptionTop = 30;
constexpr double CaptionHeight = 240;

// The day grid: cell i in column i mod 7, row i div 7.
constexpr double CellLeft = 60;
constexpr double CellTop = 45;
constexpr double CellPitchX = 360;
constexpr double CellPitchY = 240;
constexpr double CellSize = 255;
constexpr double DayNameLeft = 120;      // lblDay(i) at DayNameLeft + CellPitchX * i
constexpr double DayNameTop = 60;
constexpr double DayNowWidth = 315;      // shpDayNow, around today's cell
constexpr double DayNowHeight = 240;
constexpr double DayNowOffsetX = 30;
constexpr double DayNowOffsetY = 15;

constexpr double TodayLeft = 120;        // lblToday
constexpr double TodayTop = 2500;
constexpr double TodayWidth = 2535;
constexpr double TodayHeight = 255;

} // namespace Tarvex::CalendarGeometry
