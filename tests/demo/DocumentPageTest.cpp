#include "DateFieldSettings.h"

#include "DemoWindow.h"
#include "DocumentPage.h"

#include <tarvex/app/LanguageFile.h>
#include <tarvex/calendar/ZIzazeviviro.h>
#include <tarvex/platform/FormFile.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

const QString German = QStringLiteral(TARVEX_DEMO_LANGUAGE_DIR "/deutsch.lng");

struct DemoHost {
    // Loaded before the window is built, since the window takes its texts from the loaded table.
    bool Loaded { LoadLanguageFile(German).Loaded };
    Demo::DemoWindow Window { German };
    ZIzazeviviro* Field(int Index) const { return Window.Document()->DateField(Index); }
};

} // namespace

// A host or a tool finds the fields as members of their control array, each speaking German.
TEST(DocumentPage, TheThreeGermanDateFieldsAreFoundByTheirControlArrayNames)
{
    DemoHost host;
    for (int i = 0; i < 3; ++i) {
        const auto* field = host.Window.findChild<ZIzazeviviro*>(QStringLiteral("ZIzazeviviro1(%1)").arg(i));
        ASSERT_EQ(host.Field(i), field) << i;
        EXPECT_EQ(3, field->Language()) << i;
    }
}

TEST(DocumentPage, TheSettingsPageSwitchesEveryDateFieldAtOnce)
{
    DemoHost host;
    Demo::DateFieldSettings* settings = host.Window.DateSettings();
    settings->Language()->setCurrentIndex(4);
    settings->Style()->setCurrentIndex(0);
    settings->DateFormat()->setCurrentIndex(1);
    settings->FirstWeekDay()->setCurrentIndex(1);
    settings->Enabled()->setChecked(false);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(4, host.Field(i)->Language());
        EXPECT_EQ(0, host.Field(i)->Style());
        EXPECT_EQ(1, host.Field(i)->DateFormat());
        EXPECT_EQ(2, host.Field(i)->FirstWeekDay());
        EXPECT_FALSE(host.Field(i)->isEnabled());
    }
}

TEST(DocumentPage, TheFormFileKeepsTheDateFieldsPropertiesAndTheSettingsShowThem)
{
    FormFile form;
    {
        DemoHost host;
        host.Field(0)->FirstWeekDay(2);
        host.Field(0)->Style(0);
        host.Field(2)->StartDate(QStringLiteral("24.12.2010"));
        host.Window.WriteForm(form);
    }
    FormFile reread;
    reread.FromText(form.ToText());
    DemoHost host;
    EXPECT_TRUE(host.Window.ReadForm(reread).isEmpty());
    EXPECT_EQ(2, host.Field(0)->FirstWeekDay());
    EXPECT_EQ(3, host.Field(1)->Language());
    EXPECT_EQ(QStringLiteral("24.12.2010"), host.Field(2)->Text());
    EXPECT_EQ(1, host.Window.DateSettings()->FirstWeekDay()->currentIndex());
    EXPECT_EQ(0, host.Window.DateSettings()->Style()->currentIndex());
}

TEST(DocumentPage, ScreenshotsShowAFieldOpenAndWithItsMonthListAndLeaveItClosed)
{
    DemoHost host;
    host.Window.show();
    QTemporaryDir dir;
    const QStringList written = host.Window.RenderPages(dir.path());
    QStringList names;
    for (const QString& path : written)
        names << QFileInfo(path).fileName();
    EXPECT_EQ(QStringList({ "1-archive.png", "2-document.png", "3-settings.png", "2-document-calendar.png", "2-document-month-list.png" }),
              names.mid(0, 5));
    EXPECT_EQ(host.Field(1)->sizeHint().height(), host.Field(1)->height());
    EXPECT_FALSE(host.Field(1)->findChild<QWidget*>(QStringLiteral("picCalendar"))->isVisible());
}
