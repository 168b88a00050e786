#pragma once

#include <QString>

namespace GridBench {

// Runs every operation once on one contestant, in a fixed order, as Google Benchmark cases, and
// writes "name value" lines (times in seconds, memory in bytes per row, key fingerprints) to OutFile.
int RunSide(const QString& Side, int Rows, const QString& OutFile, int& Argc, char** Argv);

} // namespace GridBench
