#pragma once

#include <tarvex/app/progtxt.h>
#include <tarvex/calendar/ZIzazeviviro.h>
#include <tarvex/platform/Label.h>
#include <tarvex/platform/PictureBox.h>
#include <tarvex/platform/PropertyBag.h>
#include <tarvex/platform/Shape.h>

#include <QImage>
#include <QTest>

// A shown window holding one date field in German, with the helpers a test needs to look at it
// and use it by mouse.
struct CalendarHost {
    // The date pattern of the language file, in place before the field reads it.
    struct DatePattern {
        DatePattern() { Tarvex::progtxt.Set(0, QStringLiteral("dd.mm.yyyy")); }
    } Pattern;
    QWidget Window;
    Tarvex::ZIzazeviviro* Field { new Tarvex::ZIzazeviviro(&Window) };

    // With a start date the field loads as a saved one would.
    explicit CalendarHost(const QString& StartDate = QString(), int DateFormat = 0)
    {
        Tarvex::PropertyBag bag;
        bag.WriteProperty(QStringLiteral("StartDate"), StartDate);
        bag.WriteProperty(QStringLiteral("DateFormat"), QString::number(DateFormat));
        Field->ReadProperties(bag);
        Window.resize(260, 260);
        Field->move(10, 10);
        Window.show();
    }

    template <class Constituent = QWidget>
    Constituent* Part(const QString& Name) const
    {
        return Field->findChild<Constituent*>(Name);
    }
    Tarvex::Label* Cell(int Index) const { return Part<Tarvex::Label>(QStringLiteral("lblNumbers(%1)").arg(Index)); }
    Tarvex::Label* MonthEntry(int Index) const { return Part<Tarvex::Label>(QStringLiteral("lblMonth(%1)").arg(Index)); }
    QString Caption(const QString& Name) const { return Part(Name)->property("Caption").toString(); }
    QStringList CellCaptions() const
    {
        QStringList captions;
        for (int i = 0; i < 42; ++i)
            captions << Cell(i)->Caption();
        return captions;
    }
    bool Open() const { return Part(QStringLiteral("picCalendar"))->isVisible(); }

    void Click(const QString& Name) const { QTest::mouseClick(Part(Name), Qt::LeftButton); }
    // As a display server sends it: the second press comes with a double-click event.
    void DoubleClick(const QString& Name) const
    {
        QWidget* target = Part(Name);
        QTest::mouseClick(target, Qt::LeftButton);
        QTest::mousePress(target, Qt::LeftButton);
        QTest::mouseDClick(target, Qt::LeftButton);
        QTest::mouseRelease(target, Qt::LeftButton);
    }
    // The cell showing the day, or -1.
    int CellOf(int Day) const { return int(CellCaptions().indexOf(QString::number(Day))); }
    void ClickDay(int Day) const { QTest::mouseClick(Cell(CellOf(Day)), Qt::LeftButton); }
    bool Highlighted(int Index) const { return Cell(Index)->BackStyle() == Tarvex::BackStyles::Opaque; }

    // Shows the month of the given year in the panel, as a user would by month list and spin.
    void ShowMonth(int Month, int Year)
    {
        Field->findChild<Tarvex::Label*>(QStringLiteral("txtSpin"))->Caption(QString::number(Year));
        Field->findChild<Tarvex::Label*>(QStringLiteral("txtMonth"))->Caption(MonthEntry(Month - 1)->Caption());
    }

    // The retained picture of a picture box, without the constituents on it.
    Tarvex::OleColor PixelOf(const QString& Name, int X, int Y) const { return Part<Tarvex::PictureBox>(Name)->Point(X, Y); }
};
