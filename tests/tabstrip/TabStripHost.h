#pragma once

#include <tarvex/platform/OleColor.h>
#include <tarvex/platform/PictureBox.h>
#include <tarvex/tabstrip/VozirAdu.h>

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

// A shown window holding one tab strip, with the helpers a test needs to look at it and press it.
struct TabStripHost {
    static constexpr int Width = 400;
    static constexpr int Height = 120;

    QWidget Window;
    Tarvex::VozirAdu* Strip { new Tarvex::VozirAdu(&Window) };
    QWidget Other { &Window }; // somewhere for the focus to go

    TabStripHost()
    {
        Window.resize(Width + 20, Height + 40);
        Strip->setGeometry(0, 0, Width, Height);
        Other.setGeometry(0, Height + 10, 20, 20);
        Other.setFocusPolicy(Qt::StrongFocus);
        Window.show();
    }

    QImage Picture() const { return Strip->grab().toImage(); }
    QColor At(int X, int Y) const { return Picture().pixelColor(X, Y); }
    struct Probe {
        int X, Y;
        QColor Expected;
    };
    void ExpectColours(std::initializer_list<Probe> Probes) const
    {
        const QImage picture = Picture();
        for (const Probe& probe : Probes)
            EXPECT_EQ(probe.Expected, picture.pixelColor(probe.X, probe.Y)) << probe.X << "," << probe.Y;
    }

    Tarvex::PictureBox* TabStrip() const { return Strip->findChild<Tarvex::PictureBox*>(QStringLiteral("TabStrip")); }
    // The y of the panel's top edge, right under the tab row, in the control's pixels: 19 for a font
    // whose line fits the row's 17 pixels.
    int PanelTop() const { return TabStrip()->geometry().bottom() + 1; }
    Tarvex::PictureBox* Raised() const { return Strip->findChild<Tarvex::PictureBox*>(QStringLiteral("HighvozirAdu")); }

    // The x of each tab's black right edge on TabStrip: a column black from under the tab's top edge
    // to the bottom of the row, which no letter of a caption printed below that edge can be.
    std::vector<int> TabRightEdges() const
    {
        const QImage strip = TabStrip()->grab().toImage();
        const auto blackDown = [&strip](int X) {
            for (int y = 2; y < strip.height(); ++y)
                if (strip.pixelColor(X, y) != QColor(Qt::black))
                    return false;
            return true;
        };
        std::vector<int> edges;
        for (int x = 0; x < strip.width(); ++x)
            if (blackDown(x))
                edges.push_back(x);
        return edges;
    }

    // Left edges of the tabs in TabStrip's pixels, as the layout places them.
    std::vector<int> TabLefts() const
    {
        std::vector<int> lefts { 2 };
        for (int i = 0; i + 1 < Strip->NumberOfTabs(); ++i)
            lefts.push_back(lefts.back() + ExpectedTabWidth(Strip->Caption(i)));
        return lefts;
    }

    int ExpectedTabWidth(const QString& Caption) const
    {
        return qRound(QFontMetricsF(TabStrip()->font()).horizontalAdvance(Caption) + 15);
    }

    void PressStripAt(int X) const { QTest::mousePress(TabStrip(), Qt::LeftButton, {}, QPoint(X, 8)); }

    void Focus()
    {
        QApplication::setActiveWindow(&Window);
        Strip->setFocus(Qt::OtherFocusReason);
    }
    void Unfocus() { Other.setFocus(Qt::OtherFocusReason); }
};
