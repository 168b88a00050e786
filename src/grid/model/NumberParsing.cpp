#include "grid/model/NumberParsing.h"

#include <QLocale>

namespace Tarvex {

double rVal(const QString& Text)
{
    const QString s = Text.trimmed().toUpper();
    QString digits;
    for (const QChar c : s) {
        if (c.isDigit() || c == u',' || c == u'-' || c == u'.')
            digits += c;
        else if (c != u'$' && c != u' ' && c != u'/')
            break;
    }
    if (digits.isEmpty())
        return s == u"TRUE" ? -1.0 : 0.0;
    bool ok = false;
    double value = QLocale().toDouble(digits, &ok);
    if (ok && value != 0.0)
        return value;
    value = QLocale::c().toDouble(digits, &ok);
    return ok ? value : 0.0;
}

} // namespace Tarvex
