#pragma once

#include <QLocale>

// Switches the default locale for one test and restores it after, so tests stay independent.
class LocaleScope {
public:
    explicit LocaleScope(const char* Name) { QLocale::setDefault(QLocale(QString::fromLatin1(Name))); }
    ~LocaleScope() { QLocale::setDefault(m_Saved); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    QLocale m_Saved;
};
