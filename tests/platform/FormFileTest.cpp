#include <tarvex/platform/FormFile.h>

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

QString WriteFile(const QTemporaryDir& Dir, const QByteArray& Content)
{
    const QString path = Dir.filePath(QStringLiteral("form.txt"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(Content);
    return path;
}

} // namespace

TEST(FormFile, TheFileIsReadableTextAndAWholeDoubleStaysADouble)
{
    FormFile saved;
    PropertyBag& strip = saved.Bag(QStringLiteral("Tarvex.VozirAdu"), QStringLiteral("VozirAdu1"));
    strip.WriteProperty(QStringLiteral("Caption"), QStringLiteral("Say \"hi\""));
    strip.WriteProperty(QStringLiteral("NumberOfTabs"), QVariant::fromValue<short>(3));
    strip.WriteProperty(QStringLiteral("Whole"), 3.0);
    // A person can read and mend the file.
    EXPECT_TRUE(saved.ToText().contains(QStringLiteral("\n[Tarvex.VozirAdu VozirAdu1]\nCaption = \"")));
    EXPECT_TRUE(saved.ToText().contains(QStringLiteral("\nNumberOfTabs = 3\n")));

    FormFile loaded;
    loaded.FromText(saved.ToText());
    EXPECT_EQ(QMetaType::Double,
        loaded.Bag(QStringLiteral("Tarvex.VozirAdu"), QStringLiteral("VozirAdu1")).ReadProperty(QStringLiteral("Whole")).metaType().id());
}

TEST(FormFile, DamagedFileLoadsWhatItCanAndReportsTheRest)
{
    QTemporaryDir dir;
    const QString path = WriteFile(dir,
        "Orphan = 1\n"
        "[Tarvex.VozirAdu VozirAdu1]\n"
        "NumberOfTabs = 3\n"
        "Caption = \"unterminated\n"
        "this line has no equals sign\n"
        "ActiveTab = 1.5.2\n"
        "ActiveTab = 2\n"
        "bad name = 1\n"
        "[Broken header\n"
        "Lost = 1\n"
        "[Tarvex.VozirAdu VozirAdu1]\n"
        "Caption = \"A|B|\"\n"
        "\xff\xfe\x00garbage\n");

    FormFile form;
    ASSERT_TRUE(form.Load(path));
    PropertyBag& bag = form.Bag(QStringLiteral("Tarvex.VozirAdu"), QStringLiteral("VozirAdu1"));
    EXPECT_EQ(3, bag.ReadProperty(QStringLiteral("NumberOfTabs"), 4).toInt());
    EXPECT_EQ(2, bag.ReadProperty(QStringLiteral("ActiveTab"), 0).toInt());
    EXPECT_EQ(QStringLiteral("A|B|"), bag.ReadProperty(QStringLiteral("Caption"), QString()).toString());
    EXPECT_FALSE(bag.Contains(QStringLiteral("Lost")));

    const QStringList problems = form.Problems();
    ASSERT_EQ(10, problems.size()) << problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(problems[0].contains(QStringLiteral("UTF-8")));
    EXPECT_TRUE(problems[1].startsWith(QStringLiteral("line 1:")));
    EXPECT_TRUE(problems[2].startsWith(QStringLiteral("line 4:")));
}

TEST(FormFile, MissingOrUnwritableFileIsReportedAndLeavesTheOldFileAlone)
{
    QTemporaryDir dir;
    FormFile form;
    EXPECT_FALSE(form.Load(dir.filePath(QStringLiteral("missing.txt"))));
    EXPECT_EQ(1, form.Problems().size());

    EXPECT_FALSE(form.Save(dir.filePath(QStringLiteral("no/such/folder/form.txt"))));
    EXPECT_EQ(1, form.Problems().size());
    // A device that never ends is refused once it passes the size any form file can have.
    EXPECT_FALSE(form.Load(QStringLiteral("/dev/zero")));
    EXPECT_EQ(1, form.Problems().size());
}
