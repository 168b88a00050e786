#include <tarvex/platform/SettingsStore.h>

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>

#include <memory>

namespace Tarvex {
namespace {

std::unique_ptr<QSettings> Store(const QString& AppName)
{
    const QString organisation = QCoreApplication::organizationName();
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       organisation.isEmpty() ? AppName : organisation, AppName);
}

QString Path(const QString& Section, const QString& Key)
{
    return Section + QLatin1Char('/') + Key;
}

} // namespace

void SaveSetting(const QString& AppName, const QString& Section, const QString& Key, const QString& Setting)
{
    Store(AppName)->setValue(Path(Section, Key), Setting);
}

QString GetSetting(const QString& AppName, const QString& Section, const QString& Key, const QString& Default)
{
    const QVariant value = Store(AppName)->value(Path(Section, Key));
    if (!value.isValid())
        return Default;
    // A value written by hand without quotes, such as 85,5, comes back from an INI file as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void DeleteSetting(const QString& AppName, const QString& Section, const QString& Key)
{
    Store(AppName)->remove(Key.isEmpty() ? Section : Path(Section, Key));
}

} // namespace Tarvex
