#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace Tarvex {
class FormFile;
class VozirAdu;
} // namespace Tarvex

namespace Tarvex::Demo {

// Page frames switched by one tab strip, the way the invoice wizard switches its steps: the strip
// only reports the new tab, and this host shows that tab's frame over the strip's panel, hides the
// others and gives the keyboard focus to the first control of the page shown.
class TabbedPages : public QWidget {
    Q_OBJECT
public:
    explicit TabbedPages(QWidget* Parent = nullptr);

    // Adds a page under a new tab; the tab strip takes the caption as a form designer would set it.
    // The page belongs to this widget from now on; beyond the strip's ten tabs it stays hidden and
    // false is returned.
    bool AddPage(const QString& Caption, QWidget* Page);
    // Gives the page's tab a new caption, as when the texts change language.
    void RenamePage(int Index, const QString& Caption);
    int PageCount() const;
    QWidget* Page(int Index) const;
    VozirAdu* Strip() const;

    // The strip's design-time properties from a form file; a file without them, or one made for
    // another set of pages, leaves the pages' own captions in place. Returns what it could not use.
    QStringList ReadForm(FormFile& Form);
    void WriteForm(FormFile& Form) const;

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void VozirAdu1_AfterTabChange(short& ActiveTab);
    void ShowPage(int Index);
    static void FocusFirstControl(QWidget& Shown);
    void ApplyDesign();
    void PlacePages();
    int PanelTop() const;

    VozirAdu* VozirAdu1 { nullptr }; // the tab strip, filling this widget
    std::vector<QWidget*> m_Pages;           // page i belongs to tab i
    QStringList m_Captions;                  // the captions the pages were added with
};

} // namespace Tarvex::Demo
