#pragma once

#include <tarvex/platform/BackStyle.h>
#include <tarvex/platform/MouseEvents.h>
#include <tarvex/platform/OleColor.h>

#include <QWidget>

namespace Tarvex {

// A constituent label: one caption drawn in the fore colour, over its back colour when opaque,
// wrapped at word boundaries and cut at its bottom edge. Placed in twips on its container; a label
// placed lower than one line of its font keeps its top and grows down to hold the whole line.
// A label that was disabled itself draws its caption greyed; one on a disabled container does not.
class Label : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE Caption NOTIFY Change)
public:
    // The platform's numbers.
    enum class Alignments { Left = 0, Right = 1, Center = 2 };

    explicit Label(QWidget* Parent = nullptr);

    QString Caption() const;
    // Raises Change when the caption differs from the one shown.
    void Caption(const QString& New_Caption);
    OleColor ForeColor() const;
    void ForeColor(OleColor New_ForeColor);
    OleColor BackColor() const;
    void BackColor(OleColor New_BackColor);
    BackStyles BackStyle() const;
    void BackStyle(BackStyles New_BackStyle);
    bool FontBold() const;
    void FontBold(bool New_FontBold);
    Alignments Alignment() const;
    void Alignment(Alignments New_Alignment);
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
    // X and Y in twips of the label.
    void MouseDown(int Button, int Shift, double X, double Y);
    void MouseUp(int Button, int Shift, double X, double Y);

protected:
    void changeEvent(QEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    void HoldOneLine();

    QString m_Caption;                                  // shown as is
    OleColor m_ForeColor { SystemColor::ButtonText };   // the caption
    OleColor m_BackColor { SystemColor::ButtonFace };   // the area, when opaque
    BackStyles m_BackStyle { BackStyles::Opaque };      // transparent shows the container through
    Alignments m_Alignment { Alignments::Left };        // of each caption line
    ClickSequence m_Clicks;                             // presses and releases to the events above
};

} // namespace Tarvex
