#include "InvoiceData.h"

#include <QApplication>
#include <QLocale>
#include <QStringList>

#include <cmath>
#include <cstdint>

namespace GridBench {

namespace {

// SplitMix64: a well-mixed number per (row, field), independent of any library's distributions.
std::uint64_t Mix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::uint64_t Draw(int Row, int Field)
{
    return Mix(std::uint64_t(Row) * 16 + std::uint64_t(Field));
}

const QStringList& LastNames()
{
    static const QStringList names = QString::fromUtf8(
        "Müller Schmidt Schneider Fischer Weber Meyer Wagner Becker Schulz Hoffmann Schäfer Koch Bauer "
        "Richter Klein Wolf Schröder Neumann Schwarz Zimmermann Braun Krüger Hofmann Hartmann Lange "
        "Schmitt Werner Schmitz Krause Meier Lehmann Schmid Schulze Maier Köhler Herrmann König Walter "
        "Mayer Huber Kaiser Fuchs Peters Lang Scholz Möller Weiß Jung Hahn Schubert Vogel Friedrich "
        "Keller Günther Frank Berger Winkler Roth Beck Lorenz Baumann Franke Albrecht Schuster Simon "
        "Ludwig Böhm Winter Kraus Martin Schumacher Krämer Vogt Stein Jäger Otto Sommer Groß Seidel "
        "Heinrich Brandt Haas Schreiber Graf Schulte Dietrich Ziegler Kuhn Kühn Pohl Engel Horn Busch "
        "Bergmann Thomas Voigt Sauer Arnold Wolff Pfeiffer").split(QLatin1Char(' '));
    return names;
}

const QStringList& Trades()
{
    static const QStringList trades = QString::fromUtf8(
        "Bau Holz Elektro Sanitär Dach Maler Metall Garten Fliesen Glas Druck Reinigung Transport Kälte "
        "Heizung Fenster Boden Stahl Beton Möbel").split(QLatin1Char(' '));
    return trades;
}

const QStringList& LegalForms()
{
    static const QStringList forms { "GmbH", "KG", "OHG", "AG", "e.K.", "GmbH & Co. KG", "GbR", "UG", "eG", "Partner" };
    return forms;
}

const QStringList& Cities()
{
    static const QStringList cities = QString::fromUtf8(
        "Berlin Hamburg München Köln Frankfurt Stuttgart Düsseldorf Leipzig Dortmund Essen Bremen Dresden "
        "Hannover Nürnberg Duisburg Bochum Wuppertal Bielefeld Bonn Münster Mannheim Karlsruhe Augsburg "
        "Wiesbaden Mönchengladbach Gelsenkirchen Aachen Braunschweig Kiel Chemnitz Halle Magdeburg Freiburg "
        "Krefeld Mainz Lübeck Erfurt Oberhausen Rostock Kassel Hagen Potsdam Saarbrücken Hamm Ludwigshafen "
        "Oldenburg Mülheim Osnabrück Leverkusen Darmstadt Heidelberg Solingen Herne Neuss Regensburg "
        "Paderborn Ingolstadt Offenbach Würzburg Fürth Ulm Heilbronn Pforzheim Wolfsburg Göttingen "
        "Bottrop Reutlingen Koblenz Bremerhaven Recklinghausen Erlangen Bergisch-Gladbach Trier Jena").split(QLatin1Char(' '));
    return cities;
}

const QStringList& States()
{
    static const QStringList states { "offen", "bezahlt", "storniert" };
    return states;
}

const QLocale& German()
{
    static const QLocale locale(QLocale::German, QLocale::Germany);
    return locale;
}

QString Money(std::int64_t Cents)
{
    return ShownNumber(double(Cents) / 100.0);
}

} // namespace

std::unique_ptr<QApplication> StartInvoiceApplication(int& Argc, char** Argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = std::make_unique<QApplication>(Argc, Argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    return app;
}

std::vector<InvoiceRow> GenerateRows(int First, int Count)
{
    static const QDate firstDay(2015, 1, 1);
    std::vector<InvoiceRow> rows(size_t(std::max(Count, 0)));
    for (int k = 0; k < Count; ++k) {
        const int i = First + k;
        auto& cells = rows[size_t(k)].Cells;
        cells[Invoice] = QStringLiteral("RE-%1").arg(i + 1, 7, 10, QLatin1Char('0'));
        // 20,000 customers: a family name, a trade and a legal form.
        const std::uint64_t c = Draw(i, Customer) % 20000;
        cells[Customer] = LastNames()[int(c % 100)] + QLatin1Char(' ') + Trades()[int(c / 100 % 20)]
            + QLatin1Char(' ') + LegalForms()[int(c / 2000)];
        cells[City] = Cities()[int(Draw(i, City) % std::uint64_t(Cities().size()))];
        cells[Date] = ShownDate(firstDay.addDays(qint64(Draw(i, Date) % 4300)));
        const std::int64_t net = std::int64_t(Draw(i, Net) % 10000000);
        const std::int64_t vat = (net * 19 + 50) / 100;
        cells[Net] = Money(net);
        cells[Vat] = Money(vat);
        cells[Gross] = Money(net + vat);
        cells[Status] = States()[int(Draw(i, Status) % 3)];
        rows[size_t(k)].Joined = QStringList(cells.begin(), cells.end()).join(QLatin1Char('\t'));
    }
    return rows;
}

QString HeadingOf(int Column)
{
    static const char* headings[] = { "Rechnung", "Kunde", "Ort", "Datum", "Netto", "MwSt", "Brutto", "Status" };
    return QString::fromLatin1(headings[Column]);
}

bool IsNumberColumn(int Column)
{
    return Column == Net || Column == Vat || Column == Gross;
}

double ParseNumber(const QString& Text)
{
    return German().toDouble(Text);
}

QDate ParseDate(const QString& Text)
{
    return QDate::fromString(Text, QStringLiteral("dd.MM.yyyy"));
}

QString ShownNumber(double Value)
{
    return German().toString(Value, 'f', 2);
}

QString ShownDate(QDate Value)
{
    return Value.toString(QStringLiteral("dd.MM.yyyy"));
}

QString CanonicalNumber(double Value)
{
    return QString::number(Value, 'f', 2);
}

QString CanonicalDate(QDate Value)
{
    return Value.toString(Qt::ISODate);
}

} // namespace GridBench
