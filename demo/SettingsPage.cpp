#include "SettingsPage.h"

#include "DemoTexts.h"

#include <tarvex/app/LanguageFile.h>

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include <memory>

namespace Tarvex::Demo {

namespace {
const char* const LanguageFileProperty = "languageFile";
}

SettingsPage::SettingsPage(const QString& languageFolder, const QString& currentLanguageFile, QWidget* parent)
    : QWidget(parent)
    , m_LanguageBox(new QGroupBox(this))
    , m_Languages(new QButtonGroup(this))
{
    auto* languageLayout = new QVBoxLayout(m_LanguageBox);
    const QString current = QFileInfo(currentLanguageFile).canonicalFilePath();
    const QFileInfoList files = QDir(languageFolder).entryInfoList({ QStringLiteral("*.lng") }, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        QString name = file.completeBaseName();
        name[0] = name[0].toUpper();
        auto* button = new QRadioButton(name, m_LanguageBox);
        button->setProperty(LanguageFileProperty, file.absoluteFilePath());
        button->setChecked(file.canonicalFilePath() == current);
        m_Languages->addButton(button);
        languageLayout->addWidget(button);
    }
    connect(m_Languages, &QButtonGroup::buttonClicked, this, [this](QAbstractButton* button) {
        ChooseLanguage(button->property(LanguageFileProperty).toString());
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_LanguageBox);
    layout->addStretch(1);
    ApplyTexts();
}

void SettingsPage::ApplyTexts()
{
    m_LanguageBox->setTitle(Text(LanguageCaption));
}

void SettingsPage::AddSection(QWidget* section)
{
    auto* column = static_cast<QVBoxLayout*>(layout());
    column->insertWidget(column->count() - 1, section);
}

bool SettingsPage::ChooseLanguage(const QString& languageFile)
{
    // A file that cannot be read must not leave the window without texts: read it aside first.
    auto chosen = std::make_unique<ProgtxtTable>();
    if (!LoadLanguageFile(languageFile, *chosen).Loaded)
        return false;
    progtxt = *chosen;
    for (QAbstractButton* button : m_Languages->buttons())
        button->setChecked(button->property(LanguageFileProperty).toString() == languageFile);
    emit LanguageChanged();
    return true;
}

} // namespace Tarvex::Demo
