#pragma once

#include <QString>

namespace Tarvex {

// Sizes of the standard window parts, in pixels; the numbers are the platform's own.
enum class SystemMetrics { VScrollWidth = 2, BorderWidth = 5, HScrollHeight = 10 };
int SystemMetric(SystemMetrics Index);

// Kinds of locale information; the numbers are the platform's own.
namespace LocaleInfoType {
constexpr int LanguageName = 2;         // in the language itself
constexpr int CountryName = 6;          // in the language itself
constexpr int DecimalSeparator = 14;
constexpr int ThousandSeparator = 15;
constexpr int EnglishLanguageName = 4097;
constexpr int EnglishCountryName = 4098;
} // namespace LocaleInfoType

// Information of the user's default locale; "" for a kind not listed above.
QString LocaleInfo(int Type);

} // namespace Tarvex
