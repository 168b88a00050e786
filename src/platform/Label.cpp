#include <tarvex/platform/Label.h>

#include "platform/TwipsGeometry.h"

#include <tarvex/platform/Scale.h>

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace Tarvex {

Label::Label(QWidget* Parent)
    : QWidget(Parent)
    , m_Clicks(*this, Scale::TwipsPerPixel, SignalsOf(this))
{
    HoldOneLine();
}

// Heights kept from twips layouts drawn for another font cut the descenders off a caption. The
// line is measured by the font's own ascent and descent, whatever its size.
void Label::HoldOneLine()
{
    const QFontMetrics metrics(font());
    setMinimumHeight(metrics.ascent() + metrics.descent());
}

void Label::changeEvent(QEvent* Event)
{
    if (Event->type() == QEvent::FontChange)
        HoldOneLine();
    QWidget::changeEvent(Event);
}

QString Label::Caption() const { return m_Caption; }

void Label::Caption(const QString& New_Caption)
{
    if (New_Caption == m_Caption)
        return;
    m_Caption = New_Caption;
    update();
    emit Change();
}

OleColor Label::ForeColor() const { return m_ForeColor; }

void Label::ForeColor(OleColor New_ForeColor)
{
    m_ForeColor = New_ForeColor;
    update();
}

OleColor Label::BackColor() const { return m_BackColor; }

void Label::BackColor(OleColor New_BackColor)
{
    m_BackColor = New_BackColor;
    update();
}

BackStyles Label::BackStyle() const { return m_BackStyle; }

void Label::BackStyle(BackStyles New_BackStyle)
{
    m_BackStyle = New_BackStyle;
    update();
}

bool Label::FontBold() const { return font().bold(); }

void Label::FontBold(bool New_FontBold)
{
    QFont bold = font();
    bold.setBold(New_FontBold);
    setFont(bold);
}

Label::Alignments Label::Alignment() const { return m_Alignment; }

void Label::Alignment(Alignments New_Alignment)
{
    m_Alignment = New_Alignment;
    update();
}

bool Label::Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }

void Label::Enabled(bool New_Enabled) { setEnabled(New_Enabled); }

bool Label::Visible() const { return !isHidden(); }

void Label::Visible(bool New_Visible) { setVisible(New_Visible); }

void Label::Move(double Left, double Top, double Width, double Height) { MoveInTwips(*this, Left, Top, Width, Height); }

void Label::paintEvent(QPaintEvent* Event)
{
    Q_UNUSED(Event);
    QPainter painter(this);
    if (m_BackStyle == BackStyles::Opaque)
        painter.fillRect(rect(), TranslateOleColor(m_BackColor, palette()));
    const QColor text = Enabled() ? TranslateOleColor(m_ForeColor, palette()) : palette().color(QPalette::Disabled, QPalette::WindowText);
    const int horizontal = m_Alignment == Alignments::Center ? Qt::AlignHCenter
        : m_Alignment == Alignments::Right                  ? Qt::AlignRight
                                                            : Qt::AlignLeft;
    painter.setPen(text);
    painter.drawText(rect(), horizontal | Qt::AlignTop | Qt::TextWordWrap, m_Caption);
}

void Label::mousePressEvent(QMouseEvent* Event) { m_Clicks.Press(*Event); }

void Label::mouseDoubleClickEvent(QMouseEvent* Event) { m_Clicks.DoublePress(*Event); }

void Label::mouseReleaseEvent(QMouseEvent* Event) { m_Clicks.Release(*Event); }

} // namespace Tarvex
