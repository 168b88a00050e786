#include "CalculatorLine.h"
#include "DemoWindow.h"
#include "DocumentPage.h"

#include "controls/calendar/ZIzazeviviro.h"

#include "app/LanguageFile.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace Tarvex;

namespace {

// Runs under a real X server (Xvfb): the window is mapped, typed into through the X event queue,
// and read back from the screen's framebuffer rather than from Qt's own rendering.
class DemoUnderX11 : public testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QStringLiteral("xcb"))
            GTEST_SKIP() << "needs an X server; ctest runs this suite under xvfb-run";
        const QString language = QStringLiteral(TARVEX_DEMO_SOURCE_DIR "/lng/deutsch.lng");
        LoadLanguageFile(language);
        m_Window = std::make_unique<Demo::DemoWindow>(language);
        m_Window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_Window.get()));
    }

    QImage Screen() const
    {
        return m_Window->screen()->grabWindow(m_Window->winId()).toImage();
    }

    std::unique_ptr<Demo::DemoWindow> m_Window;
};

TEST_F(DemoUnderX11, CalculatorLineEvaluatesWhatTheUserTypes)
{
    QLineEdit* input = m_Window->Calculator()->Input();
    input->setFocus();
    QTest::keyClicks(input, QStringLiteral("(1+2)*3"));
    QTest::keyClick(input, Qt::Key_Return);

    EXPECT_EQ(QStringLiteral("Ergebnis: 9"), m_Window->Calculator()->ResultText());
}

TEST_F(DemoUnderX11, ADateFieldOpensItsCalendarOnTheScreenAndClosesAgain)
{
    for (int page = 0; page < m_Window->PageCount() && !m_Window->Document()->isVisible(); ++page)
        m_Window->ShowPage(page);
    ZIzazeviviro* field = m_Window->Document()->DateField(0);
    QWidget* button = field->findChild<QWidget*>(QStringLiteral("btnCombo"));
    QWidget* panel = field->findChild<QWidget*>(QStringLiteral("picCalendar"));
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(panel->isVisible());
    QTest::qWait(50);

    // The panel's frame, where the window showed the page's background before: read from the
    // framebuffer, so the window must have reached the screen.
    const QPoint frame = panel->mapTo(m_Window.get(), QPoint(0, panel->height() / 2));
    EXPECT_EQ(QColor(0x70, 0x96, 0xDC), Screen().pixelColor(frame));
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::qWait(50);
    EXPECT_NE(QColor(0x70, 0x96, 0xDC), Screen().pixelColor(frame));
}

} // namespace
