#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace Tarvex {
class FormFile;
class ZIzazeviviro;
} // namespace Tarvex

namespace Tarvex::Demo {

// The invoice document: three date fields side by side (invoice, delivery and due date, one
// control array as the wizard has them), and below them whatever the window adds. The fields are
// placed by hand, not by a layout, since an open field grows over the widgets below it.
class DocumentPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int DateFieldCount = 3;

    explicit DocumentPage(QWidget* Parent = nullptr);

    // Adds a widget under the row of date fields.
    void AddBelowDates(QWidget* Widget);
    ZIzazeviviro* DateField(int Index) const;
    QString LastChange() const;

    void ApplyTexts();
    QStringList ReadForm(FormFile& Form);
    void WriteForm(FormFile& Form) const;

    // Opens a field's panel, and its month list too, as a user's clicks would; with neither, closes it.
    void ShowDropDown(int Index, bool Panel, bool MonthList);
    bool DropDownShown(int Index) const;

private:
    void DateField_Change(int Index);

    std::array<ZIzazeviviro*, DateFieldCount> ZIzazeviviro1 {}; // the control array, invoice date first
    std::array<QLabel*, DateFieldCount> m_Captions {};         // above each field
    QLabel* m_LastChange { nullptr };                           // what the last Change said
    int m_LastChanged { -1 };                                   // the field of that Change, -1 = none yet
};

} // namespace Tarvex::Demo
