#include <tarvex/platform/TextBox.h>

#include "platform/TwipsGeometry.h"

#include <tarvex/platform/Scale.h>

#include <QMouseEvent>

namespace Tarvex {

TextBox::TextBox(QWidget* Parent)
    : QLineEdit(Parent)
    , m_Clicks(*this, Scale::TwipsPerPixel, SignalsOf(this))
{
    connect(this, &QLineEdit::textChanged, this, &TextBox::Change);
    ApplyColors();
}

QString TextBox::Text() const { return text(); }

void TextBox::Text(const QString& New_Text) { setText(New_Text); }

OleColor TextBox::ForeColor() const { return m_ForeColor; }

void TextBox::ForeColor(OleColor New_ForeColor)
{
    m_ForeColor = New_ForeColor;
    ApplyColors();
}

OleColor TextBox::BackColor() const { return m_BackColor; }

void TextBox::BackColor(OleColor New_BackColor)
{
    m_BackColor = New_BackColor;
    ApplyColors();
}

bool TextBox::FontBold() const { return font().bold(); }

void TextBox::FontBold(bool New_FontBold)
{
    QFont bold = font();
    bold.setBold(New_FontBold);
    setFont(bold);
}

bool TextBox::Locked() const { return isReadOnly(); }

void TextBox::Locked(bool New_Locked) { setReadOnly(New_Locked); }

bool TextBox::Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }

void TextBox::Enabled(bool New_Enabled) { setEnabled(New_Enabled); }

bool TextBox::Visible() const { return !isHidden(); }

void TextBox::Visible(bool New_Visible) { setVisible(New_Visible); }

void TextBox::Move(double Left, double Top, double Width, double Height) { MoveInTwips(*this, Left, Top, Width, Height); }

// System colours are looked up in the application's palette, since this widget's own palette is
// the one being replaced.
void TextBox::ApplyColors()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Text, TranslateOleColor(m_ForeColor));
    colours.setColor(QPalette::Base, TranslateOleColor(m_BackColor));
    setPalette(colours);
}

void TextBox::mousePressEvent(QMouseEvent* Event)
{
    QLineEdit::mousePressEvent(Event);
    m_Clicks.Press(*Event);
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* Event)
{
    QLineEdit::mouseDoubleClickEvent(Event);
    m_Clicks.DoublePress(*Event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* Event)
{
    QLineEdit::mouseReleaseEvent(Event);
    m_Clicks.Release(*Event);
}

} // namespace Tarvex
