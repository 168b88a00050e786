#pragma once

#include <QString>

namespace Tarvex {

// The grid's tolerant text-to-number reading: the number a cell text stands for, 0 when none.
double rVal(const QString& Text);

} // namespace Tarvex
