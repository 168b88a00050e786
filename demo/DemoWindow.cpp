#include "DemoWindow.h"

#include "ArchivePage.h"
#include "CalculatorLine.h"
#include "SettingsPage.h"
#include "TabbedPages.h"

#include "controls/tabstrip/VozirAdu.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QVBoxLayout>

namespace Tarvex::Demo {

DemoWindow::DemoWindow(const QString& languageFile, int archiveDocuments, QWidget* parent)
    : QMainWindow(parent)
    , m_Pages(new TabbedPages(this))
    , m_Settings(new SettingsPage(QFileInfo(languageFile).absolutePath(), languageFile))
    , m_Archive(new ArchivePage(archiveDocuments))
{
    setCentralWidget(m_Pages);
    AddPage({ ArchiveTab, "archive" }, m_Archive);
    m_Settings->AddSection(new ArchiveSettings(m_Archive->Grid()));
    AddPage({ DocumentTab, "document" }, BuildDocumentPage());
    AddPage({ SettingsTab, "settings" }, m_Settings);
    connect(m_Settings, &SettingsPage::LanguageChanged, this, &DemoWindow::ApplyTexts);
    ApplyTexts();
    resize(900, 600);
}

void DemoWindow::AddPage(const Page& info, QWidget* page)
{
    m_Pages->AddPage(Text(info.Caption), page);
    m_PageInfo.push_back(info);
}

QWidget* DemoWindow::BuildDocumentPage()
{
    auto* page = new QWidget;
    m_CalculatorBox = new QGroupBox(page);
    m_Calculator = new CalculatorLine(m_CalculatorBox);
    (new QVBoxLayout(m_CalculatorBox))->addWidget(m_Calculator);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_CalculatorBox);
    layout->addStretch(1);
    return page;
}

void DemoWindow::ApplyTexts()
{
    setWindowTitle(Text(WindowTitle));
    for (int page = 0; page < int(m_PageInfo.size()); ++page)
        m_Pages->RenamePage(page, Text(m_PageInfo[page].Caption));
    m_CalculatorBox->setTitle(Text(CalculatorCaption));
    m_Calculator->ApplyTexts();
    m_Settings->ApplyTexts();
    m_Archive->ApplyTexts();
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
        const QString path = QDir(dir).absoluteFilePath(QStringLiteral("%1-%2.png").arg(page + 1).arg(QLatin1String(m_PageInfo[page].Name)));
        if (!grab().save(path)) {
            written.clear();
            break;
        }
        written << path;
    }
    if (!written.isEmpty()) {
        ShowPage(0);
        const QStringList looks = m_Archive->RenderLooks(dir, *this);
        written = looks.isEmpty() ? QStringList() : written + looks;
    }
    ShowPage(shownBefore);
    return written;
}

} // namespace Tarvex::Demo
