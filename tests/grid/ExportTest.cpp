#include "grid/RuzuZiri.h"
#include "grid/model/Export.h"
#include "platform/DesktopShell.h"
#include "platform/MsgBox.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace Tarvex;

namespace {

const QByteArray Bom("\xEF\xBB\xBF");

// Columns with these headings and kinds, then the TAB-joined rows.
void Build(RuzuZiri& Grid, const QList<std::pair<QString, int>>& Columns, const QStringList& Rows)
{
    for (const auto& [heading, type] : Columns)
        Grid.AddColumn(heading, 500, 4, type);
    for (const QString& row : Rows)
        Grid.AddItem(row);
}

QByteArray Exported(const RuzuZiri& Grid, const ExportOptions& Options)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(WriteExport(Grid.Model(), Options, buffer).has_value());
    return buffer.data();
}

// A minimal RFC 4180 reader: records end in CR LF, fields in quotes may hold anything, "" is a quote.
QList<QStringList> ReadCsv(const QString& Text)
{
    QList<QStringList> records { {} };
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar c = Text[i];
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < Text.size() && Text[i + 1] == u'"')
                field += Text[++i];
            else
                quoted = false;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            records.last() << std::exchange(field, QString());
        } else if (c == u'\r' && i + 1 < Text.size() && Text[i + 1] == u'\n') {
            records.last() << std::exchange(field, QString());
            records << QStringList();
            ++i;
        } else {
            field += c;
        }
    }
    records.last() << field;
    return records;
}

// A desktop of its own, a recorder for the message boxes and a stand-in for opening files.
class ExportScope {
public:
    ExportScope()
    {
        m_PreviousFolder = SetDesktopFolder(m_Desktop.path());
        m_PreviousOpen = SetOpenFileHandler([this](const QString& Path) {
            Opened << Path;
            return OpenSucceeds;
        });
    }
    ~ExportScope()
    {
        SetDesktopFolder(m_PreviousFolder);
        SetOpenFileHandler(std::move(m_PreviousOpen));
    }

    QString PathOf(const QString& Name) const { return m_Desktop.filePath(Name); }
    QByteArray Read(const QString& Name) const
    {
        QFile file(PathOf(Name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void Write(const QString& Name, const QByteArray& Bytes) const
    {
        QFile file(PathOf(Name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Bytes);
    }
    QStringList Files() const { return QDir(m_Desktop.path()).entryList(QDir::Files | QDir::Hidden); }

    MsgBoxRecorder Boxes;
    QStringList Opened;        // paths handed to the associated program
    bool OpenSucceeds { true };

private:
    QTemporaryDir m_Desktop;
    QString m_PreviousFolder;
    OpenFileHandler m_PreviousOpen;
};

// Lets no file of this process grow beyond a few bytes while it lives, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t Bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_Saved);
        m_Handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_Saved;
        limit.rlim_cur = Bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_Saved);
        std::signal(SIGXFSZ, m_Handler);
    }

private:
    rlimit m_Saved {};
    void (*m_Handler)(int) { nullptr };
};

} // namespace

TEST(GridExport, WritesCaptionHeadingsRowsAndTotalsAsTheExamplesShow)
{
    struct Case {
        const char* Name;
        QList<std::pair<QString, int>> Columns;
        QStringList Rows;
        ExportOptions Options;
        std::function<void(RuzuZiri&)> Arrange;
        QByteArray Expected; // after the byte-order mark
    };
    const auto hideSecondRow = [](RuzuZiri& grid) { grid.RowVisible(1, false); };
    const QList<Case> cases {
        { "caption, and a decimal comma quoted", { { "Nr", 1 }, { "Betrag", 1 } }, { "1\t10,00" }, { "Offene Posten" }, {},
          "Offene Posten\r\nNr,Betrag,\r\n1,\"10,00\",\r\n" },
        { "a hidden row as an empty line", { { "A", 0 } }, { "a", "b", "c" }, { .VisibleRowsOnly = true }, hideSecondRow,
          "A,\r\na,\r\n\r\nc,\r\n" },
        { "hidden rows kept unless asked", { { "A", 0 } }, { "a", "b", "c" }, {}, hideSecondRow, "A,\r\na,\r\nb,\r\nc,\r\n" },
        { "check boxes as numbers", { { "X", 3 } }, { "True", "false", "1,5", "0" }, {}, {}, "X,\r\n-1,\r\n0,\r\n-1,\r\n0,\r\n" },
        { "check boxes as text", { { "X", 3 } }, { "True", "False" }, { .BooleanAsText = true }, {}, "X,\r\nTrue,\r\nFalse,\r\n" },
        { "hidden columns left out", { { "A", 0 }, { "B", 0 } }, { "a\tb" }, { .VisibleColsOnly = true },
          [](RuzuZiri& grid) { grid.ColVisible(0, false); }, "B,\r\nb,\r\n" },
        { "display order of the columns", { { "A", 0 }, { "B", 0 } }, { "a\tb" }, {},
          [](RuzuZiri& grid) { grid.AddColumn("C", 500, 4, 0, {}, {}, 4, false, 1); }, "A,C,B,\r\na,,b,\r\n" },
        { "totals line: sum, average over every row, captions, no line end",
          { { "Text", 0 }, { "Sum", 1 }, { "Avg", 1 } }, { "x\t1,5\t1", "y\t2\t2", "z\t3\t6" },
          { .TotalsLineShow = true },
          [](RuzuZiri& grid) {
              grid.TotalsLineCaption(0, "Summe");
              grid.TotalsLineCaption(2, "Ø");
              grid.TotalsLineColAvg(2, true);
          },
          "Text,Sum,Avg,\r\nx,\"1,5\",1,\r\ny,2,2,\r\nz,3,6,\r\nSumme,\"6,5\",Ø 3," },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        RuzuZiri grid;
        Build(grid, c.Columns, c.Rows);
        if (c.Arrange)
            c.Arrange(grid);
        EXPECT_EQ(Bom + c.Expected, Exported(grid, c.Options));
        QLocale::setDefault(QLocale::c());
    }
}

