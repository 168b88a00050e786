#include "CalculatorLine.h"

#include "DemoWindow.h"
#include "SettingsPage.h"
#include "TabbedPages.h"

#include <tarvex/app/LanguageFile.h>
#include <tarvex/tabstrip/VozirAdu.h>

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

const QString German = QStringLiteral(TARVEX_DEMO_LANGUAGE_DIR "/deutsch.lng");
const QString English = QStringLiteral(TARVEX_DEMO_LANGUAGE_DIR "/english.lng");

TEST(SettingsPage, ChoosingALanguageRetextsEveryPageAndAnUnreadableFileKeepsTheTexts)
{
    LoadLanguageFile(German);
    Demo::DemoWindow window(German);
    ASSERT_EQ(QStringLiteral("Dokument"), window.Pages()->Strip()->Caption(1));

    EXPECT_FALSE(window.Settings()->ChooseLanguage(QStringLiteral(TARVEX_DEMO_LANGUAGE_DIR "/missing.lng")));
    EXPECT_EQ(QStringLiteral("Dokument"), window.Pages()->Strip()->Caption(1));
    EXPECT_EQ(QStringLiteral("dd.mm.yyyy"), progtxt[0]);

    ASSERT_TRUE(window.Settings()->ChooseLanguage(English));
    EXPECT_EQ(QStringLiteral("Archive"), window.Pages()->Strip()->Caption(0));
    EXPECT_EQ(QStringLiteral("Document"), window.Pages()->Strip()->Caption(1));
    EXPECT_EQ(QStringLiteral("Settings"), window.Pages()->Strip()->Caption(2));
    EXPECT_EQ(QStringLiteral("Type an expression and press Enter"), window.Calculator()->Input()->placeholderText());
    EXPECT_EQ(QStringLiteral("mm/dd/yyyy"), progtxt[0]);
}

QStringList YesNoButtons()
{
    const QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No);
    return { box.button(QDialogButtonBox::Yes)->text(), box.button(QDialogButtonBox::No)->text() };
}

// Qt's own texts, such as a message box's buttons, speak the language the demo shows, and change with it.
TEST(SettingsPage, QtsOwnButtonsSpeakTheChosenLanguage)
{
    const QStringList english { QStringLiteral("&Yes"), QStringLiteral("&No") };
    const QStringList german { QStringLiteral("&Ja"), QStringLiteral("&Nein") };
    {
        LoadLanguageFile(German);
        Demo::DemoWindow window(German);
        EXPECT_EQ(german, YesNoButtons());
        ASSERT_TRUE(window.Settings()->ChooseLanguage(English));
        EXPECT_EQ(english, YesNoButtons());
        ASSERT_TRUE(window.Settings()->ChooseLanguage(German));
        EXPECT_EQ(german, YesNoButtons());
    }
    EXPECT_EQ(english, YesNoButtons()) << "the window took its translation with it";
}

} // namespace
