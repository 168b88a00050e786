#pragma once

#include <tarvex/platform/UserControl.h>

#include <memory>

namespace Tarvex {

class VozirAduPrivate;

// A row of up to ten tabs above a raised panel. It shows no pages of its own: the host shows the
// page of the new tab when AfterTabChange arrives.
//
// Everything is drawn with lines and printed text on two picture boxes: TabStrip carries every tab,
// HighvozirAdu, a little larger, lies over the active tab so that it stands out and opens into the
// panel. The road of a press: TabStrip_MouseDown -> SelectTab -> AfterTabChange; a change of
// Caption or NumberOfTabs: LayoutTabs -> DrawTab per tab -> SelectTab without the event.
//
// The state and the drawing behind the public face live in VozirAduPrivate: VozirAdu.cpp holds the
// properties, their storage and the press, VozirAduLayout.cpp the layout and the drawing.
class VozirAdu : public UserControl {
    Q_OBJECT
public:
    static constexpr int MaxTabs = 10;
    static inline const QString ControlType = QStringLiteral("Tarvex.VozirAdu");
    static inline const QString DefaultCaption = QStringLiteral("Tab0|Tab1|Tab2|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|");
    static constexpr short DefaultNumberOfTabs = 4;
    static constexpr short DefaultActiveTab = 0;

    explicit VozirAdu(QWidget* Parent = nullptr);
    ~VozirAdu() override;

    // Item Index of the "|"-separated caption list; an item the list does not have reads as "" and
    // is not written.
    QString Caption(int Index) const;
    void Caption(int Index, const QString& New_Caption);
    // Held to 1..MaxTabs.
    short NumberOfTabs() const;
    void NumberOfTabs(short New_NumberOfTabs);
    // Writing selects the tab and raises AfterTabChange, even for the tab already active; an index
    // outside 0..NumberOfTabs-1 is ignored.
    short ActiveTab() const;
    void ActiveTab(short New_ActiveTab);

    void InitProperties() override;
    void ReadProperties(PropertyBag& PropBag) override;
    void WriteProperties(PropertyBag& PropBag) override;

    QSize sizeHint() const override;

signals:
    // ActiveTab refers to the control's own ActiveTab value.
    void AfterTabChange(short& ActiveTab);

protected:
    void Resize() override;
    // A new font lays the strip out again: tab widths and the tab row's height follow the captions.
    void changeEvent(QEvent* Event) override;
    void GotFocus() override;
    void LostFocus() override;

private:
    friend class VozirAduPrivate;
    std::unique_ptr<VozirAduPrivate> d; // the state and the drawing behind the public face; never null
};

} // namespace Tarvex
