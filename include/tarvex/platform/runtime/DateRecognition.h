#pragma once

#include <QString>

#include <optional>

namespace Tarvex {

// Days since 1899-12-30, with the time of day as the fraction. Unlike the classic serial, days
// before the epoch keep a positive fraction, so serials of all dates sort numerically.
double DateSerial(int Year, int Month, int Day, int Seconds = 0);

// Recognises the dates users type: the user's short date order (day.month.year in a German locale,
// month/day/year in a US one) with ".", "/" or "-" between the parts, ISO dates (year first, four
// digits), 1- or 2-digit days and months, 2-digit years (00-29 are 2000s, 30-99 1900s), and an
// optional time "h:mm[:ss]" with AM or PM. A day and month that only fit the other way round are
// taken the other way round, as users of either habit expect.
class DateReader {
public:
    // Reads the date order from the default locale once; build one per batch of texts.
    DateReader();

    std::optional<double> Serial(const QString& Text) const;

private:
    enum class Order { DayMonthYear, MonthDayYear, YearMonthDay };
    Order m_Order { Order::DayMonthYear }; // field order of the locale's short date form
};

// Convenience for single texts; it consults the default locale on every call.
std::optional<double> DateSerial(const QString& Text);
bool IsDate(const QString& Text);

} // namespace Tarvex
