#pragma once

#include <QProxyStyle>

namespace Tarvex {

// The flat look of a scroll bar: the application style's geometry, so hit tests and sizes stay
// those of a standard bar, painted as plain fills with flat arrow buttons.
class FlatScrollBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    FlatScrollBarStyle();

    void drawComplexControl(ComplexControl Control, const QStyleOptionComplex* Option, QPainter* Painter,
                            const QWidget* Widget = nullptr) const override;
};

} // namespace Tarvex
