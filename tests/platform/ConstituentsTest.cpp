#include <tarvex/platform/Label.h>

#include <tarvex/platform/PictureBox.h>
#include <tarvex/platform/Shape.h>
#include <tarvex/platform/TextBox.h>
#include <tarvex/platform/Timer.h>

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

// Events as a host's handlers see them, in order.
template <class Constituent>
void RecordEvents(Constituent* Source, QStringList& Log)
{
    QObject::connect(Source, &Constituent::MouseDown, [&Log] { Log << QStringLiteral("MouseDown"); });
    QObject::connect(Source, &Constituent::MouseUp, [&Log] { Log << QStringLiteral("MouseUp"); });
    QObject::connect(Source, &Constituent::Click, [&Log] { Log << QStringLiteral("Click"); });
    QObject::connect(Source, &Constituent::DblClick, [&Log] { Log << QStringLiteral("DblClick"); });
}

// What a display server makes of a double click: the second press comes with a double-click event.
void DoubleClick(QWidget* Target)
{
    QTest::mouseClick(Target, Qt::LeftButton);
    QTest::mousePress(Target, Qt::LeftButton);
    QTest::mouseDClick(Target, Qt::LeftButton);
    QTest::mouseRelease(Target, Qt::LeftButton);
}

// The rows of Picture holding any pixel that is not white.
int InkRows(const QImage& Picture)
{
    int rows = 0;
    for (int y = 0; y < Picture.height(); ++y) {
        for (int x = 0; x < Picture.width(); ++x) {
            if (Picture.pixelColor(x, y) != QColor(Qt::white)) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

struct Host {
    QWidget Window;
    Host()
    {
        Window.resize(200, 100);
        Window.show();
    }
};

} // namespace

TEST(Constituents, ADoubleClickRaisesOneClickAndOneDblClickButAReleaseOutsideIsNoClick)
{
    Host host;
    auto* label = new Label(&host.Window);
    auto* picture = new PictureBox(&host.Window);
    auto* text = new TextBox(&host.Window);
    label->Move(0, 0, 600, 300);
    picture->Move(50, 0, 40, 20);
    text->Move(1500, 0, 600, 300);
    QStringList labelLog, pictureLog, textLog;
    RecordEvents(label, labelLog);
    RecordEvents(picture, pictureLog);
    RecordEvents(text, textLog);
    for (QWidget* target : std::initializer_list<QWidget*> { label, picture, text })
        DoubleClick(target);
    const QStringList expected { "MouseDown", "MouseUp", "Click", "MouseDown", "DblClick", "MouseUp" };
    for (const QStringList* log : { &labelLog, &pictureLog, &textLog })
        EXPECT_EQ(expected, *log);

    // A release outside or of another button is no click.
    QSignalSpy clicks(label, &Label::Click);
    QTest::mousePress(label, Qt::LeftButton);
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(70, 5));
    QTest::mouseClick(label, Qt::RightButton);
    EXPECT_EQ(0, clicks.size());
}

TEST(Constituents, ALabelIsPlacedInTwipsAndWritingTheSameCaptionAgainIsNoChange)
{
    Host host;
    auto* label = new Label(&host.Window);
    QSignalSpy changes(label, &Label::Change);
    label->Caption(QStringLiteral("17"));
    label->Caption(QStringLiteral("17"));
    label->Move(60, 45, 255, 255);
    EXPECT_EQ(1, changes.size());
    EXPECT_EQ(QRect(4, 3, 17, 17), label->geometry());
}

TEST(Constituents, ALabelLowerThanALineKeepsItsTopAndGrowsToShowTheWholeCaption)
{
    const QString caption = QStringLiteral("Jjgpqy");
    QFont large;
    large.setPixelSize(30);
    for (const QFont& font : { QFont(), large }) {
        Host host;
        auto* label = new Label(&host.Window);
        label->Caption(caption);
        label->BackColor(0xFFFFFF);
        label->ForeColor(0x000000);
        label->Move(60, 30, 1500, 195); // 13 pixels high
        label->setFont(font);
        EXPECT_EQ(QPoint(4, 2), label->pos());

        QImage unclipped(200, 100, QImage::Format_RGB32);
        unclipped.fill(Qt::white);
        QPainter painter(&unclipped);
        painter.setFont(label->font());
        painter.drawText(unclipped.rect(), Qt::AlignLeft | Qt::AlignTop, caption);
        painter.end();
        EXPECT_EQ(InkRows(unclipped), InkRows(label->grab().toImage())) << font.pixelSize();
    }
}

TEST(Constituents, AnOpaqueLabelFillsItsBackColourAndATransparentOneShowsItsContainer)
{
    Host host;
    host.Window.setPalette(QPalette(Qt::white));
    auto* label = new Label(&host.Window);
    label->Move(0, 0, 600, 300);
    label->BackColor(0x0000FF);
    EXPECT_EQ(QColor(Qt::red), label->grab().toImage().pixelColor(38, 18));
    label->BackStyle(BackStyles::Transparent);
    label->show();
    EXPECT_EQ(QColor(Qt::white), host.Window.grab().toImage().pixelColor(38, 18));
}

TEST(Constituents, AShapeDrawsItsFrameInsideItsBoundsAndFillsOnlyWhenSolid)
{
    Host host;
    host.Window.setPalette(QPalette(Qt::white));
    auto* shape = new Shape(&host.Window);
    shape->Move(150, 150, 300, 150);
    shape->show();
    shape->BorderColor(0x00FF00);
    shape->FillColor(0xFF0000);
    const auto at = [&host](int X, int Y) { return host.Window.grab().toImage().pixelColor(X, Y); };
    EXPECT_EQ(QColor(Qt::green), at(10, 10));
    EXPECT_EQ(QColor(Qt::green), at(29, 19));
    EXPECT_EQ(QColor(Qt::white), at(30, 20));
    EXPECT_EQ(QColor(Qt::white), at(20, 15)); // transparent inside
    shape->FillStyle(FillStyles::Solid);
    EXPECT_EQ(QColor(Qt::blue), at(20, 15));
    EXPECT_TRUE(shape->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST(Constituents, ATextBoxRaisesChangeForTypedAndWrittenText)
{
    Host host;
    auto* text = new TextBox(&host.Window);
    QSignalSpy changes(text, &TextBox::Change);
    text->Text(QStringLiteral("12"));
    text->setFocus();
    QTest::keyClicks(text, QStringLiteral("3"));
    EXPECT_EQ(QStringLiteral("123"), text->Text());
    EXPECT_EQ(2, changes.size());
    text->Locked(true);
    QTest::keyClicks(text, QStringLiteral("4"));
    EXPECT_EQ(QStringLiteral("123"), text->Text());
}

TEST(Timer, ADrivenClockRaisesOneTickPerIntervalAndNoneWhileDisabled)
{
    DrivenClock clock;
    Timer timer;
    timer.Interval(250);
    QSignalSpy ticks(&timer, &Timer::Tick);
    clock.Advance(1000);
    EXPECT_EQ(4, ticks.size());
    clock.Advance(249);
    EXPECT_EQ(4, ticks.size());
    timer.Enabled(false);
    clock.Advance(1000);
    EXPECT_EQ(4, ticks.size());
    timer.Enabled(true); // counts anew from now
    clock.Advance(260);
    EXPECT_EQ(5, ticks.size());
    timer.Interval(0);
    clock.Advance(1000);
    EXPECT_EQ(5, ticks.size());
}

TEST(Timer, AHandlerThatStopsOrDeletesATimerEndsItsTicksAtOnce)
{
    DrivenClock clock;
    Timer stopping;
    auto* deleted = new Timer;
    stopping.Interval(100);
    deleted->Interval(100);
    int stops = 0;
    QObject::connect(&stopping, &Timer::Tick, [&] {
        ++stops;
        stopping.Enabled(false);
    });
    QObject::connect(deleted, &Timer::Tick, [&deleted] {
        delete deleted;
        deleted = nullptr;
    });
    clock.Advance(1000);
    EXPECT_EQ(1, stops);
    EXPECT_EQ(nullptr, deleted);
}
