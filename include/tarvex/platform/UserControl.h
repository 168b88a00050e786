#pragma once

#include <tarvex/platform/Surface.h>

#include <QFont>

namespace Tarvex {

class PropertyBag;

// The base of every visual control: a drawing surface of its own, the host's property bag hooks,
// the property-changed notification, the ambient font and run or design mode.
//
// A host that places a new control calls InitProperties; one that restores a saved control calls
// ReadProperties with the saved bag; before saving it calls WriteProperties. A control that was
// never given either starts as InitProperties leaves it.
class UserControl : public Surface {
    Q_OBJECT
public:
    explicit UserControl(QWidget* Parent = nullptr);

    virtual void InitProperties() { }
    virtual void ReadProperties(PropertyBag& PropBag) { Q_UNUSED(PropBag); }
    virtual void WriteProperties(PropertyBag& PropBag) { Q_UNUSED(PropBag); }

    // The font of the host the control sits on (the application font when it has none).
    QFont AmbientFont() const;
    // True in a running program, false while a form designer shows the control; set by the host.
    bool UserMode() const;
    void UserMode(bool New_UserMode);

signals:
    void PropertyChanged(const QString& PropertyName);

protected:
    // After every change of size, the picture already grown or cut to the new size.
    virtual void Resize() { }
    // When the control itself gains or loses the keyboard focus.
    virtual void GotFocus() { }
    virtual void LostFocus() { }
    // Whether the control holds the focus, as the focus events last told it.
    bool HasFocus() const { return m_HasFocus; }

    void resizeEvent(QResizeEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    bool m_UserMode { true };  // run mode unless the host says otherwise
    bool m_HasFocus { false }; // set by the focus events, read by the controls' focus drawing
};

} // namespace Tarvex
