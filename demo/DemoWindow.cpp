#include "DemoWindow.h"

#include "CalculatorLine.h"
#include "DemoTexts.h"
#include "TabbedPages.h"

#include "controls/tabstrip/VozirAdu.h"

#include <QDir>
#include <QGroupBox>
#include <QVBoxLayout>

namespace Tarvex::Demo {

DemoWindow::DemoWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_Pages(new TabbedPages(this))
{
    setWindowTitle(Text(WindowTitle));
    setCentralWidget(m_Pages);

    m_Pages->AddPage(Text(DocumentPage), BuildDocumentPage());
    m_PageNames << QStringLiteral("document");

    resize(900, 600);
}

QWidget* DemoWindow::BuildDocumentPage()
{
    auto* page = new QWidget;
    auto* calculatorBox = new QGroupBox(Text(CalculatorCaption), page);
    m_Calculator = new CalculatorLine(calculatorBox);
    (new QVBoxLayout(calculatorBox))->addWidget(m_Calculator);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(calculatorBox);
    layout->addStretch(1);
    return page;
}

int DemoWindow::PageCount() const
{
    return m_Pages->PageCount();
}

void DemoWindow::ShowPage(int index)
{
    if (index < 0 || index >= PageCount())
        return;
    m_Pages->Strip()->ActiveTab(short(index));
}

int DemoWindow::CurrentPage() const
{
    return m_Pages->Strip()->ActiveTab();
}

QStringList DemoWindow::ReadForm(FormFile& form)
{
    return m_Pages->ReadForm(form);
}

void DemoWindow::WriteForm(FormFile& form) const
{
    m_Pages->WriteForm(form);
}

QStringList DemoWindow::RenderPages(const QString& dir)
{
    if (!QDir().mkpath(dir))
        return {};
    const int shownBefore = CurrentPage();
    QStringList written;
    for (int page = 0; page < PageCount(); ++page) {
        ShowPage(page);
        const QString path = QDir(dir).absoluteFilePath(QStringLiteral("%1-%2.png").arg(page + 1).arg(m_PageNames.value(page)));
        if (!grab().save(path)) {
            written.clear();
            break;
        }
        written << path;
    }
    ShowPage(shownBefore);
    return written;
}

} // namespace Tarvex::Demo
