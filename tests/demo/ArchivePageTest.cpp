#include "ArchivePage.h"

#include <tarvex/app/LanguageFile.h>
#include <tarvex/grid/RuzuZiri.h>
#include <tarvex/platform/DesktopShell.h>
#include <tarvex/platform/FormFile.h>
#include <tarvex/platform/MsgBox.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

TEST(ArchivePage, ListsEveryDocumentAndMarksTheOpenInvoicesInRed)
{
    LoadLanguageFile(QStringLiteral(TARVEX_DEMO_LANGUAGE_DIR "/english.lng"));
    Demo::ArchivePage page(200);
    RuzuZiri& grid = *page.Grid();
    ASSERT_EQ(200, grid.ItemCount());
    EXPECT_TRUE(grid.Redraw());

    int open = 0;
    for (int row = 0; row < grid.ItemCount(); ++row) {
        const bool marked = grid.CellForeColor(row, 7) == 0x0000C0;
        EXPECT_EQ(Demo::IsOpenInvoice(row), marked) << "row " << row;
        EXPECT_EQ(marked ? QStringLiteral("open") : grid.CellText(row, 7), grid.CellText(row, 7));
        open += marked ? 1 : 0;
    }
    EXPECT_GT(open, 0);
    EXPECT_EQ(Demo::ArchiveDocument(17).split(QLatin1Char('\t')).value(3), grid.CellText(17, 3));
}

TEST(ArchiveSettings, EachChoiceTakesEffectOnTheGridAtOnce)
{
    Demo::ArchivePage page(10);
    RuzuZiri& grid = *page.Grid();
    Demo::ArchiveSettings settings(&grid);
    const QList<QComboBox*> choices = settings.findChildren<QComboBox*>();
    ASSERT_EQ(4, choices.size());
    const std::array<int (RuzuZiri::*)() const, 4> reads { &RuzuZiri::ThemeColor, &RuzuZiri::ThemeStyle,
        &RuzuZiri::FocusRowHighlightStyle, &RuzuZiri::GridLines };
    for (int i = 0; i < 4; ++i) {
        choices[i]->setCurrentIndex(2);
        emit choices[i]->activated(2);
        EXPECT_EQ(2, (grid.*reads[size_t(i)])()) << "choice " << i;
    }
    const QList<QCheckBox*> switches = settings.findChildren<QCheckBox*>();
    ASSERT_EQ(2, switches.size());
    switches[0]->setChecked(!grid.ShowRowNumbers());
    EXPECT_EQ(switches[0]->isChecked(), grid.ShowRowNumbers());
    switches[1]->setChecked(!grid.TotalsLineShow());
    EXPECT_EQ(switches[1]->isChecked(), grid.TotalsLineShow());
}

TEST(ArchivePage, TheFormFileBringsBackTheGridsDesignWithTheDocuments)
{
    FormFile form;
    {
        Demo::ArchivePage page(30);
        page.Grid()->ThemeStyle(5);
        page.Grid()->GridLines(3);
        page.Grid()->ShowRowNumbers(false);
        page.WriteForm(form);
    }
    FormFile reopened;
    reopened.FromText(form.ToText());
    Demo::ArchivePage page(30);
    Demo::ArchiveSettings settings(page.Grid());
    EXPECT_TRUE(page.ReadForm(reopened).isEmpty());
    settings.ShowGridSettings();
    RuzuZiri& grid = *page.Grid();
    EXPECT_EQ(5, grid.ThemeStyle());
    EXPECT_EQ(3, grid.GridLines());
    EXPECT_FALSE(grid.ShowRowNumbers());
    EXPECT_FALSE(settings.findChildren<QCheckBox*>().at(0)->isChecked());
    EXPECT_EQ(30, grid.ItemCount());
    EXPECT_TRUE(grid.Redraw());
}

} // namespace

TEST(ArchivePage, ExportButtonWritesTheListToTheDesktop)
{
    LoadLanguageFile(QStringLiteral(TARVEX_DEMO_LANGUAGE_DIR "/english.lng"));
    QTemporaryDir desktop;
    const QString previous = SetDesktopFolder(desktop.path());
    MsgBoxRecorder boxes;
    boxes.Answer(MsgBoxResult::No);
    Demo::ArchivePage page(20);
    page.Grid()->RowVisible(1, false);
    QTest::mouseClick(page.findChild<QPushButton*>("cmdExport"), Qt::LeftButton);
    SetDesktopFolder(previous);

    QFile file(desktop.filePath("Archive.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n"); // the byte-order mark is read as such
    ASSERT_EQ(23, lines.size()); // caption, headings, 20 rows, the totals line
    EXPECT_EQ("Document archive", lines[0]);
    EXPECT_TRUE(lines[1].startsWith("Number,Kind,Date,"));
    EXPECT_EQ("", lines[3]); // the hidden row
}
