#pragma once

#include <tarvex/platform/MouseEvents.h>
#include <tarvex/platform/OleColor.h>

#include <QLineEdit>

namespace Tarvex {

// A constituent one-line text box the user types into. Change follows every change of the text,
// typed or written. Placed in twips on its container.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* Parent = nullptr);

    QString Text() const;
    void Text(const QString& New_Text);
    OleColor ForeColor() const;
    void ForeColor(OleColor New_ForeColor);
    OleColor BackColor() const;
    void BackColor(OleColor New_BackColor);
    bool FontBold() const;
    void FontBold(bool New_FontBold);
    // A locked text box shows its text and lets it be selected, but takes no typing.
    bool Locked() const;
    void Locked(bool New_Locked);
    bool Enabled() const;
    void Enabled(bool New_Enabled);
    bool Visible() const;
    void Visible(bool New_Visible);

    // Twips of the container.
    void Move(double Left, double Top, double Width, double Height);

signals:
    void Change();
    void Click();
    void DblClick();
    // X and Y in twips of the text box.
    void MouseDown(int Button, int Shift, double X, double Y);
    void MouseUp(int Button, int Shift, double X, double Y);

protected:
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    void ApplyColors();

    OleColor m_ForeColor { SystemColor::WindowText }; // the text
    OleColor m_BackColor { SystemColor::Window };     // the field
    ClickSequence m_Clicks;                           // presses and releases to the events above
};

} // namespace Tarvex
