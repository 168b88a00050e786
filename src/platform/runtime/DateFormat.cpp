#include <tarvex/platform/runtime/DateFormat.h>

#include <QLocale>

#include <algorithm>

namespace Tarvex {
namespace {

// Weekday with Sunday as 1, as the patterns count them.
int SundayFirstWeekday(const QDate& Date) { return Date.dayOfWeek() % 7 + 1; }

int WeekOfYear(const QDate& Date)
{
    const int offset = SundayFirstWeekday(QDate(Date.year(), 1, 1)) - 1;
    return (Date.dayOfYear() - 1 + offset) / 7 + 1;
}

QString TwoDigits(int Value) { return QStringLiteral("%1").arg(Value, 2, 10, QLatin1Char('0')); }

// The locale's short date with a four-digit year, since a two-digit one is ambiguous.
QString ShortDate(const QDate& Date)
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return QLocale().toString(Date, format);
}

// The locale's time with seconds, without a time zone.
QString LongTime(const QTime& Time)
{
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("ss")))
        format.replace(QLatin1String("mm"), QLatin1String("mm:ss"));
    return QLocale().toString(Time, format);
}

QString GeneralForm(const QDateTime& Value)
{
    const QString date = ShortDate(Value.date());
    return Value.time() == QTime(0, 0) ? date : date + QLatin1Char(' ') + LongTime(Value.time());
}

QChar LocaleSeparator(QLocale::FormatType Type, bool Date)
{
    const QString format = Date ? QLocale().dateFormat(Type) : QLocale().timeFormat(Type);
    const auto separator = std::find_if(format.begin(), format.end(), [](QChar c) { return !c.isLetter(); });
    return separator != format.end() ? *separator : QChar(Date ? '/' : ':');
}

// The twelve-hour markers, longest first so that "AMPM" is not read as "AM" and "PM".
struct Marker {
    QLatin1String Text;
    bool SameCase;  // the morning and afternoon texts keep the pattern's case
};
constexpr Marker Markers[] = { { QLatin1String("AM/PM"), true }, { QLatin1String("A/P"), true }, { QLatin1String("AMPM"), false } };

class Formatter {
public:
    Formatter(const QDateTime& Value, const QString& Pattern)
        : m_Date(Value.date())
        , m_Time(Value.time())
        , m_Pattern(Pattern)
        , m_TwelveHours(HasMarker(Pattern))
    {
    }

    QString Run()
    {
        while (m_Pos < m_Pattern.size())
            Step();
        return m_Out;
    }

private:
    static bool HasMarker(const QString& Pattern)
    {
        return std::any_of(std::begin(Markers), std::end(Markers),
            [&Pattern](const Marker& m) { return Pattern.contains(m.Text, Qt::CaseInsensitive); });
    }

    int RunLength(QChar Letter) const
    {
        int n = 0;
        while (m_Pos + n < m_Pattern.size() && m_Pattern[m_Pos + n].toLower() == Letter)
            ++n;
        return n;
    }

    void Step()
    {
        const QChar c = m_Pattern[m_Pos];
        const QChar letter = c.toLower();
        if (letter == 'a' && TryMarker())
            return;
        const int run = RunLength(letter);
        const bool afterHour = m_AfterHour;
        m_AfterHour = false;
        if (letter == 'd')
            return Emit(DayCode(std::min(run, 6)), std::min(run, 6));
        if (letter == 'm')
            return Emit(MonthCode(std::min(run, 4), afterHour), std::min(run, afterHour ? 2 : 4));
        if (letter == 'y')
            return YearCode(run);
        if (letter == 'w')
            return Emit(QString::number(run >= 2 ? WeekOfYear(m_Date) : SundayFirstWeekday(m_Date)), std::min(run, 2));
        if (letter == 'q')
            return Emit(QString::number((m_Date.month() + 2) / 3), 1);
        if (letter == 'h') {
            m_AfterHour = true;
            return Emit(Padded(Hour(), run), std::min(run, 2));
        }
        if (letter == 'n' || letter == 's')
            return Emit(Padded(letter == 'n' ? m_Time.minute() : m_Time.second(), run), std::min(run, 2));
        if (letter == 't' && run >= 5)
            return Emit(LongTime(m_Time), 5);
        if (letter == 'c')
            return Emit(GeneralForm(QDateTime(m_Date, m_Time)), 1);
        m_AfterHour = afterHour;
        Literal(c);
    }

