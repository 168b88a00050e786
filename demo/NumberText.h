#pragma once

#include <QString>

namespace Tarvex::Demo {

// The shortest text that reads back to the same double ("64", "2.5", "0.1").
QString ShortestNumberText(double value);

} // namespace Tarvex::Demo
