#pragma once

#include "grid/RuzuZiriPrivate.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QList>
#include <QScreen>

// The grid's retained picture, read pixel by pixel, for tests that compare a picture drawn in part
// with a full paint of the same state.

namespace Tarvex {

// The retained picture as it stands; showing the widget could paint it again first.
inline QList<OleColor> Picture(const RuzuZiri& Grid)
{
    QList<OleColor> pixels;
    for (int y = 0; y < Grid.height(); ++y)
        for (int x = 0; x < Grid.width(); ++x)
            pixels.append(Grid.Point(x, y));
    return pixels;
}

// A mark in the picture that only a paint over it removes, and moving the picture's pixels moves.
inline void Mark(RuzuZiri& Grid, int X, int Y, OleColor Color = 0x0000FF)
{
    Grid.Line(X, Y, X + 1, Y, Color);
}

// What the screen shows of the grid, a top-level window, against its retained picture: a scroll that
// moved the screen's pixels and showed only the bands it drew leaves no stale pixel behind.
inline testing::AssertionResult ScreenShowsThePicture(RuzuZiri& Grid)
{
    QCoreApplication::processEvents();
    const QImage screen = Grid.screen()->grabWindow(Grid.winId()).toImage();
    const QPoint client = Grid.contentsRect().topLeft();
    for (int y = 0; y < int(Grid.ScaleHeight()); ++y) {
        for (int x = 0; x < int(Grid.ScaleWidth()); ++x) {
            const QRgb shown = screen.pixel(client.x() + x, client.y() + y);
            const OleColor drawn = Grid.Point(x, y);
            if (OleColor(qRed(shown) | qGreen(shown) << 8 | qBlue(shown) << 16) != drawn)
                return testing::AssertionFailure() << "pixel " << x << ", " << y << " shows " << qRed(shown) << ","
                                                   << qGreen(shown) << "," << qBlue(shown) << " on the screen, " << drawn
                                                   << " in the picture";
        }
    }
    return testing::AssertionSuccess();
}

// What the picture shows now against a full paint of the same state, every pixel but Skip.
inline testing::AssertionResult LooksLikeAFullPaint(RuzuZiri& Grid, qsizetype Skip = -1)
{
    const QList<OleColor> drawn = Picture(Grid);
    RuzuZiriPrivate::Of(Grid).DrawGrid(true);
    const QList<OleColor> full = Picture(Grid);
    for (qsizetype i = 0; i < full.size(); ++i) {
        if (i != Skip && drawn[i] != full[i])
            return testing::AssertionFailure() << "pixel " << i % Grid.width() << ", " << i / Grid.width() << " shows "
                                               << drawn[i] << ", a full paint " << full[i];
    }
    return testing::AssertionSuccess();
}

} // namespace Tarvex
