#pragma once

#include <QString>

namespace Tarvex {

// The per-user settings store: text values under an application, a section and a key. It lives in
// an INI file of the user's configuration folder named for the application (inside a folder named
// for the organisation when the application has one), so QSettings::setPath(QSettings::IniFormat,
// QSettings::UserScope, ...) moves it, as tests do.

void SaveSetting(const QString& AppName, const QString& Section, const QString& Key, const QString& Setting);
// The stored text, or Default when the key is not stored.
QString GetSetting(const QString& AppName, const QString& Section, const QString& Key, const QString& Default = QString());
// Forgets one key, or the whole section when Key is empty.
void DeleteSetting(const QString& AppName, const QString& Section, const QString& Key = QString());

} // namespace Tarvex
