#pragma once

#include "DemoTexts.h"
#include "QtTexts.h"

#include <QMainWindow>
#include <QStringList>

#include <vector>

class QGroupBox;

namespace Tarvex {
class FormFile;
}

namespace Tarvex::Demo {

class ArchivePage;
class ArchiveSettings;
class CalculatorLine;
class DateFieldSettings;
class DocumentPage;
class SettingsPage;
class TabbedPages;

// The demo host's one window: the pages an invoicing application shows with the components.
class DemoWindow : public QMainWindow {
    Q_OBJECT

public:
    // The settings page offers the language files beside the one the texts were read from; the
    // archive page lists that many generated documents.
    explicit DemoWindow(const QString& languageFile, int archiveDocuments = DefaultArchiveDocuments, QWidget* parent = nullptr);

    static constexpr int DefaultArchiveDocuments = 3000;

    int PageCount() const;
    // Selects the page's tab on the tab strip, which then shows the page.
    void ShowPage(int index);
    int CurrentPage() const;
    // The page's short name, as its pictures are named ("archive", "document", "settings"); "" for none.
    QString PageName(int index) const;
    CalculatorLine* Calculator() const { return m_Calculator; }
    ArchivePage* Archive() const { return m_Archive; }
    SettingsPage* Settings() const { return m_Settings; }
    TabbedPages* Pages() const { return m_Pages; }
    DocumentPage* Document() const { return m_Document; }
    DateFieldSettings* DateSettings() const { return m_DateSettings; }

    // Renders every page to "<dir>/<n>-<name>.png", each selected through its tab, then the document
    // page with a date field's panel open and with its month list open, then the archive page in each
    // colour scheme and header style, and returns the paths written; empty on failure. The page shown
    // before is shown again afterwards.
    QStringList RenderPages(const QString& dir);

    // The design-time properties of the window's controls, as a form designer would keep them.
    // Reading returns what the form held that could not be used.
    QStringList ReadForm(FormFile& form);
    void WriteForm(FormFile& form) const;

private:
    struct Page {
        DemoText Caption;  // text slot of the page's tab
        const char* Name;  // file-name stem of its picture
    };

    void AddPage(const Page& info, QWidget* page);
    bool RenderTo(const QString& path, QStringList& written);
    void RenderDropDowns(const QString& dir, QStringList& written);
    QWidget* BuildDocumentPage();
    void ApplyTexts();

    TabbedPages* m_Pages { nullptr };   // the tab strip and one page frame per tab
    std::vector<Page> m_PageInfo;       // in page order
    DocumentPage* m_Document { nullptr };
    QGroupBox* m_CalculatorBox { nullptr };
    CalculatorLine* m_Calculator { nullptr };
    ArchivePage* m_Archive { nullptr };
    ArchiveSettings* m_ArchiveSettings { nullptr };
    SettingsPage* m_Settings { nullptr };
    DateFieldSettings* m_DateSettings { nullptr }; // on the settings page, for the document's date fields
    QtTexts m_QtTexts;                             // Qt's own texts, such as a message box's buttons
};

} // namespace Tarvex::Demo
