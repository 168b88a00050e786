#include "grid/RuzuZiriPrivate.h"

#include <tarvex/platform/SettingsStore.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

// The per-user store in a folder of the test's own; the default locale is restored after.
class StoreScope {
public:
    StoreScope() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_Folder.path()); }
    ~StoreScope() { QLocale::setDefault(m_Locale); }

    // The section "archive" of the store, as a person would type it into the file.
    void WriteByHand(const QByteArray& Keys) const
    {
        const QString application = QCoreApplication::applicationName();
        QFile file(QSettings(QSettings::IniFormat, QSettings::UserScope, application, application).fileName());
        QDir().mkpath(QFileInfo(file).absolutePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[archive]\n" + Keys);
    }

private:
    QTemporaryDir m_Folder;
    QLocale m_Locale;
};

// Columns a, b, c, d shown as a, d, b, c.
void Arrange(RuzuZiri& Grid)
{
    for (const char* heading : { "a", "b", "c" })
        Grid.AddColumn(heading, 500);
    Grid.AddColumn("d", 500, 4, 0, {}, {}, 4, false, 1);
}

const std::vector<int> Arranged { 0, 3, 1, 2 };
const std::vector<int> Created { 0, 1, 2, 3 };

} // namespace

TEST(GridColumnStore, OrderAndWidthsComeBackExactlyUnderEitherNumberFormatOverARestoredOrder)
{
    const QList<std::pair<const char*, const char*>> locales {
        { "de_DE", "en_US" }, { "en_US", "de_DE" }, { "de_DE", "de_DE" }, { "en_US", "en_US" }
    };
    for (const auto& [saving, loading] : locales) {
        SCOPED_TRACE(std::string(saving) + " to " + loading);
        StoreScope store;
        QLocale::setDefault(QLocale(saving));
        RuzuZiri saved;
        Arrange(saved);
        saved.ColWidth(1, 523.456f); // three decimals, as a German group of three would look
        saved.ColWidth(2, 85.5f);
        saved.ColWidth(3, 1234.5677f); // needs more than seven digits to come back as the same float
        saved.ColOrderSave("archive");
        saved.ColWidthsSave("archive");
        EXPECT_EQ(QLocale().toString(85.5), GetSetting(QCoreApplication::applicationName(), "archive", "W2"));

        QLocale::setDefault(QLocale(loading));
        RuzuZiri loaded;
        RuzuZiri other;
        QSignalSpy changed(&loaded, &RuzuZiri::ColumnOrderChanged);
        for (RuzuZiri* grid : { &loaded, &other }) {
            Arrange(*grid);
            grid->AddItem("a\tb\tc\td");
            grid->RowColSet(0, 3);
            grid->ColOrderRestore("ignored"); // creation order, whatever the name
        }
        EXPECT_EQ(3, loaded.Col()); // the current column stays
        loaded.ColOrderLoad("archive");
        loaded.ColWidthsLoad("archive");
        other.ColOrderLoad("journal"); // a section of another name holds nothing of this one
        EXPECT_EQ(Arranged, RuzuZiriPrivate::Of(loaded).m_Model.ColOrder());
        EXPECT_EQ(2, changed.count());
        EXPECT_EQ(523.456f, loaded.ColWidth(1));
        EXPECT_EQ(85.5f, loaded.ColWidth(2));
        EXPECT_EQ(1234.5677f, loaded.ColWidth(3));
        EXPECT_EQ(501.0f, loaded.ColWidth(0));
        EXPECT_EQ(Created, RuzuZiriPrivate::Of(other).m_Model.ColOrder());
    }
}

TEST(GridColumnStore, AForeignOrBrokenOrderChangesNothing)
{
    const QList<std::pair<const char*, QByteArray>> stores {
        { "saved for three columns", "Count=2\n0=2\n1=1\n2=0\n" },
        { "no count", "0=3\n1=2\n2=1\n3=0\n" },
        { "a column out of range", "Count=3\n0=3\n1=2\n2=1\n3=4\n" },
        { "a column twice", "Count=3\n0=3\n1=3\n2=1\n3=0\n" },
        { "a number beyond any column", "Count=3\n0=99999999999\n1=2\n2=1\n3=0\n" },
        { "no number, read as 0 for the second time", "Count=3\n0=x\n1=3\n2=1\n3=0\n" },
    };
    for (const auto& [name, keys] : stores) {
        SCOPED_TRACE(name);
        StoreScope store;
        store.WriteByHand(keys);
        RuzuZiri grid;
        Arrange(grid);
        QSignalSpy changed(&grid, &RuzuZiri::ColumnOrderChanged);
        grid.ColOrderLoad("archive");
        EXPECT_EQ(Arranged, RuzuZiriPrivate::Of(grid).m_Model.ColOrder());
        EXPECT_EQ(0, changed.count());
    }
}

TEST(GridColumnStore, WidthsLoadWhatIsStoredAndKeepTheRest)
{
    StoreScope store;
    // An unquoted comma makes a list of an INI value; W3 as an English version wrote it.
    store.WriteByHand("W0=1234,5\nW1=none\nW3=523.456\n");
    RuzuZiri grid;
    Arrange(grid);
    grid.ColWidth(2, 123.456789f);
    QLocale::setDefault(QLocale(QLocale::German));
    grid.ColWidthsLoad("archive");
    EXPECT_EQ(1234.5f, grid.ColWidth(0));
    EXPECT_EQ(0.0f, grid.ColWidth(1)); // unreadable text reads as 0
    EXPECT_EQ(123.456789f, grid.ColWidth(2));
    EXPECT_EQ(523.456f, grid.ColWidth(3)); // no group of thousands in a width
}
