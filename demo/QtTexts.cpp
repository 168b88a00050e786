#include "QtTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Tarvex::Demo {

QtTexts::QtTexts() = default;

QtTexts::~QtTexts()
{
    if (m_Translator)
        QCoreApplication::removeTranslator(m_Translator.get());
}

bool QtTexts::Follow(const QString& Language)
{
    if (m_Translator) {
        QCoreApplication::removeTranslator(m_Translator.get());
        m_Translator.reset();
    }
    const QLocale locale(Language);
    if (locale.language() == QLocale::English)
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    m_Translator = std::move(translator);
    return true;
}

} // namespace Tarvex::Demo
