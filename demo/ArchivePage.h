#pragma once

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
    // Grabs Window with this page in each colour scheme ("archive-scheme-<n>.png") and each header
    // style ("archive-style-<n>.png") into Dir; returns the paths, empty on failure. The grid's own
    // scheme and style are restored afterwards.
    QStringList RenderLooks(const QString& Dir, QWidget& Window);

protected:
    // The grid paints when told to, as its host window tells it after a change of size.
    void resizeEvent(QResizeEvent* Event) override;

private:
    void AllowKeyboardWork();

    RuzuZiri* m_Grid { nullptr };
    QPushButton* m_Export { nullptr }; // writes the list to a file on the desktop
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
