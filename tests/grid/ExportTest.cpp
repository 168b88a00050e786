#include "FileSizeLimit.h"

#include <tarvex/grid/RuzuZiri.h>
#include <tarvex/platform/DesktopShell.h>
#include <tarvex/platform/MsgBox.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

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

// A minimal RFC 4180 reader: a field is quoted (holding anything, "" for a quote) or plain, and
// ends in a comma, a CR LF that ends the record too, or the end of the text.
QList<QStringList> ReadCsv(const QString& Text)
{
    static const QRegularExpression field(R"re((?:"((?:[^"]|"")*)"|([^,"\r\n]*))(,|\r\n|$))re");
    QList<QStringList> records { {} };
    for (qsizetype at = 0; at < Text.size();) {
        const QRegularExpressionMatch match = field.match(Text, at, QRegularExpression::NormalMatch,
                                                          QRegularExpression::AnchorAtOffsetMatchOption);
        if (!match.hasMatch() || match.capturedLength() == 0)
            return { { "unreadable from", QString::number(at) } };
        records.last() << (match.hasCaptured(1) ? match.captured(1).replace("\"\"", "\"") : match.captured(2));
        if (match.captured(3) == "\r\n")
            records << QStringList();
        at = match.capturedEnd();
    }
    return records;
}

// A desktop of its own, a recorder for the message boxes and a stand-in for opening files.
class ExportScope {
public:
    ExportScope()
        : m_PreviousFolder(SetDesktopFolder(m_Desktop.path()))
        , m_PreviousOpen(SetOpenFileHandler([this](const QString& Path) {
            Opened << Path;
            return OpenSucceeds;
        }))
    {
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
    QStringList Files() const { return QDir(m_Desktop.path()).entryList(QDir::Files | QDir::Hidden); }

    MsgBoxRecorder Boxes;
    QStringList Opened;        // paths handed to the associated program
    bool OpenSucceeds { true };

private:
    QTemporaryDir m_Desktop;
    QString m_PreviousFolder;
    OpenFileHandler m_PreviousOpen;
};

} // namespace

TEST(GridExport, WritesCaptionHeadingsRowsAndTotalsAsTheExamplesShow)
{
    struct Case {
        const char* Name;
        QList<std::pair<QString, int>> Columns;
        QStringList Rows;
        std::function<void(RuzuZiri&)> Arrange;
        bool ColsOnly, RowsOnly, BooleanAsText;
        QByteArray Expected; // after the byte-order mark
    };
    const QList<Case> cases {
        { "caption, and a decimal comma quoted", { { "Nr", 1 }, { "Betrag", 1 } }, { "1\t10,00" },
          [](RuzuZiri& grid) { grid.Caption("Offene Posten"); }, false, false, false,
          "Offene Posten\r\nNr,Betrag,\r\n1,\"10,00\",\r\n" },
        { "check boxes as numbers", { { "X", 3 } }, { "True", "false", "1,5", "0" }, {}, false, false, false,
          "X,\r\n-1,\r\n0,\r\n-1,\r\n0,\r\n" },
        { "check boxes as text", { { "X", 3 } }, { "True", "False" }, {}, false, false, true, "X,\r\nTrue,\r\nFalse,\r\n" },
        { "hidden columns left out, display order kept", { { "A", 0 }, { "B", 0 } }, { "a\tb" },
          [](RuzuZiri& grid) {
              grid.AddColumn("C", 500, 4, 0, {}, {}, 4, false, 1);
              grid.ColVisible(1, false);
          },
          true, false, false, "A,C,\r\na,,\r\n" },
        { "totals line: sum, average over every row, captions, no line end",
          { { "Text", 0 }, { "Sum", 1 }, { "Avg", 1 } }, { "x\t1,5\t1", "y\t2\t2", "z\t3\t6" },
          [](RuzuZiri& grid) {
              grid.TotalsLineShow(true);
              grid.TotalsLineCaption(0, "Summe");
              grid.TotalsLineCaption(2, "Ø");
              grid.TotalsLineColAvg(2, true);
          },
          false, false, false, "Text,Sum,Avg,\r\nx,\"1,5\",1,\r\ny,2,2,\r\nz,3,6,\r\nSumme,\"6,5\",Ø 3," },
    };
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ExportScope scope;
        RuzuZiri grid;
        Build(grid, c.Columns, c.Rows);
        if (c.Arrange)
            c.Arrange(grid);
        grid.ExportGrid("list", c.ColsOnly, c.RowsOnly, c.BooleanAsText);
        EXPECT_EQ(Bom + c.Expected, scope.Read("list.csv"));
    }
    QLocale::setDefault(saved);
}

TEST(GridExport, AwkwardTextsReadBackIntoTheSameCells)
{
    const QStringList texts { "Meier, Hans", "12\" Zoll", "Zeile 1\r\nZeile 2", "nur\nLF", "Müller & Söhne Straße",
                              "=SUMME(A1:A9)", "\"", "", "Emoji 😀 and € and 丸" };
    ExportScope scope;
    RuzuZiri grid;
    Build(grid, { { "Text, with comma", 0 }, { "Second", 0 } }, {});
    for (const QString& text : texts)
        grid.AddItem(text + "\tplain");
    grid.ExportGrid("awkward");

    const QByteArray bytes = scope.Read("awkward.csv");
    ASSERT_TRUE(bytes.startsWith(Bom));
    const QList<QStringList> records = ReadCsv(QString::fromUtf8(bytes.mid(Bom.size())));
    ASSERT_EQ(texts.size() + 2, records.size()); // headings, rows, and nothing after the last line end
    EXPECT_TRUE(records.last().isEmpty());
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
    scope.Boxes.Answer(MsgBoxResult::Yes);
    grid.ExportGrid("list");
    scope.OpenSucceeds = false;
    grid.ExportGrid("");

    const std::vector<MsgBoxRecorder::Call>& calls = scope.Boxes.Calls();
    ASSERT_EQ(5u, calls.size());
    EXPECT_EQ("No grid rows to export.", calls[0].Prompt);
    EXPECT_EQ(MsgBoxStyle::Information, calls[0].Buttons);
    EXPECT_EQ("File list.csv was saved to your desktop.\nDo you want to open it?", calls[1].Prompt);
    EXPECT_EQ(MsgBoxStyle::YesNo | MsgBoxStyle::Question, calls[1].Buttons);
    EXPECT_EQ("Unable to open target file.", calls[4].Prompt);
    EXPECT_EQ((QStringList { scope.PathOf("list.csv"), scope.PathOf(".csv") }), scope.Opened);
    EXPECT_EQ(Bom + "A,\r\nsecond,\r\n", scope.Read("list.csv")); // the second export replaced the first
    EXPECT_EQ((QStringList { ".csv", "list.csv" }), scope.Files());
}

TEST(GridExport, AFailedExportKeepsThePreviousFileAndShowsTheError)
{
    struct Case {
        const char* Name;
        QString Folder; // under the desktop; "" = the desktop itself
        int Type;       // of the one column
        rlim_t Limit;   // bytes a file may take; 0 = no limit
        QString Expected; // how the message starts
    };
    const QList<Case> cases {
        { "no such folder", "gone", 0, 0, "Error# 76\n" },
        { "the disk takes no more, and says why", "", 0, 64, "Error# 57\n" + qt_error_string(EFBIG) },
        { "a check box without a Boolean", "", 3, 0, "Error# 13\nType mismatch" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ExportScope scope;
        QFile previous(scope.PathOf("list.csv"));
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly) && previous.write("previous") == 8 && previous.flush());
        SetDesktopFolder(scope.PathOf(c.Folder));
        RuzuZiri grid;
        Build(grid, { { "A", c.Type } }, QStringList(200, "many bytes of text but no Boolean"));
        {
            const std::optional<FileSizeLimit> limit = c.Limit ? std::optional<FileSizeLimit>(std::in_place, c.Limit) : std::nullopt;
            grid.ExportGrid("list");
        }
        ASSERT_EQ(1u, scope.Boxes.Calls().size());
        const MsgBoxRecorder::Call& call = scope.Boxes.Calls()[0];
        EXPECT_TRUE(call.Prompt.startsWith(c.Expected)) << call.Prompt.toStdString();
        EXPECT_EQ(MsgBoxStyle::Critical, call.Buttons);
        EXPECT_EQ("RuzuZiri.Export", call.Title);
        EXPECT_EQ("previous", scope.Read("list.csv"));
        EXPECT_EQ(QStringList { "list.csv" }, scope.Files()); // no half-written file left behind
    }
}

TEST(GridExport, ANameThatIsNoSingleFileNameIsRefusedAndWritesNothing)
{
    const QList<std::pair<QString, bool>> names { // name, whether it is written
        { "../escaped", false },      { "sub/list", false }, // even where the folder sub exists
        { "sub\\list", false },        { "..", false },
        { QString("nul") + QChar(0) + "x", false }, { "..list, 3.2024 Ä", true },
    };
    for (const auto& [name, written] : names) {
        SCOPED_TRACE(name.toStdString());
        ExportScope scope;
        const QString desktop = scope.PathOf("desktop");
        ASSERT_TRUE(QDir().mkpath(desktop + "/sub"));
        SetDesktopFolder(desktop);
        RuzuZiri grid;
        Build(grid, { { "A", 0 } }, { "a" });
        grid.ExportGrid(name);

        ASSERT_EQ(1u, scope.Boxes.Calls().size());
        const MsgBoxRecorder::Call& call = scope.Boxes.Calls()[0];
        const auto filesIn = [](const QString& Folder) { return QDir(Folder).entryList(QDir::Files | QDir::Hidden); };
        const QStringList files = filesIn(desktop) + filesIn(desktop + "/sub") + scope.Files();
        if (written) {
            EXPECT_EQ(QStringList { name + ".csv" }, files);
            continue;
        }
        EXPECT_TRUE(call.Prompt.startsWith("Error# 52\nBad file name")) << call.Prompt.toStdString();
        EXPECT_EQ(MsgBoxStyle::Critical, call.Buttons);
        EXPECT_TRUE(files.isEmpty()) << files.join(' ').toStdString();
    }
}

TEST(GridExport, WithoutADesktopFolderTheFileGoesHomeAndTheMessageSaysWhere)
{
    ExportScope scope;
    QTemporaryDir home;
    const QByteArray previousHome = qgetenv("HOME");
    const QByteArray previousConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit()); // no folders of the user's choice
    SetDesktopFolder({});
    RuzuZiri grid;
    Build(grid, { { "A", 0 } }, { "a" });
    scope.Boxes.Answer(MsgBoxResult::Yes);
    grid.ExportGrid("list");
    EXPECT_TRUE(QDir(home.path()).mkdir("Desktop"));
    grid.ExportGrid("list");
    qputenv("HOME", previousHome);
    qputenv("XDG_CONFIG_HOME", previousConfig);

    ASSERT_EQ(2u, scope.Boxes.Calls().size());
    EXPECT_EQ("File list.csv was saved to " + home.path() + ".\nDo you want to open it?", scope.Boxes.Calls()[0].Prompt);
    EXPECT_EQ("File list.csv was saved to your desktop.\nDo you want to open it?", scope.Boxes.Calls()[1].Prompt);
    EXPECT_EQ((QStringList { home.filePath("list.csv"), home.filePath("Desktop/list.csv") }), scope.Opened);
    EXPECT_TRUE(QFile::exists(home.filePath("list.csv")));
    EXPECT_TRUE(QFile::exists(home.filePath("Desktop/list.csv")));
}
