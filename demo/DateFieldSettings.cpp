#include "DateFieldSettings.h"

#include "DemoTexts.h"

#include <tarvex/calendar/ZIzazeviviro.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

#include <algorithm>

namespace Tarvex::Demo {

namespace {

// The calendars name their months in these languages, in the order of the Language property.
const QStringList CalendarLanguages { QStringLiteral("English"), QStringLiteral("Nederlands"), QStringLiteral("Français"),
    QStringLiteral("Deutsch"), QStringLiteral("Italiano"), QStringLiteral("Español") };

// Replaces the items and keeps the chosen index.
void SetItems(QComboBox* Box, const QStringList& Items)
{
    const int chosen = std::max(Box->currentIndex(), 0);
    const QSignalBlocker quiet(Box);
    Box->clear();
    Box->addItems(Items);
    Box->setCurrentIndex(std::min(chosen, int(Items.size()) - 1));
}

void Choose(QComboBox* Box, int Index) { Box->setCurrentIndex(std::clamp(Index, 0, Box->count() - 1)); }

} // namespace

DateFieldSettings::DateFieldSettings(std::vector<ZIzazeviviro*> Fields, QWidget* Parent)
    : QGroupBox(Parent)
    , m_Fields(std::move(Fields))
    , m_Form(new QFormLayout(this))
    , m_Language(new QComboBox(this))
    , m_Style(new QComboBox(this))
    , m_DateFormat(new QComboBox(this))
    , m_FirstWeekDay(new QComboBox(this))
    , m_Enabled(new QCheckBox(this))
{
    m_Language->addItems(CalendarLanguages);
    for (QComboBox* choice : { m_Language, m_Style, m_DateFormat, m_FirstWeekDay })
        m_Form->addRow(new QLabel(this), choice);
    m_Form->addRow(m_Enabled);
    ApplyTexts();
    ShowFieldValues();

    connect(m_Language, &QComboBox::currentIndexChanged, this, [this](int Index) { ApplyToFields([Index](ZIzazeviviro& f) { f.Language(Index); }); });
    connect(m_Style, &QComboBox::currentIndexChanged, this, [this](int Index) { ApplyToFields([Index](ZIzazeviviro& f) { f.Style(Index); }); });
    connect(m_DateFormat, &QComboBox::currentIndexChanged, this,
        [this](int Index) { ApplyToFields([Index](ZIzazeviviro& f) { f.DateFormat(Index); }); });
    connect(m_FirstWeekDay, &QComboBox::currentIndexChanged, this,
        [this](int Index) { ApplyToFields([Index](ZIzazeviviro& f) { f.FirstWeekDay(Index + 1); }); });
    connect(m_Enabled, &QCheckBox::toggled, this, [this](bool On) { ApplyToFields([On](ZIzazeviviro& f) { f.Enabled(On); }); });
}

template <class Setter>
void DateFieldSettings::ApplyToFields(Setter Set)
{
    if (m_Showing)
        return;
    for (ZIzazeviviro* field : m_Fields)
        Set(*field);
}

void DateFieldSettings::ApplyTexts()
{
    setTitle(Text(DateFieldsCaption));
    const DemoText captions[] = { CalendarLanguageCaption, CalendarStyleCaption, DateFormatCaption, FirstWeekDayCaption };
    for (int row = 0; row < 4; ++row)
        static_cast<QLabel*>(m_Form->itemAt(row, QFormLayout::LabelRole)->widget())->setText(Text(captions[row]));
    m_Enabled->setText(Text(DateFieldsEnabledCaption));
    SetItems(m_Style, Text(CalendarStyleChoices).split(QLatin1Char('|')));
    SetItems(m_DateFormat, Text(DateFormatChoices).split(QLatin1Char('|')));
    SetItems(m_FirstWeekDay, Text(WeekdayChoices).split(QLatin1Char('|')));
}

void DateFieldSettings::ShowFieldValues()
{
    if (m_Fields.empty())
        return;
    const ZIzazeviviro& shown = *m_Fields.front();
    m_Showing = true;
    Choose(m_Language, shown.Language());
    Choose(m_Style, shown.Style() == 0 ? 0 : 1);
    Choose(m_DateFormat, shown.DateFormat() == 0 ? 0 : 1);
    Choose(m_FirstWeekDay, shown.FirstWeekDay() - 1);
    m_Enabled->setChecked(shown.Enabled());
    m_Showing = false;
}

} // namespace Tarvex::Demo
