#include "FileSizeLimit.h"

#include <tarvex/platform/FormFile.h>

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

using namespace Tarvex;

namespace {

const QString Strip = QStringLiteral("Tarvex.VozirAdu");
const QString Strip1 = QStringLiteral("VozirAdu1");

// NaN equals nothing, and -0 equals 0; the bits tell them apart.
quint64 Bits(double Number) { return std::bit_cast<quint64>(Number); }

QString ReadAll(const QString& Path)
{
    QFile file(Path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

} // namespace

TEST(FormFileRoundTrip, EverythingABagCanHoldComesBackExactly)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    struct Case {
        QString Type, Name, Property;
        QVariant Value;
    };
    const Case cases[] = {
        { QStringLiteral("My Type"), QStringLiteral("Name with spaces"), QStringLiteral("Caption"), QStringLiteral("x") },
        { Strip, QString(), QStringLiteral("Caption"), QStringLiteral("empty control name") },
        { Strip, QStringLiteral("two\nlines]"), QStringLiteral("Caption"), QStringLiteral("x") },
        { Strip, QStringLiteral("\"quoted\""), QStringLiteral("Caption"), QStringLiteral("x") },
        { Strip, Strip1, QStringLiteral("Größe"), 12 },
        { Strip, Strip1, QStringLiteral("has space"), true },
        { Strip, Strip1, QStringLiteral("9digit"), 9 },
        { Strip, Strip1, QStringLiteral("#not a comment"), 1 },
        { Strip, Strip1, QStringLiteral("[not a section]"), 1 },
        { Strip, Strip1, QString(), QStringLiteral("empty property name") },
        { Strip, Strip1, QStringLiteral("a = b"), QStringLiteral("c = d") },
        // A pattern anchored with "$" also matches before a final line feed, which left this name bare.
        { Strip, Strip1, QStringLiteral("Er\n"), 11 },
        { Strip, Strip1, QStringLiteral("Er\r\n"), 12 },
        { Strip, Strip1, QStringLiteral("Er\x01"), 13 },
        { Strip, Strip1, QStringLiteral("Er\x7f"), 14 },
        { Strip, Strip1, QStringLiteral("Lone"), QString(QChar(0xD800)) + QStringLiteral("a") + QChar(0xDC00) },
        { Strip, Strip1, QStringLiteral("Pair"), QStringLiteral("𝄞") },
        { Strip, Strip1, QStringLiteral("Controls"), QStringLiteral("\x01\x1b\x7f\\u0041") },
        { Strip, Strip1, QStringLiteral("NotANumber"), nan },
        { Strip, Strip1, QStringLiteral("Infinite"), infinity },
        { Strip, Strip1, QStringLiteral("NegativeInfinite"), -infinity },
        { Strip, Strip1, QStringLiteral("InfiniteText"), QStringLiteral("inf") },
        { Strip, Strip1, QStringLiteral("NegativeZero"), -0.0 },
        { Strip, Strip1, QStringLiteral("Largest"), std::numeric_limits<quint64>::max() },
        { Strip, Strip1, QStringLiteral("Caption"), QStringLiteral("Say \"hi\"|C:\\path|two\nlines\t|") },
        { Strip, Strip1, QStringLiteral("NumberOfTabs"), QVariant::fromValue<short>(3) },
        { Strip, Strip1, QStringLiteral("Ratio"), 0.1 },
        { Strip, Strip1, QStringLiteral("Visible"), false },
        { Strip, Strip1, QStringLiteral("Color"), quint32(0x8000000F) },
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Property.toStdString() + " in " + c.Name.toStdString());
        FormFile saved;
        saved.Bag(c.Type, c.Name).WriteProperty(c.Property, c.Value);
        const QString path = dir.filePath(QStringLiteral("form.txt"));
        ASSERT_TRUE(saved.Save(path)) << saved.Problems().join(QLatin1Char('\n')).toStdString();

        FormFile loaded;
        ASSERT_TRUE(loaded.Load(path));
        EXPECT_TRUE(loaded.Problems().isEmpty()) << loaded.Problems().join(QLatin1Char('\n')).toStdString();
        ASSERT_TRUE(loaded.Contains(c.Type, c.Name)) << ReadAll(path).toStdString();
        PropertyBag& bag = loaded.Bag(c.Type, c.Name);
        ASSERT_TRUE(bag.Contains(c.Property)) << ReadAll(path).toStdString();
        const QVariant back = bag.ReadProperty(c.Property, c.Value);
        if (c.Value.metaType().id() == QMetaType::Double)
            EXPECT_EQ(Bits(c.Value.toDouble()), Bits(back.toDouble()));
        else
            EXPECT_EQ(c.Value, back);
    }
}

TEST(FormFileRoundTrip, SaveThatCannotWriteEverythingFailsWithTheReasonsAndKeepsTheOldFile)
{
    struct Case {
        const char* What;
        std::function<void(PropertyBag&)> Change;
        rlim_t SizeLimit; // 0 = none
        int Problems;
    };
    const Case cases[] = {
        { "values of types a form file cannot hold",
          [](PropertyBag& Bag) {
              Bag.WriteProperty(QStringLiteral("Day"), QDate(2024, 2, 29));
              Bag.WriteProperty(QStringLiteral("Nothing"), QVariant());
          },
          0, 2 },
        { "a disk that takes only part of the file",
          [](PropertyBag& Bag) { Bag.WriteProperty(QStringLiteral("Caption"), QString(100000, QLatin1Char('x'))); }, 4096, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("form.txt"));
        FormFile form;
        form.Bag(Strip, Strip1).WriteProperty(QStringLiteral("Caption"), QStringLiteral("A|B|"));
        ASSERT_TRUE(form.Save(path));
        const QString before = ReadAll(path);

        c.Change(form.Bag(Strip, Strip1));
        {
            std::optional<FileSizeLimit> limit;
            if (c.SizeLimit)
                limit.emplace(c.SizeLimit);
            EXPECT_FALSE(form.Save(path));
        }
        EXPECT_EQ(c.Problems, form.Problems().size()) << form.Problems().join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(before, ReadAll(path));
    }
}

TEST(FormFileRoundTrip, LoadsManyKeysAndSections)
{
    QString text;
    text += QStringLiteral("[Tarvex.Grid Grid1]\n");
    for (int i = 0; i < 50000; ++i)
        text += QStringLiteral("Key%1 = %1\n").arg(i);
    for (int i = 0; i < 50000; ++i)
        text += QStringLiteral("[Tarvex.Label Label%1]\nCaption = \"x\"\n").arg(i);
    FormFile form;
    form.FromText(text);
    EXPECT_TRUE(form.Problems().isEmpty());
    EXPECT_EQ(49999, form.Bag(QStringLiteral("Tarvex.Grid"), QStringLiteral("Grid1")).ReadProperty(QStringLiteral("Key49999")).toInt());
}
