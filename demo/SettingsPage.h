#pragma once

#include <QWidget>

class QButtonGroup;
class QGroupBox;

namespace Tarvex::Demo {

// The settings page: the user picks the language of the texts among the language files of a folder.
class SettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit SettingsPage(const QString& languageFolder, const QString& currentLanguageFile, QWidget* parent = nullptr);

    void ApplyTexts();
    // Adds a group of settings under those the page has.
    void AddSection(QWidget* section);
    // Loads the file as the user's choice would; false when it cannot be read.
    bool ChooseLanguage(const QString& languageFile);

signals:
    // The texts were read anew; every page takes its captions again.
    void LanguageChanged();

private:
    QGroupBox* m_LanguageBox { nullptr };
    QButtonGroup* m_Languages { nullptr }; // one button per language file, holding its path as a property
};

} // namespace Tarvex::Demo
