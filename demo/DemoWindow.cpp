#include "DemoWindow.h"

#include "CalculatorLine.h"
#include "DemoTexts.h"

#include <QDir>
#include <QGroupBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace Tarvex::Demo {

DemoWindow::DemoWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_Pages(new QStackedWidget(this))
{
    setWindowTitle(Text(WindowTitle));
    setCentralWidget(m_Pages);

    m_Pages->addWidget(BuildDocumentPage());
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
    return m_Pages->count();
}

void DemoWindow::ShowPage(int index)
{
    if (index < 0 || index >= m_Pages->count())
        return;
    m_Pages->setCurrentIndex(index);
}

QStringList DemoWindow::RenderPages(const QString& dir)
{
    if (!QDir().mkpath(dir))
        return {};
    QStringList written;
    for (int page = 0; page < PageCount(); ++page) {
        ShowPage(page);
        const QString path = QDir(dir).absoluteFilePath(QStringLiteral("%1-%2.png").arg(page + 1).arg(m_PageNames.value(page)));
        if (!grab().save(path))
            return {};
        written << path;
    }
    return written;
}

} // namespace Tarvex::Demo
