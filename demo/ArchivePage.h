#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>

class QComboBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace Tarvex {
class FormFile;
class RuzuZiri;
}

namespace Tarvex::Demo {

// The archive page: every document of the archive in one grid, filled the way the archive window
// fills it: Clear, one AddItem per document with the TAB-joined texts, the open invoices marked
// through CellForeColor, then Redraw.
class ArchivePage : public QWidget {
    Q_OBJECT

public:
    explicit ArchivePage(int documents, QWidget* parent = nullptr);

    RuzuZiri* Grid() const { return m_Grid; }
    // Lists Count generated documents; the same count always lists the same documents.
    void Fill(int Count);
    // Takes the texts of the current language; the documents are listed anew when their texts changed.
    void ApplyTexts();
    // The user's column order and widths, kept in the per-user settings store between sessions.
    void RestoreColumns();
    void SaveColumns();
    // The grid's design in the window's form file, under its name. A restored design empties the
    // grid, as loading a window does, so the documents are listed anew; the caption stays the
    // language's. Returns what could not be read.
    QStringList ReadForm(FormFile& Form);
    void WriteForm(FormFile& Form) const;
    // The line under the grid: the number of the document double-clicked last.
    QString Status() const;
    // The column the rows were last sorted by a header click, and its order (2 smallest first,
    // 1 greatest first); -1 and 0 when unsorted. The page follows the grid's clicks to know it.
    int SortColumn() const { return m_SortColumn; }
    int SortOrder() const { return m_SortOrder; }
    // Where the grid last saw the pointer move, in its own pixels.
    QPoint MouseAt() const { return m_MouseAt; }
    // How often the grid told of the pointer coming and of it going.
    int MouseEnters() const { return m_MouseEnters; }
    int MouseLeaves() const { return m_MouseLeaves; }
    // Grabs Window with this page sorted by a header click, one column narrowed by a drag of its
    // border, and the tip of a text it cuts showing ("archive-mouse.png" in Dir); empty on failure.
    QString RenderMouse(const QString& Dir, QWidget& Window);
    // Grabs Window with this page in each colour scheme ("archive-scheme-<n>.png") and each header
    // style ("archive-style-<n>.png") into Dir; returns the paths, empty on failure. The grid's own
    // scheme and style are restored afterwards.
    QStringList RenderLooks(const QString& Dir, QWidget& Window);

protected:
    // The grid paints when told to, as its host window tells it after a change of size.
    void resizeEvent(QResizeEvent* Event) override;

private:
    void AllowKeyboardWork();
    void FollowSort(int Column);

    RuzuZiri* m_Grid { nullptr };
    QPushButton* m_Export { nullptr }; // writes the list to a file on the desktop
    QLabel* m_Status { nullptr };      // the document double-clicked last
    bool m_Sorted { false };           // a sort completed since the last column click
    bool m_CtrlPressed { false };      // the last press held Ctrl: a header click adds a second sort key
    int m_SortColumn { -1 };           // column number sorted by a header click; -1 none
    int m_SortOrder { 0 };             // its SortOrder: 2 smallest first, 1 greatest first
    QPoint m_MouseAt { -1, -1 };       // the grid's last MouseMove
    int m_MouseEnters { 0 };           // the grid's MouseEnter events so far
    int m_MouseLeaves { 0 };           //   and its MouseLeave events
    int m_Documents { 0 };  // what Fill listed last
    QString m_ListedKind;   // the text of an invoice when Fill listed them, to see a change of language
};

// The documents' texts, TAB-joined in the grid's column order: number, kind, date, customer, city,
// net, gross, status. Document n is always the same.
QString ArchiveDocument(int n);
// Whether document n is an invoice not yet paid.
bool IsOpenInvoice(int n);

// The grid settings the settings page offers for the archive page; each change shows at once.
class ArchiveSettings : public QWidget {
    Q_OBJECT

public:
    explicit ArchiveSettings(RuzuZiri* grid, QWidget* parent = nullptr);

    void ApplyTexts();
    // Shows the grid's settings again, after they changed elsewhere (a restored design).
    void ShowGridSettings();

private:
    QComboBox* AddChoice(const QStringList& names, void (ArchiveSettings::*apply)(int));
    void ChooseScheme(int index);
    void ChooseHeaderStyle(int index);
    void ChooseHighlight(int index);
    void ChooseGridLines(int index);

    RuzuZiri* m_Grid { nullptr };
    QGroupBox* m_Box { nullptr };
    QComboBox* m_Scheme { nullptr };     // ThemeColor 0..4
    QComboBox* m_HeaderStyle { nullptr }; // ThemeStyle 0..7
    QComboBox* m_Highlight { nullptr };  // FocusRowHighlightStyle 0..2
    QComboBox* m_GridLines { nullptr };  // GridLines 0..3
    QCheckBox* m_RowNumbers { nullptr }; // ShowRowNumbers
    QCheckBox* m_Totals { nullptr };     // TotalsLineShow
    std::array<QLabel*, 4> m_Labels {};  // before the four choices
};

} // namespace Tarvex::Demo
