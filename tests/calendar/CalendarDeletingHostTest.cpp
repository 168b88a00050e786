#include "CalendarHost.h"

#include <QPointer>

#include <gtest/gtest.h>

#include <functional>

using namespace Tarvex;

namespace {

// The user's double click, as CalendarHost sends it, ending where the field went away under it.
void DoubleClickWhileThere(QWidget* Part)
{
    const QPointer<QWidget> target = Part;
    QTest::mouseClick(target, Qt::LeftButton);
    if (target)
        QTest::mousePress(target, Qt::LeftButton);
    if (target)
        QTest::mouseDClick(target, Qt::LeftButton);
    if (target)
        QTest::mouseRelease(target, Qt::LeftButton);
}

// What the user or the host does to a field whose host deletes it from one of its events.
struct Sequence {
    const char* name;
    const char* deletesOn;                    // "Change", or the property whose notice deletes the field
    int raise;                                // the raise that deletes; the Changes before it blank the text
    std::function<void(CalendarHost&)> act;
};

const Sequence Sequences[] {
    { "clicks a day", "Change", 1, [](CalendarHost& h) { h.Click("btnCombo"); h.ClickDay(7); } },
    { "double-clicks a day", "Change", 2,
      [](CalendarHost& h) { h.Click("btnCombo"); DoubleClickWhileThere(h.Cell(h.CellOf(7))); } },
    { "chooses a month", "Change", 1,
      [](CalendarHost& h) { h.Click("btnCombo"); h.Click("btnMonthDown"); h.Click("lblMonth(2)"); } },
    { "double-clicks a month", "Change", 2,
      [](CalendarHost& h) {
          h.Click("btnCombo");
          h.Click("btnMonthDown");
          DoubleClickWhileThere(h.MonthEntry(2));
      } },
    { "writes Text", "Change", 1, [](CalendarHost& h) { h.Field->Text("01.02.2003"); } },
    { "writes Text", "Text", 1, [](CalendarHost& h) { h.Field->Text("01.02.2003"); } },
    { "loads a saved field", "Change", 1,
      [](CalendarHost& h) {
          PropertyBag bag;
          bag.WriteProperty(QStringLiteral("StartDate"), QStringLiteral("01.02.2003"));
          h.Field->ReadProperties(bag);
      } },
    { "writes Language", "Language", 1, [](CalendarHost& h) { h.Field->Language(2); } },
    { "writes FirstWeekDay", "FirstWeekDay", 1, [](CalendarHost& h) { h.Field->FirstWeekDay(2); } },
    { "writes Style", "Style", 1, [](CalendarHost& h) { h.Field->Style(0); } },
    { "writes Enabled", "Enabled", 1, [](CalendarHost& h) { h.Field->Enabled(false); } },
    { "writes DateFormat", "DateFormat", 1, [](CalendarHost& h) { h.Field->DateFormat(1); } },
    { "writes a colour", "DropDnBackColor", 1,
      [](CalendarHost& h) { h.Field->DropDnBackColor(0xFF); } },
};

} // namespace

// The field is gone as soon as the handler returns: nothing of it may be touched after that (the
// sanitizer build tells), and the rest of what the user did finds no field to act on.
TEST(CalendarDeletingHost, AFieldDeletedFromItsOwnEventIsLeftAlone)
{
    for (const Sequence& sequence : Sequences) {
        CalendarHost host(QStringLiteral("15.03.2010"));
        QPointer<ZIzazeviviro> field = host.Field;
        int raises = 0;
        const auto raised = [&] {
            if (++raises == sequence.raise)
                delete field.data();
            else
                field->Text(QString());
        };
        QObject::connect(field, &ZIzazeviviro::Change, [&] {
            if (QLatin1String(sequence.deletesOn) == QLatin1String("Change"))
                raised();
        });
        QObject::connect(field, &UserControl::PropertyChanged, [&](const QString& name) {
            if (name == QLatin1String(sequence.deletesOn))
                raised();
        });
        sequence.act(host);
        EXPECT_TRUE(field.isNull()) << sequence.name << " deleting on " << sequence.deletesOn;
    }
}
