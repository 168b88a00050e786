#include <tarvex/platform/SystemInfo.h>

#include <QApplication>
#include <QLocale>
#include <QStyle>

namespace Tarvex {

int SystemMetric(SystemMetrics Index)
{
    switch (Index) {
    case SystemMetrics::VScrollWidth:
    case SystemMetrics::HScrollHeight:
        return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    case SystemMetrics::BorderWidth:
        return 1;
    }
    return 0;
}

QString LocaleInfo(int Type)
{
    const QLocale locale = QLocale::system();
    switch (Type) {
    case LocaleInfoType::LanguageName: return locale.nativeLanguageName();
    case LocaleInfoType::CountryName: return locale.nativeTerritoryName();
    case LocaleInfoType::DecimalSeparator: return locale.decimalPoint();
    case LocaleInfoType::ThousandSeparator: return locale.groupSeparator();
    case LocaleInfoType::EnglishLanguageName: return QLocale::languageToString(locale.language());
    case LocaleInfoType::EnglishCountryName: return QLocale::territoryToString(locale.territory());
    default: return QString();
    }
}

} // namespace Tarvex
