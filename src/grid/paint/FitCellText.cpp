#include "grid/paint/DrawingHelpers.h"

#include "platform/CanvasText.h"

#include <QFont>

namespace Tarvex {
namespace {

const QString CrLf = QStringLiteral("\r\n");

// Only blanks count, as the runtime's trimming does.
QString TrimBlanks(const QString& Text)
{
    qsizetype first = 0;
    qsizetype last = Text.size();
    while (first < last && Text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && Text[last - 1] == QLatin1Char(' '))
        --last;
    return Text.mid(first, last - first);
}

bool BreaksAfter(QChar Ch)
{
    const char16_t c = Ch.unicode();
    return !((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_');
}

// Where the line of the source from Start, growing a character at a time, first reaches the width:
// the index of the character that makes it so, looking only at ends from From on, or the source's
// length when none does.
using Reach = std::function<qsizetype(qsizetype Start, qsizetype From)>;

// The line being filled is always a run of the source: a line is broken after its last break
// character, and what it carries over holds none, so the next line starts right behind that one.
// It can be broken only once it holds a break character, so nothing before the first is measured,
// and the character at which it first reaches the width is found without measuring every one.
QString FitLines(const QString& Source, qint16 MaxLines, const Reach& ReachFrom)
{
    const bool limited = MaxLines != -1;
    const qsizetype length = Source.size();
    qsizetype start = 0; // where the line being filled starts
    qsizetype next = 0;  // the first character not yet on it
    QString result;
    int count = 0;
    while (next < length) {
        qsizetype breakable = next;
        while (breakable < length && !BreaksAfter(Source[breakable]))
            ++breakable;
        const qsizetype reached = breakable < length ? ReachFrom(start, breakable) : length;
        // A limit already met stops the filling after one character, unless that one breaks a line.
        if (limited && count == MaxLines && reached != next) {
            ++next;
            break;
        }
        if (reached == length) {
            next = length;
            break;
        }
        qsizetype breakAt = reached + 1;
        while (!BreaksAfter(Source[breakAt - 1]))
            --breakAt;
        result += (result.isEmpty() ? QString() : CrLf) + TrimBlanks(Source.mid(start, breakAt - start));
        start = breakAt;
        next = reached + 1;
        if (limited && ++count == MaxLines)
            break;
    }
    QString line = Source.mid(start, next - start);
    if (!limited) {
        if (result.isEmpty())
            return line;
        return line.isEmpty() ? result : result + CrLf + line;
    }
    if (count >= MaxLines) {
        if (!line.isEmpty())
            line[line.size() - 1] = QLatin1Char(' ');
        result += line;
        return TrimBlanks(result.left(std::max<qsizetype>(result.size() - 3, 0))) + QStringLiteral("...");
    }
    if (!result.isEmpty())
        return result + CrLf + TrimBlanks(line);
    return TrimBlanks(line);
}

QString Source(const QString& Text) { return TrimBlanks(Text).replace(CrLf, QStringLiteral(" ")); }

} // namespace

QString FitCellText(const QString& Text, double Width, qint16 MaxLines,
                    const std::function<double(const QString&)>& TextWidth)
{
    const QString source = Source(Text);
    return FitLines(source, MaxLines, [&](qsizetype Start, qsizetype From) {
        return FirstReaching(From, source.size(),
            [&](qsizetype End) { return TextWidth(source.mid(Start, End + 1 - Start)) >= Width; });
    });
}

QString FitCellText(const QString& Text, double Width, qint16 MaxLines, const QFont& Font)
{
    const QString source = Source(Text);
    return FitLines(source, MaxLines, [&](qsizetype Start, qsizetype From) {
        return FirstEndReaching(source, Start, From, Font, Width);
    });
}

} // namespace Tarvex
