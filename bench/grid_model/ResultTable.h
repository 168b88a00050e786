#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace GridBench {

// What one side's process wrote: "time.<op>", "check.<op>", "memory.<stage>", ...
using Results = QMap<QString, QString>;

extern const QStringList Sides;
extern const QStringList Operations;

// Prints the table, the ratios and the goals; false when the sides' keys or counts differ.
bool PrintTable(const QMap<QString, Results>& All, int Rows);

} // namespace GridBench
