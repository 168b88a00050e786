#include "platform/FlatScrollBarStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionSlider>

namespace Tarvex {

namespace {

// A part under the pressed mouse is darker than one under the hovering mouse, which is darker
// than one at rest.
QColor PartColor(const QStyleOptionSlider& Bar, QStyle::SubControl Part, const QColor& Rest)
{
    if (Bar.activeSubControls & Part)
        return (Bar.state & QStyle::State_Sunken) ? Rest.darker(140) : Rest.darker(115);
    return Rest;
}

} // namespace

// Based on Fusion, whose bars draw the same on every platform.
FlatScrollBarStyle::FlatScrollBarStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

void FlatScrollBarStyle::drawComplexControl(ComplexControl Control, const QStyleOptionComplex* Option,
                                            QPainter* Painter, const QWidget* Widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(Option);
    if (Control != CC_ScrollBar || !bar) {
        QProxyStyle::drawComplexControl(Control, Option, Painter, Widget);
        return;
    }
    const QPalette& palette = bar->palette;
    Painter->fillRect(bar->rect, palette.color(QPalette::Midlight));

    const QRect handle = subControlRect(Control, bar, SC_ScrollBarSlider, Widget);
    if (bar->minimum < bar->maximum)
        Painter->fillRect(handle.adjusted(1, 1, -1, -1), PartColor(*bar, SC_ScrollBarSlider, palette.color(QPalette::Mid)));

    const bool horizontal = bar->orientation == Qt::Horizontal;
    const struct {
        SubControl Part;
        PrimitiveElement Arrow;
    } buttons[] = {
        { SC_ScrollBarSubLine, horizontal ? PE_IndicatorArrowLeft : PE_IndicatorArrowUp },
        { SC_ScrollBarAddLine, horizontal ? PE_IndicatorArrowRight : PE_IndicatorArrowDown },
    };
    for (const auto& button : buttons) {
        QStyleOption arrow = *bar;
        arrow.rect = subControlRect(Control, bar, button.Part, Widget);
        Painter->fillRect(arrow.rect, PartColor(*bar, button.Part, palette.color(QPalette::Button)));
        arrow.rect.adjust(3, 3, -3, -3);
        arrow.state &= ~State_Sunken;
        drawPrimitive(button.Arrow, &arrow, Painter, Widget);
    }
}

} // namespace Tarvex
