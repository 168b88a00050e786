#include "platform/SettingsStore.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Tarvex;

TEST(SettingsStore, KeepsTextsApartByApplicationAndSectionAndForgetsThemOnRequest)
{
    QTemporaryDir folder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    SaveSetting("Faktura", "Archiv", "Count", "3");
    SaveSetting("Faktura", "Archiv", "W0", "85,5");
    SaveSetting("Faktura", "Kunden", "Count", "7");
    SaveSetting("Lager", "Archiv", "Count", "9");

    EXPECT_EQ("3", GetSetting("Faktura", "Archiv", "Count"));
    EXPECT_EQ("85,5", GetSetting("Faktura", "Archiv", "W0")); // a comma stays text, not a list
    EXPECT_EQ("7", GetSetting("Faktura", "Kunden", "Count"));
    EXPECT_EQ("9", GetSetting("Lager", "Archiv", "Count"));
    EXPECT_EQ("none", GetSetting("Faktura", "Archiv", "W1", "none"));

    DeleteSetting("Faktura", "Archiv", "Count");
    EXPECT_EQ("", GetSetting("Faktura", "Archiv", "Count"));
    EXPECT_EQ("85,5", GetSetting("Faktura", "Archiv", "W0"));
    DeleteSetting("Faktura", "Archiv");
    EXPECT_EQ("", GetSetting("Faktura", "Archiv", "W0"));
    EXPECT_EQ("7", GetSetting("Faktura", "Kunden", "Count"));
}
