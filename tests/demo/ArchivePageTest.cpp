#include "ArchivePage.h"

#include "app/LanguageFile.h"
#include "grid/RuzuZiri.h"

#include <QCheckBox>
#include <QComboBox>
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

} // namespace
