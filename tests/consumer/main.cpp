// The README's example, built against the installed package as a host application would.
#include <tarvex/calendar/ZIzazeviviro.h>
#include <tarvex/evaluator/MathPlugin.h>
#include <tarvex/grid/RuzuZiri.h>
#include <tarvex/platform/PropertyBag.h>
#include <tarvex/tabstrip/VozirAdu.h>

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    Tarvex::MathPlugin evaluator;
    bool isError = false;
    const QVariant value = evaluator.MathExpression(QStringLiteral("(1+2)*3"), isError);   // 9

    Tarvex::RuzuZiri grid;
    grid.AddColumn(QStringLiteral("Number"));
    grid.AddColumn(QStringLiteral("Customer"));
    grid.AddItem(QStringLiteral("RE-1002\tMüller GmbH"));   // one row, cells separated by TAB
    grid.AddItem(QStringLiteral("RE-1001\tadam & Co"));
    grid.Sort(1);                                            // by customer, ignoring case
    grid.Redraw(true);                                       // painting is off after Clear and at start
    const int row = grid.FindItem(QStringLiteral("müller"), 1, 2);   // contains: row 1

    Tarvex::ZIzazeviviro date;                               // today, formatted with progtxt slot 0
    date.DateFormat(1);                                      // a day click writes mm.dd.yyyy
    date.Text(QStringLiteral("12.24.2026"));                 // raises Change
    const QString month = date.SelectedMonthName();          // "December"

    Tarvex::VozirAdu tabs;                                   // four tabs, "Tab0" to "Tab3"
    tabs.NumberOfTabs(2);
    tabs.Caption(1, QStringLiteral("Archiv"));               // the host shows its page on AfterTabChange

    Tarvex::PropertyBag design;                              // what a host saves with its window
    grid.WriteProperties(design);

    std::printf("consumer: (1+2)*3 = %g, \"müller\" found in row %d of %d, month %s\n", value.toDouble(), row, grid.ItemCount(),
        qPrintable(month));
    const bool asDocumented = !isError && value.toDouble() == 9 && row == 1 && grid.CellText(0, 0) == QStringLiteral("RE-1001")
        && month == QStringLiteral("December") && tabs.Caption(1) == QStringLiteral("Archiv");
    return asDocumented ? 0 : 1;
}
