// What the grid keeps of texts it has shown: 8,000 rows of a 2,000-character note each, every note
// its own, in one single-line column, scrolled through once a screen at a time. Prints how far the
// peak resident memory grew while they were shown, over what the filled grid took before:
//   bench_grid_notes_memory [rows] [characters]

#include <tarvex/grid/RuzuZiri.h>

#include <QApplication>
#include <QFont>
#include <QScrollBar>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

long PeakKilobytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Words of letters that differ from row to row, as notes typed by people would.
QString NoteOf(int Row, int Length)
{
    QString note = QStringLiteral("Note %1: ").arg(Row);
    note.reserve(Length);
    for (int i = 0; note.size() < Length; ++i)
        note += (i + Row) % 7 == 6 ? QChar(u' ') : QChar(u'a' + (i * 7 + Row) % 26);
    return note;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int rows = argc > 1 ? std::atoi(argv[1]) : 8000;
    const int length = argc > 2 ? std::atoi(argv[2]) : 2000;
    const auto app = std::make_unique<QApplication>(argc, argv);
    auto grid = std::make_unique<Tarvex::RuzuZiri>();
    grid->resize(1280, 800);
    grid->Font(QFont(QStringLiteral("DejaVu Sans"), 9));
    grid->AddColumn(QStringLiteral("Note"), 1200 * 15);
    for (int r = 0; r < rows; ++r)
        grid->AddItem(NoteOf(r, length));
    grid->Redraw(true);
    grid->show();
    QCoreApplication::processEvents();
    const long before = PeakKilobytes();
    auto* bar = grid->findChild<QScrollBar*>(QStringLiteral("ScrollBar(1)"));
    for (int top = 0; top < rows; top = grid->RowLastVisible() + 1) {
        bar->setSliderPosition(top);
        QCoreApplication::processEvents();
        if (grid->RowLastVisible() < top)
            break;
    }
    const long after = PeakKilobytes();
    std::printf("%d rows of %d-character notes shown once: peak resident memory %.1f MB, grown by %.1f MB\n", rows,
                length, after / 1024.0, (after - before) / 1024.0);
    return 0;
}
