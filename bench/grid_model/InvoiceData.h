#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <memory>
#include <vector>

class QApplication;

namespace GridBench {

// The archive list as the invoicing program fills it: one row per invoice.
enum Column { Invoice, Customer, City, Date, Net, Vat, Gross, Status, ColumnCount };

struct InvoiceRow {
    std::array<QString, ColumnCount> Cells; // as shown, in the German locale
    QString Joined;                         // the cells joined by TAB, as AddItem takes them
};

// The application every benchmark of the list runs in: offscreen unless a platform is named, and
// in German, as the invoicing program runs: "1.234,56" and "24.12.2026".
std::unique_ptr<QApplication> StartInvoiceApplication(int& Argc, char** Argv);

// Rows First..First+Count-1 of the deterministic data set; any chunk yields the same rows.
std::vector<InvoiceRow> GenerateRows(int First, int Count);

QString HeadingOf(int Column);
bool IsNumberColumn(int Column);

// The text a typed Qt model holds for a cell, and back; both sides then compare equal texts.
double ParseNumber(const QString& Text);
QDate ParseDate(const QString& Text);
QString CanonicalNumber(double Value);
// The cell text of a typed value, as the invoice list shows it.
QString ShownNumber(double Value);
QString ShownDate(QDate Value);
QString CanonicalDate(QDate Value);

} // namespace GridBench
