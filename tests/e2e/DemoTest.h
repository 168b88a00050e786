#pragma once

#include "DemoProcess.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

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

    std::unique_ptr<DemoProcess> m_Demo;
};

} // namespace Tarvex::EndToEnd
