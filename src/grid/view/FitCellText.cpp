#include "grid/view/DrawingHelpers.h"

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

} // namespace

QString FitCellText(const QString& Text, double Width, qint16 MaxLines,
                    const std::function<double(const QString&)>& TextWidth)
{
    const bool limited = MaxLines != -1;
    const QString source = TrimBlanks(Text).replace(CrLf, QStringLiteral(" "));
    QString line;
    QString result;
    qsizetype breakAt = 0;
    int count = 0;
    for (const QChar ch : source) {
        line += ch;
        if (BreaksAfter(ch))
            breakAt = line.size();
        if (TextWidth(line) >= Width && breakAt != 0) {
            result += (result.isEmpty() ? QString() : CrLf) + TrimBlanks(line.left(breakAt));
            line = TrimBlanks(line.mid(breakAt));
            breakAt = 0;
            if (limited)
                ++count;
        }
        if (limited && count == MaxLines)
            break;
    }
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

QString FitCellText(const QString& Text, double Width, qint16 MaxLines, const QFont& Font)
{
    return FitCellText(Text, Width, MaxLines, [&Font](const QString& Line) { return Canvas::TextWidth(Font, Line); });
}

} // namespace Tarvex
