#pragma once

#include "DemoProcess.h"

#include <QGuiApplication>
#include <QJsonArray>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace Tarvex::EndToEnd {

// Each test drives a demo of its own in the X server that ctest starts for it, and ends it as a user
// would: the demo must then exit cleanly, which in the sanitizer build also means without a report.
// A fixture that builds on this one returns from its own SetUp when m_Demo is empty (skipped).
class DemoTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server; ctest runs this suite under xvfb-run";
        m_Demo = std::make_unique<DemoProcess>();
    }

    void TearDown() override
    {
        // EXPECT_EQ is an if of its own: the braces keep the else its.
        if (m_Demo) {
            EXPECT_EQ(0, m_Demo->End(HasFailure()));
        }
    }

    // Where the archive grid's pixel (0, 0) lies in the window: the grid reports where it saw the
    // pointer, as the user's eye would find it.
    void FindGridOrigin()
    {
        const QPoint probe = RectOf(Archive(m_Demo->State())[QLatin1String("Rect")]).topLeft() + QPoint(60, 60);
        const QJsonArray at = PointerSeen(probe, [](QPoint At) { return At.x() >= 0; })[QLatin1String("MouseAt")].toArray();
        m_Origin = probe - QPoint(at[0].toInt(), at[1].toInt());
    }

    // The archive's state once the grid has seen the pointer at its pixel Where (FindGridOrigin first).
    QJsonObject SeenAt(QPoint Where)
    {
        return PointerSeen(m_Origin + Where, [&](QPoint At) { return At == Where; });
    }

    // The archive's state once the grid saw the pointer, moved to Where in window pixels, at a place of
    // its own pixels for which Holds is true.
    QJsonObject PointerSeen(QPoint Where, const std::function<bool(QPoint)>& Holds)
    {
        m_Demo->MoveTo(Where);
        return Archive(m_Demo->WaitForState(
            [&](const QJsonObject& State) {
                const QJsonArray at = Archive(State)[QLatin1String("MouseAt")].toArray();
                return at.size() == 2 && Holds(QPoint(at[0].toInt(), at[1].toInt()));
            },
            QStringLiteral("the grid to see the pointer at %1, %2").arg(Where.x()).arg(Where.y())));
    }

    std::unique_ptr<DemoProcess> m_Demo;
    QPoint m_Origin; // the archive grid's pixel (0, 0) in the window; set by FindGridOrigin
};

} // namespace Tarvex::EndToEnd
