#pragma once

#include <QString>

namespace GridBench {

// Runs every operation once on one contestant, in a fixed order, as Google Benchmark cases, and
// writes "name value" lines to OutFile: begin.<op> (ms since start), time.<op> (seconds),
// check.<op> (key fingerprint or count) and memory.<stage> (bytes per row).
int RunSide(const QString& Side, int Rows, const QString& OutFile, int& Argc, char** Argv);

} // namespace GridBench
