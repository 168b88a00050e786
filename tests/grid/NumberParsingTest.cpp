#include "grid/model/NumberParsing.h"

#include "../platform/runtime/LocaleScope.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cmath>

using namespace Tarvex;

namespace {

// Texts and their values, read in order: a shape refused once in a locale stays refused there only.
TEST(NumberParsing, ReadsTextsTheWayTheUsersLocaleWritesThem)
{
    const struct {
        const char* locale;
        const char* text;
        double value;
    } cases[] {
        { "de_DE", "1.234,5", 1234.5 }, { "de_DE", "-1.234.567,89", -1234567.89 }, { "de_DE", "12,5 €", 12.5 },
        { "de_DE", "0.5", 0.5 }, { "de_DE", "1.5", 1.5 }, // not German: the second try reads a decimal point
        { "de_DE", "12abc", 12 }, { "de_DE", "EUR 12", 0 }, { "de_DE", "7\t8", 7 }, { "de_DE", "3€", 3 },
        { "de_DE", "&HFF", 255 }, { "de_DE", "&hff", 255 }, { "de_DE", "&O10", 8 }, { "de_DE", "&H", 0 },
        // Sixteen bits and more are signed machine words, as colours written as text are.
        { "de_DE", "&HFFFF", -1 }, { "de_DE", "&H10000", 65536 }, { "de_DE", "&HFFFFFFFFF", 0 },
        { "de_DE", "24.12.2026", 0 }, { "de_DE", "31.01.2025", 0 }, { "de_DE", "2.5", 2.5 },
        { "de_DE", "7.25", 7.25 }, { "de_DE", "1.000", 1000 },
        { "en_US", "1,234.5", 1234.5 }, { "en_US", "0.5", 0.5 }, { "en_US", "2.5", 2.5 },
        { "en_US", "1.234,5", 0 }, { "en_US", "24.12.2026", 0 }, // neither reading fits
        { "en_US", "$ 1 000", 1000 }, { "en_US", "£250", 250 }, { "en_US", "1/2", 12 }, { "en_US", "  42  ", 42 },
        { "en_US", "TRUE", -1 }, { "en_US", "true", -1 }, { "en_US", "False", 0 }, { "en_US", "", 0 },
        { "en_US", "   ", 0 }, { "en_US", "-", 0 }, { "en_US", "1-2", 0 },
    };
    for (const auto& c : cases) {
        LocaleScope locale(c.locale);
        EXPECT_EQ(c.value, rVal(QString::fromUtf8(c.text))) << c.locale << " '" << c.text << "'";
    }
    // Beyond the range of a double: the conversion fails and nothing is reached.
    EXPECT_EQ(0.0, rVal(QString(400, QLatin1Char('9'))));
}

// The scan and the two conversions written out plainly, to hold the quick reading of common
// texts against.
double PlainVal(const QString& Text)
{
    const QString s = Text.trimmed().toUpper();
    QString r;
    for (const QChar c : s) {
        if (c == u'$' || c.unicode() == 163 || c == u' ' || c == u'/')
            continue;
        if (!(c.isDigit() && c.unicode() < 128) && c != u',' && c != u'-' && c != u'.')
            break;
        r += c;
    }
    if (r.isEmpty())
        return s == QLatin1String("TRUE") ? -1 : 0;
    bool ok = false;
    const double first = QLocale().toDouble(r, &ok);
    if (ok && first != 0)
        return first;
    r.replace(QLatin1Char('.'), QLatin1Char(','));
    const double second = QLocale().toDouble(r, &ok);
    return ok ? second : 0;
}

// Random runs of number characters, and numbers as the locale formats them.
TEST(NumberParsing, AgreesWithThePlainReadingOnRandomAndFormattedTexts)
{
    for (const char* name : { "de_DE", "en_US", "fr_FR", "de_CH" }) {
        LocaleScope locale(name);
        QRandomGenerator random(7);
        const QString alphabet = QString::fromUtf8("0123456789000.,-$ /x");
        for (int i = 0; i < 20000; ++i) {
            QString text;
            for (int k = random.bounded(1, 12); k > 0; --k)
                text += alphabet[random.bounded(alphabet.size())];
            ASSERT_EQ(PlainVal(text), rVal(text)) << name << " '" << text.toStdString() << "'";

            const double value = (random.generateDouble() - 0.3) * std::pow(10.0, random.bounded(0, 12));
            text = QLocale().toString(value, 'f', random.bounded(0, 4));
            if (random.bounded(3) == 0)
                text.remove(QLocale().groupSeparator());
            if (random.bounded(5) == 0)
                text.prepend(QStringLiteral("$ "));
            ASSERT_EQ(PlainVal(text), rVal(text)) << name << " '" << text.toStdString() << "'";
        }
    }
}

} // namespace