    void Literal(QChar c)
    {
        if (c == '\\') {
            if (m_Pos + 1 < m_Pattern.size())
                m_Out += m_Pattern[m_Pos + 1];
            m_Pos += 2;
            return;
        }
        if (c == '"') {
            const qsizetype close = m_Pattern.indexOf(QLatin1Char('"'), m_Pos + 1);
            const qsizetype end = close < 0 ? m_Pattern.size() : close;
            m_Out += m_Pattern.mid(m_Pos + 1, end - m_Pos - 1);
            m_Pos = end + 1;
            return;
        }
        if (c == '/')
            m_Out += LocaleSeparator(QLocale::ShortFormat, true);
        else if (c == ':')
            m_Out += LocaleSeparator(QLocale::ShortFormat, false);
        else
            m_Out += c;
        ++m_Pos;
    }

    bool TryMarker()
    {
        for (const Marker& marker : Markers) {
            const QString found = m_Pattern.mid(m_Pos, marker.Text.size());
            if (found.compare(marker.Text, Qt::CaseInsensitive) != 0)
                continue;
            const bool morning = m_Time.hour() < 12;
            if (marker.SameCase) {
                const qsizetype slash = found.indexOf(QLatin1Char('/'));
                m_Out += morning ? found.left(slash) : found.mid(slash + 1);
            } else {
                m_Out += morning ? QLocale().amText() : QLocale().pmText();
            }
            m_Pos += marker.Text.size();
            return true;
        }
        return false;
    }

    QString DayCode(int Run) const
    {
        switch (Run) {
        case 1:
            return QString::number(m_Date.day());
        case 2:
            return TwoDigits(m_Date.day());
        case 3:
            return QLocale().dayName(m_Date.dayOfWeek(), QLocale::ShortFormat);
        case 4:
            return QLocale().dayName(m_Date.dayOfWeek(), QLocale::LongFormat);
        case 5:
            return ShortDate(m_Date);
        default:
            return QLocale().toString(m_Date, QLocale::LongFormat);
        }
    }

    QString MonthCode(int Run, bool Minute) const
    {
        if (Minute)
            return Padded(m_Time.minute(), Run);
        switch (Run) {
        case 1:
            return QString::number(m_Date.month());
        case 2:
            return TwoDigits(m_Date.month());
        case 3:
            return QLocale().monthName(m_Date.month(), QLocale::ShortFormat);
        default:
            return QLocale().monthName(m_Date.month(), QLocale::LongFormat);
        }
    }

    void YearCode(int Run)
    {
        if (Run >= 4)
            return Emit(QStringLiteral("%1").arg(m_Date.year(), 4, 10, QLatin1Char('0')), 4);
        if (Run >= 2)
            return Emit(TwoDigits(m_Date.year() % 100), 2);
        Emit(QString::number(m_Date.dayOfYear()), 1);
    }

    int Hour() const
    {
        if (!m_TwelveHours)
            return m_Time.hour();
        const int hour = m_Time.hour() % 12;
        return hour == 0 ? 12 : hour;
    }

    static QString Padded(int Value, int Run) { return Run >= 2 ? TwoDigits(Value) : QString::number(Value); }

    void Emit(const QString& Text, int Consumed)
    {
        m_Out += Text;
        m_Pos += Consumed;
    }

    QDate m_Date;             // the date part of the value
    QTime m_Time;             // its time of day
    const QString& m_Pattern; // what is being read
    bool m_TwelveHours;       // a marker anywhere makes every hour 1..12
    qsizetype m_Pos { 0 };    // next character of the pattern
    bool m_AfterHour { false }; // the last code was an hour, so "m" means minutes
    QString m_Out;            // the text so far
};

} // namespace

QString FormatDateTime(const QDateTime& Value, const QString& Pattern)
{
    if (!Value.isValid())
        return QString();
    if (Pattern.isEmpty())
        return GeneralForm(Value);
    return Formatter(Value, Pattern).Run();
}

} // namespace Tarvex
