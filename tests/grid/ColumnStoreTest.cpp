#include "grid/RuzuZiri.h"
#include "platform/SettingsStore.h"

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

// The per-user store in a folder of the test's own, the default locale restored after.
class StoreScope {
public:
    StoreScope() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_Folder.path()); }
    ~StoreScope() { QLocale::setDefault(m_Locale); }

    void Save(const QString& Section, const QString& Key, const QString& Value) const
    {
        SaveSetting(QCoreApplication::applicationName(), Section, Key, Value);
    }
    QString Get(const QString& Section, const QString& Key) const
    {
        return GetSetting(QCoreApplication::applicationName(), Section, Key, "absent");
    }

    void WriteByHand(const QByteArray& Text) const
    {
        const QString application = QCoreApplication::applicationName();
        QFile file(QSettings(QSettings::IniFormat, QSettings::UserScope, application, application).fileName());
        QDir().mkpath(QFileInfo(file).absolutePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Text);
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

} // namespace

TEST(GridColumnStore, OrderAndWidthsComeBackUnderEitherNumberFormat)
{
    const std::vector<int> arranged { 0, 3, 1, 2 };
    for (const auto& [saving, loading] : { std::pair { "de_DE", "en_US" }, std::pair { "en_US", "de_DE" } }) {
        SCOPED_TRACE(saving);
        StoreScope store;
        QLocale::setDefault(QLocale(saving));
        RuzuZiri saved;
        Arrange(saved);
        saved.ColWidth(2, 85.5f);
        saved.ColOrderSave("archive");
        saved.ColWidthsSave("archive");
        EXPECT_EQ(QLocale().toString(85.5), store.Get("archive", "W2"));

        QLocale::setDefault(QLocale(loading));
        RuzuZiri loaded;
        Arrange(loaded);
        loaded.ColOrderRestore("");
        QSignalSpy changed(&loaded, &RuzuZiri::ColumnOrderChanged);
        loaded.ColOrderLoad("archive");
        loaded.ColWidthsLoad("archive");
        EXPECT_EQ(arranged, loaded.Model().ColOrder());
        EXPECT_EQ(1, changed.count());
        EXPECT_EQ(85.5f, loaded.ColWidth(2));
        EXPECT_EQ(501.0f, loaded.ColWidth(0));

        RuzuZiri other; // a section of another name holds nothing of this one
        Arrange(other);
        other.ColOrderRestore("");
        other.ColOrderLoad("journal");
        EXPECT_EQ((std::vector<int> { 0, 1, 2, 3 }), other.Model().ColOrder());
    }
}

TEST(GridColumnStore, AForeignOrBrokenOrderChangesNothing)
{
    const QList<std::pair<const char*, std::map<QString, QString>>> stores {
        { "saved for three columns", { { "Count", "2" }, { "0", "2" }, { "1", "1" }, { "2", "0" } } },
        { "no count", { { "0", "3" }, { "1", "2" }, { "2", "1" }, { "3", "0" } } },
        { "a column out of range", { { "Count", "3" }, { "0", "3" }, { "1", "2" }, { "2", "1" }, { "3", "4" } } },
        { "a column twice", { { "Count", "3" }, { "0", "3" }, { "1", "3" }, { "2", "1" }, { "3", "0" } } },
        { "a negative column", { { "Count", "3" }, { "0", "-1" }, { "1", "2" }, { "2", "1" }, { "3", "0" } } },
        { "a number beyond any column", { { "Count", "3" }, { "0", "99999999999" }, { "1", "2" }, { "2", "1" }, { "3", "0" } } },
        { "no number", { { "Count", "3" }, { "0", "x" }, { "1", "3" }, { "2", "1" }, { "3", "0" } } },
    };
    for (const auto& [name, keys] : stores) {
        SCOPED_TRACE(name);
        StoreScope store;
        for (const auto& [key, value] : keys)
            store.Save("archive", key, value);
        RuzuZiri grid;
        Arrange(grid);
        QSignalSpy changed(&grid, &RuzuZiri::ColumnOrderChanged);
        grid.ColOrderLoad("archive");
        EXPECT_EQ((std::vector<int> { 0, 3, 1, 2 }), grid.Model().ColOrder());
        EXPECT_EQ(0, changed.count());
    }
}

TEST(GridColumnStore, WidthsLoadWhatIsStoredAndKeepTheRest)
{
    StoreScope store;
    store.WriteByHand("[archive]\nW0=1234,5\nW1=none\n"); // an unquoted comma reads as a list in an INI file
    RuzuZiri grid;
    Arrange(grid);
    grid.ColWidth(2, 123.456789f);
    QLocale::setDefault(QLocale(QLocale::German));
    grid.ColWidthsLoad("archive");
    EXPECT_EQ(1234.5f, grid.ColWidth(0));
    EXPECT_EQ(0.0f, grid.ColWidth(1)); // unreadable text reads as 0
    EXPECT_EQ(123.456789f, grid.ColWidth(2));
}

TEST(GridColumnStore, RestoreShowsCreationOrderAndKeepsTheCurrentColumn)
{
    RuzuZiri single;
    single.AddColumn("only");
    QSignalSpy quiet(&single, &RuzuZiri::ColumnOrderChanged);
    single.ColOrderRestore("");
    EXPECT_EQ(0, quiet.count());

    RuzuZiri grid;
    Arrange(grid);
    grid.AddItem("a\tb\tc\td");
    grid.RowColSet(0, 3);
    QSignalSpy changed(&grid, &RuzuZiri::ColumnOrderChanged);
    grid.ColOrderRestore("ignored");
    EXPECT_EQ((std::vector<int> { 0, 1, 2, 3 }), grid.Model().ColOrder());
    EXPECT_EQ(1, changed.count());
    EXPECT_EQ(3, grid.Col());
}
