#include "DemoWindow.h"

#include "ArchivePage.h"
#include "CalculatorLine.h"
#include "DateFieldSettings.h"
#include "DocumentPage.h"
#include "SettingsPage.h"
#include "TabbedPages.h"

#include <tarvex/tabstrip/VozirAdu.h>

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QVBoxLayout>

namespace Tarvex::Demo {

DemoWindow::DemoWindow(const QString& languageFile, int archiveDocuments, QWidget* parent)
    : QMainWindow(parent)
    , m_Pages(new TabbedPages(this))
    , m_Archive(new ArchivePage(archiveDocuments))
    , m_ArchiveSettings(new ArchiveSettings(m_Archive->Grid()))
    , m_Settings(new SettingsPage(QFileInfo(languageFile).absolutePath(), languageFile))
{
    setCentralWidget(m_Pages);
    AddPage({ ArchiveTab, "archive" }, m_Archive);
    m_Settings->AddSection(m_ArchiveSettings);
    AddPage({ DocumentTab, "document" }, BuildDocumentPage());
    AddPage({ SettingsTab, "settings" }, m_Settings);
    std::vector<ZIzazeviviro*> dateFields;
    for (int i = 0; i < DocumentPage::DateFieldCount; ++i)
        dateFields.push_back(m_Document->DateField(i));
    m_DateSettings = new DateFieldSettings(dateFields);
    m_Settings->AddSection(m_DateSettings);
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
    m_Document = new DocumentPage;
    m_CalculatorBox = new QGroupBox;
    m_Calculator = new CalculatorLine(m_CalculatorBox);
    (new QVBoxLayout(m_CalculatorBox))->addWidget(m_Calculator);
    m_Document->AddBelowDates(m_CalculatorBox);
    return m_Document;
}

void DemoWindow::ApplyTexts()
{
    setWindowTitle(Text(WindowTitle));
    m_QtTexts.Follow(Text(LanguageCode));
    for (int page = 0; page < int(m_PageInfo.size()); ++page)
        m_Pages->RenamePage(page, Text(m_PageInfo[page].Caption));
    m_CalculatorBox->setTitle(Text(CalculatorCaption));
    m_Calculator->ApplyTexts();
    m_Document->ApplyTexts();
    m_Settings->ApplyTexts();
    m_DateSettings->ApplyTexts();
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

QString DemoWindow::PageName(int index) const
{
    if (index < 0 || index >= int(m_PageInfo.size()))
        return {};
    return QLatin1String(m_PageInfo[size_t(index)].Name);
}

QStringList DemoWindow::ReadForm(FormFile& form)
{
    QStringList problems = m_Archive->ReadForm(form);
    m_ArchiveSettings->ShowGridSettings();
    problems << m_Pages->ReadForm(form);
    problems << m_Document->ReadForm(form);
    m_DateSettings->ShowFieldValues();
    return problems;
}

void DemoWindow::WriteForm(FormFile& form) const
{
    m_Pages->WriteForm(form);
    m_Document->WriteForm(form);
    m_Archive->WriteForm(form);
}

QStringList DemoWindow::RenderPages(const QString& dir)
{
    if (!QDir().mkpath(dir))
        return {};
    const int shownBefore = CurrentPage();
    QStringList written;
    for (int page = 0; page < PageCount(); ++page) {
        ShowPage(page);
        if (!RenderTo(QDir(dir).absoluteFilePath(QStringLiteral("%1-%2.png").arg(page + 1).arg(QLatin1String(m_PageInfo[page].Name))), written))
            break;
    }
    if (!written.isEmpty())
        RenderDropDowns(dir, written);
    if (!written.isEmpty()) {
        ShowPage(0);
        const QStringList looks = m_Archive->RenderLooks(dir, *this);
        written = looks.isEmpty() ? QStringList() : written + looks;
    }
    if (!written.isEmpty()) {
        const QString mouse = m_Archive->RenderMouse(dir, *this);
        written = mouse.isEmpty() ? QStringList() : written << mouse;
    }
    ShowPage(shownBefore);
    return written;
}

// A failed picture ends the rendering and empties the list, so that the caller sees the failure.
bool DemoWindow::RenderTo(const QString& path, QStringList& written)
{
    if (grab().save(path)) {
        written << path;
        return true;
    }
    written.clear();
    return false;
}

// The delivery date, in the middle, shows its panel and then its month list.
void DemoWindow::RenderDropDowns(const QString& dir, QStringList& written)
{
    int page = 0;
    while (page < PageCount() && m_Pages->Page(page) != m_Document)
        ++page;
    if (page == PageCount())
        return;
    ShowPage(page);
    const QString stem = QStringLiteral("%1-%2-").arg(page + 1).arg(QLatin1String(m_PageInfo[page].Name));
    m_Document->ShowDropDown(1, true, false);
    if (RenderTo(QDir(dir).absoluteFilePath(stem + QStringLiteral("calendar.png")), written)) {
        m_Document->ShowDropDown(1, true, true);
        RenderTo(QDir(dir).absoluteFilePath(stem + QStringLiteral("month-list.png")), written);
    }
    m_Document->ShowDropDown(1, false, false);
}

} // namespace Tarvex::Demo
