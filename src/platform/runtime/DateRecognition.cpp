#include <tarvex/platform/runtime/DateRecognition.h>

#include <QDate>
#include <QLocale>

namespace Tarvex {

namespace {

constexpr int SecondsPerDay = 86400;

// A cursor over the text that reads the few shapes a date or time consists of.
struct Scanner {
    const QChar* Pos;
    const QChar* End;

    bool AtEnd() const { return Pos == End; }
    bool Peek(char16_t c) const { return Pos != End && Pos->unicode() == c; }

    // Reads 1..MaxDigits ASCII digits; Digits = how many were read (0 = none).
    int Number(int MaxDigits, int& Digits)
    {
        int value = 0;
        Digits = 0;
        while (Pos != End && Digits < MaxDigits && Pos->unicode() >= '0' && Pos->unicode() <= '9') {
            value = value * 10 + (Pos->unicode() - '0');
            ++Pos;
            ++Digits;
        }
        return value;
    }

    bool Spaces()
    {
        const QChar* start = Pos;
        while (Pos != End && Pos->isSpace())
            ++Pos;
        return Pos != start;
    }

    bool Word(const char* Upper)
    {
        const QChar* p = Pos;
        for (; *Upper; ++Upper, ++p) {
            if (p == End || p->toUpper().unicode() != char16_t(*Upper))
                return false;
        }
        Pos = p;
        return true;
    }
};

struct Fields {
    int Values[3] {};
    int Digits[3] {};
};

std::optional<Fields> ReadDateFields(Scanner& In)
{
    Fields f;
    char16_t separator = 0;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (In.AtEnd())
                return std::nullopt;
            const char16_t c = In.Pos->unicode();
            if (c != '.' && c != '/' && c != '-')
                return std::nullopt;
            if (separator != 0 && c != separator)
                return std::nullopt;
            separator = c;
            ++In.Pos;
        }
        f.Values[i] = In.Number(4, f.Digits[i]);
        if (f.Digits[i] == 0)
            return std::nullopt;
    }
    return f;
}

// Seconds since midnight, or nothing when the rest of the text is not a time.
std::optional<int> ReadTime(Scanner& In)
{
    int digits = 0;
    int hour = In.Number(2, digits);
    if (digits == 0 || !In.Peek(':'))
        return std::nullopt;
    ++In.Pos;
    const int minute = In.Number(2, digits);
    if (digits != 2 || minute > 59)
        return std::nullopt;
    int second = 0;
    if (In.Peek(':')) {
        ++In.Pos;
        second = In.Number(2, digits);
        if (digits != 2 || second > 59)
            return std::nullopt;
    }
    In.Spaces();
    const bool pm = In.Word("PM");
    const bool am = !pm && In.Word("AM");
    if (am || pm) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    if (hour > 23)
        return std::nullopt;
    return hour * 3600 + minute * 60 + second;
}

int WindowedYear(int Year, int Digits)
{
    if (Digits > 2)
        return Year;
    return Year < 30 ? 2000 + Year : 1900 + Year;
}

std::optional<QDate> MakeDate(int Year, int YearDigits, int Month, int MonthDigits, int Day, int DayDigits)
{
    if (MonthDigits > 2 || DayDigits > 2 || (YearDigits == 3 && Year < 100))
        return std::nullopt;
    const QDate date(WindowedYear(Year, YearDigits), Month, Day);
    if (!date.isValid() || date.year() < 100)
        return std::nullopt;
    return date;
}

} // namespace

double DateSerial(int Year, int Month, int Day, int Seconds)
{
    static const QDate epoch(1899, 12, 30);
    return double(epoch.daysTo(QDate(Year, Month, Day))) + double(Seconds) / SecondsPerDay;
}

DateReader::DateReader()
{
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    const qsizetype day = format.indexOf(QLatin1Char('d'));
    const qsizetype month = format.indexOf(QLatin1Char('M'));
    const qsizetype year = format.indexOf(QLatin1Char('y'));
    if (year >= 0 && year < month && year < day)
        m_Order = Order::YearMonthDay;
    else if (month >= 0 && day >= 0 && month < day)
        m_Order = Order::MonthDayYear;
}

std::optional<double> DateReader::Serial(const QString& Text) const
{
    Scanner in { Text.constData(), Text.constData() + Text.size() };
    in.Spaces();
    const auto f = ReadDateFields(in);
    if (!f)
        return std::nullopt;

    int seconds = 0;
    if (in.Peek('T'))
        ++in.Pos;
    else
        in.Spaces();
    if (!in.AtEnd()) {
        const auto time = ReadTime(in);
        in.Spaces();
        if (!time || !in.AtEnd())
            return std::nullopt;
        seconds = *time;
    }

    const auto& v = f->Values;
    const auto& d = f->Digits;
    std::optional<QDate> date;
    if (d[0] > 2 || m_Order == Order::YearMonthDay) {
        date = MakeDate(v[0], d[0], v[1], d[1], v[2], d[2]);
    } else {
        const bool dayFirst = m_Order == Order::DayMonthYear;
        date = dayFirst ? MakeDate(v[2], d[2], v[1], d[1], v[0], d[0]) : MakeDate(v[2], d[2], v[0], d[0], v[1], d[1]);
        if (!date)
            date = dayFirst ? MakeDate(v[2], d[2], v[0], d[0], v[1], d[1]) : MakeDate(v[2], d[2], v[1], d[1], v[0], d[0]);
    }
    if (!date)
        return std::nullopt;
    return DateSerial(date->year(), date->month(), date->day(), seconds);
}

std::optional<double> DateSerial(const QString& Text)
{
    return DateReader().Serial(Text);
}

bool IsDate(const QString& Text)
{
    return DateSerial(Text).has_value();
}

} // namespace Tarvex
