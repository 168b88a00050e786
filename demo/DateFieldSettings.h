#pragma once

#include <QGroupBox>

#include <vector>

class QCheckBox;
class QComboBox;
class QFormLayout;

namespace Tarvex {
class ZIzazeviviro;
}

namespace Tarvex::Demo {

// The settings of the document page's date fields, applied to all of them at once and at the
// moment they are chosen: the language of their calendars, their style, date format, first day
// of the week and whether they are enabled.
class DateFieldSettings : public QGroupBox {
    Q_OBJECT
public:
    DateFieldSettings(std::vector<ZIzazeviviro*> Fields, QWidget* Parent = nullptr);

    QComboBox* Language() const { return m_Language; }
    QComboBox* Style() const { return m_Style; }
    QComboBox* DateFormat() const { return m_DateFormat; }
    QComboBox* FirstWeekDay() const { return m_FirstWeekDay; }
    QCheckBox* Enabled() const { return m_Enabled; }

    void ApplyTexts();
    // Shows what the fields hold now, as after reading a form file.
    void ShowFieldValues();

private:
    template <class Setter>
    void ApplyToFields(Setter Set);

    std::vector<ZIzazeviviro*> m_Fields; // all take every choice; the first is shown
    QFormLayout* m_Form { nullptr };
    QComboBox* m_Language { nullptr };   // index = Language
    QComboBox* m_Style { nullptr };      // index = Style (0 flat, 1 gradient)
    QComboBox* m_DateFormat { nullptr }; // index = DateFormat
    QComboBox* m_FirstWeekDay { nullptr }; // index + 1 = FirstWeekDay
    QCheckBox* m_Enabled { nullptr };
    bool m_Showing { false };            // while ShowFieldValues sets the choices, they are not applied
};

} // namespace Tarvex::Demo