TEST(GridExport, AwkwardTextsReadBackIntoTheSameCells)
{
    const QStringList texts { "Meier, Hans", "12\" Zoll", "Zeile 1\r\nZeile 2", "nur\nLF", "Müller & Söhne Straße",
                              "=SUMME(A1:A9)", "\"", "", "Emoji 😀 and € and 丸" };
    ExportScope scope;
    scope.Boxes.Answer(MsgBoxResult::No);
    RuzuZiri grid;
    Build(grid, { { "Text, with comma", 0 }, { "Second", 0 } }, {});
    for (const QString& text : texts)
        grid.AddItem(text + "\tplain");
    grid.ExportGrid("awkward");

    const QByteArray bytes = scope.Read("awkward.csv");
    ASSERT_TRUE(bytes.startsWith(Bom));
    const QList<QStringList> records = ReadCsv(QString::fromUtf8(bytes.mid(Bom.size())));
    ASSERT_EQ(texts.size() + 2, records.size()); // headings, rows, and the empty record after the last line end
    EXPECT_EQ((QStringList { "Text, with comma", "Second", "" }), records[0]);
    for (qsizetype i = 0; i < texts.size(); ++i)
        EXPECT_EQ((QStringList { texts[i], "plain", "" }), records[i + 1]);
}

TEST(GridExport, ReportsTheFileAndOpensItOnlyWhenAsked)
{
    ExportScope scope;
    RuzuZiri grid;
    Build(grid, { { "A", 0 } }, {});
    grid.ExportGrid("none");
    EXPECT_TRUE(scope.Files().isEmpty());

    grid.AddItem("first");
    scope.Boxes.Answer(MsgBoxResult::No);
    grid.ExportGrid("list");
    grid.CellText(0, 0, "second");
    grid.Caption("Offene Posten");
    grid.TotalsLineShow(true);
    scope.Boxes.Answer(MsgBoxResult::Yes);
    grid.ExportGrid("list");
    scope.OpenSucceeds = false;
    grid.ExportGrid("");

    const QString question = "File list.csv was saved to your desktop.\nDo you want to open it?";
    const std::vector<MsgBoxRecorder::Call>& calls = scope.Boxes.Calls();
    ASSERT_EQ(5u, calls.size());
    EXPECT_EQ("No grid rows to export.", calls[0].Prompt);
    EXPECT_EQ(MsgBoxStyle::Information, calls[0].Buttons);
    EXPECT_EQ(question, calls[1].Prompt);
    EXPECT_EQ(MsgBoxStyle::YesNo | MsgBoxStyle::Question, calls[1].Buttons);
    EXPECT_EQ("Unable to open target file.", calls[4].Prompt);
    EXPECT_EQ((QStringList { scope.PathOf("list.csv"), scope.PathOf(".csv") }), scope.Opened);
    EXPECT_EQ(Bom + "Offene Posten\r\nA,\r\nsecond,\r\n,", scope.Read("list.csv")); // the second replaced the first
    EXPECT_EQ((QStringList { ".csv", "list.csv" }), scope.Files());
}

TEST(GridExport, AFailedExportKeepsThePreviousFileAndShowsTheError)
{
    struct Case {
        const char* Name;
        QString Folder;           // relative to the desktop; "" = the desktop itself
        int Type;                 // of the one column
        std::optional<rlim_t> Limit;
        QString Expected;         // the error's first line
    };
    const QList<Case> cases {
        { "no such folder", "gone", 0, {}, "Error# 76" },
        { "the disk takes no more", "", 0, rlim_t(64), "Error# 57" },
        { "a check box without a Boolean", "", 3, {}, "Error# 13" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ExportScope scope;
        const QByteArray previous = "previous export";
        scope.Write("list.csv", previous);
        SetDesktopFolder(scope.PathOf(c.Folder));
        RuzuZiri grid;
        Build(grid, { { "A", c.Type } }, QStringList(200, "many bytes of text but no Boolean"));
        {
            std::optional<FileSizeLimit> limit;
            if (c.Limit)
                limit.emplace(*c.Limit);
            grid.ExportGrid("list");
        }
        ASSERT_EQ(1u, scope.Boxes.Calls().size());
        const MsgBoxRecorder::Call& call = scope.Boxes.Calls()[0];
        EXPECT_EQ(c.Expected, call.Prompt.section('\n', 0, 0));
        EXPECT_FALSE(call.Prompt.section('\n', 1).isEmpty());
        EXPECT_EQ(MsgBoxStyle::Critical, call.Buttons);
        EXPECT_EQ("RuzuZiri.Export", call.Title);
        EXPECT_EQ(previous, scope.Read("list.csv"));
        EXPECT_EQ(QStringList { "list.csv" }, scope.Files()); // no half-written file left behind
    }
}
