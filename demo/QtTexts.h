#pragma once

#include <QString>

#include <memory>

class QTranslator;

namespace Tarvex::Demo {

// Qt's own texts (a message box's standard buttons, a text box's context menu) in the language the
// demo's texts are in, from the translations installed with Qt. English, and a language Qt has no
// translation for, leave Qt's texts as they are written.
class QtTexts {
public:
    QtTexts();
    ~QtTexts();
    QtTexts(const QtTexts&) = delete;
    QtTexts& operator=(const QtTexts&) = delete;

    // Language is a locale name ("de", "en"); the translation of the language before is dropped.
    // False when Qt has no translation for a language other than English.
    bool Follow(const QString& Language);

private:
    std::unique_ptr<QTranslator> m_Translator; // installed in the application while it holds one
};

} // namespace Tarvex::Demo
