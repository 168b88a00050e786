#pragma once

#include <QFont>
#include <QString>

// A test whose expectation depends on how tall or wide text is names its face instead of taking the
// desktop's sans-serif, which differs from machine to machine. DejaVu Sans is the face that
// scripts/setup installs on every machine the tests run on; 9 points is the size Qt gives its
// default font, so a test that names it sees what it saw on a machine whose sans-serif it was.
inline QFont DejaVuSans(qreal PointSize = 9)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(PointSize);
    return font;
}
