#pragma once

#include "grid/RuzuZiriPrivate.h"

#include <gtest/gtest.h>

#include <QList>

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
