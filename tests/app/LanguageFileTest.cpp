#include <tarvex/app/LanguageFile.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

class LanguageFile : public testing::Test {
protected:
    QString Write(const QByteArray& bytes)
    {
        const QString path = m_Dir.filePath(QStringLiteral("test.lng"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    QTemporaryDir m_Dir;
    ProgtxtTable m_Table;
};

TEST_F(LanguageFile, FillsSlotsByTrimmedCaseInsensitiveKeyAndExpandsLineBreakAndTabMarkup)
{
    const auto result = LoadLanguageFile(Write("progtxt0==dd.mm.yyyy\r\n  ProgTxt12 ==Rechnung\r\nPROGTXT2000==Ende\n"
                                               "progtxt5==Zeile 1<br>Zeile 2<tab>rechts == mehr \n"),
                                         m_Table);

    EXPECT_TRUE(result.Loaded);
    EXPECT_EQ(4, result.SlotsRead);
    EXPECT_EQ(QStringLiteral("dd.mm.yyyy"), m_Table[0]);
    EXPECT_EQ(QStringLiteral("Rechnung"), m_Table[12]);
    EXPECT_EQ(QStringLiteral("Ende"), m_Table[2000]);
    EXPECT_EQ(QStringLiteral("Zeile 1\nZeile 2\trechts == mehr "), m_Table[5]);
}

TEST_F(LanguageFile, SkipsMalformedLinesAndSlotsOutOfRange)
{
    const auto result = LoadLanguageFile(Write("progtxt1==eins\n"
                                               "kein Schluessel\n"
                                               "progtxt2001==zu gross\n"
                                               "progtxt-1==negativ\n"
                                               "progtxtx==kein Index\n"
                                               "progtxt==leer\n"
                                               "andere3==fremd\n"
                                               "progtxt3=einfach\n"),
                                         m_Table);

    EXPECT_TRUE(result.Loaded);
    EXPECT_EQ(1, result.SlotsRead);
    EXPECT_EQ(7, result.LinesSkipped);
    EXPECT_EQ(1, m_Table.FilledCount());
}

TEST_F(LanguageFile, ReadsUmlautsFromUtf8AndFromWindows1252)
{
    LoadLanguageFile(Write("\xEF\xBB\xBFprogtxt1==Gr\xC3\xBC\xC3\x9F" "e\n"), m_Table);
    EXPECT_EQ(QStringLiteral("Grüße"), m_Table[1]);

    // 0x80 is the euro sign in Windows-1252, not a C1 control as in Latin-1.
    LoadLanguageFile(Write("progtxt1==Gr\xFC\xDF" "e \x80\n"), m_Table);
    EXPECT_EQ(QStringLiteral("Grüße €"), m_Table[1]);
}

TEST_F(LanguageFile, ReadsUtf16WithItsByteOrderMarkInEitherByteOrder)
{
    const QString text = QStringLiteral("progtxt1==Grüße\r\nprogtxt2==€\r\n");
    const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16());
    for (const bool bigEndian : { false, true }) {
        QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char high = char(units[i] >> 8), low = char(units[i] & 0xFF);
            bytes.append(bigEndian ? high : low).append(bigEndian ? low : high);
        }
        const auto result = LoadLanguageFile(Write(bytes), m_Table);
        EXPECT_EQ(2, result.SlotsRead);
        EXPECT_EQ(QStringLiteral("€"), m_Table[2]);
    }
    // A byte-order mark followed by an odd number of bytes is not UTF-16.
    const auto result = LoadLanguageFile(Write("\xFF\xFEp\0r"), m_Table);
    EXPECT_FALSE(result.Loaded);
    EXPECT_FALSE(result.Error.isEmpty());
}

TEST_F(LanguageFile, MissingFileOrADirectoryEmptiesTheTableAndSaysWhy)
{
    m_Table.Set(7, QStringLiteral("alt"));

    const auto result = LoadLanguageFile(m_Dir.filePath(QStringLiteral("fehlt.lng")), m_Table);

    EXPECT_FALSE(result.Loaded);
    EXPECT_TRUE(result.Error.contains(QStringLiteral("fehlt.lng")));
    EXPECT_EQ(0, m_Table.FilledCount());
    EXPECT_FALSE(LoadLanguageFile(m_Dir.path(), m_Table).Loaded);
    // A device that never ends is refused once it passes the size any language file can have.
    EXPECT_FALSE(LoadLanguageFile(QStringLiteral("/dev/zero"), m_Table).Loaded);
}

TEST(ProgtxtTable, SlotsOutsideTheTableReadEmptyAndIgnoreWrites)
{
    ProgtxtTable table;
    table.Set(-1, QStringLiteral("x"));
    table.Set(2001, QStringLiteral("x"));

    EXPECT_TRUE(table[-1].isEmpty());
    EXPECT_TRUE(table[2001].isEmpty());
    EXPECT_EQ(0, table.FilledCount());
}

} // namespace
