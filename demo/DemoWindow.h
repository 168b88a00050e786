#pragma once

#include <QMainWindow>
#include <QStringList>

namespace Tarvex {
class FormFile;
}

namespace Tarvex::Demo {

class CalculatorLine;
class TabbedPages;

// The demo host's one window: the pages an invoicing application shows with the components.
class DemoWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit DemoWindow(QWidget* parent = nullptr);

    int PageCount() const;
    // Selects the page's tab on the tab strip, which then shows the page.
    void ShowPage(int index);
    int CurrentPage() const;
    CalculatorLine* Calculator() const { return m_Calculator; }
    TabbedPages* Pages() const { return m_Pages; }

    // Renders every page to "<dir>/<n>-<name>.png", each selected through its tab, and returns the
    // paths written; empty on failure. The page shown before is shown again afterwards.
    QStringList RenderPages(const QString& dir);

    // The design-time properties of the window's controls, as a form designer would keep them.
    // Reading returns what the form held that could not be used.
    QStringList ReadForm(FormFile& form);
    void WriteForm(FormFile& form) const;

private:
    QWidget* BuildDocumentPage();

    TabbedPages* m_Pages { nullptr };   // the tab strip and one page frame per tab
    QStringList m_PageNames;            // file-name stem of each page, in page order
    CalculatorLine* m_Calculator { nullptr };
};

} // namespace Tarvex::Demo
