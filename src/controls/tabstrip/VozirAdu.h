#pragma once

#include "platform/OleColor.h"
#include "platform/Rect.h"
#include "platform/UserControl.h"

#include <array>

namespace Tarvex {

class PictureBox;

// A row of up to ten tabs above a raised panel. It shows no pages of its own: the host shows the
// page of the new tab when AfterTabChange arrives.
//
// Everything is drawn with lines and printed text on two picture boxes: TabStrip carries every tab,
// HighvozirAdu, a little larger, lies over the active tab so that it stands out and opens into the
// panel. The road of a press: TabStrip_MouseDown -> SelectTab -> AfterTabChange; a change of
// Caption or NumberOfTabs: LayoutTabs -> DrawTab per tab -> SelectTab without the event.
class VozirAdu : public UserControl {
    Q_OBJECT
public:
    static constexpr int MaxTabs = 10;
    static inline const QString ControlType = QStringLiteral("Tarvex.VozirAdu");
    static inline const QString DefaultCaption = QStringLiteral("Tab0|Tab1|Tab2|Tab3|Tab4|Tab5|Tab6|Tab7|Tab8|Tab9|");
    static constexpr short DefaultNumberOfTabs = 4;
    static constexpr short DefaultActiveTab = 0;

    explicit VozirAdu(QWidget* Parent = nullptr);

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
    void GotFocus() override;
    void LostFocus() override;

private:
    void TabStrip_MouseDown(int Button, int Shift, double X, double Y);

    void DrawStrip();
    void DrawTab(PictureBox& Target, bool Highlighted, int Index);
    void SelectTab(short& Index, bool Raise);
    void RaiseTab(short Index);
    bool SetCaptionItem(int Index, const QString& New_Caption);
    void LayoutTabs();
    void DrawFocus();
    void ShowFocusWhileFocused();
    void Relayout();
    int MeasuredTabWidth(const QString& TabCaption) const;

    PictureBox* TabStrip { nullptr };     // all tabs, drawn side by side
    PictureBox* HighvozirAdu { nullptr }; // the active tab, drawn raised over TabStrip

    QString m_Captions { DefaultCaption };           // item i is the caption of tab i, each item ends with "|"
    short m_NumberOfTabs { DefaultNumberOfTabs };    // tabs drawn, 1..MaxTabs
    short m_ActiveTab { DefaultActiveTab };          // 0..m_NumberOfTabs-1
    std::array<int, MaxTabs> TabLefts {};            // x of each tab's left edge on TabStrip; set by LayoutTabs
    std::array<int, MaxTabs> TabWidths {};           // width of each tab; set by LayoutTabs
    std::array<OleColor, 4> TabColors {};            // outer and inner light edge, outer and inner dark edge; set by Resize
    Rect FocusRect { 4, 3, 0, 19 };                  // in HighvozirAdu; Right follows its width
    bool m_LaidOut { false };                        // false until the first resize lays out and draws
    bool m_FocusShown { false };                     // whether FocusRect is inverted on HighvozirAdu now
    short m_RaisedTab { -1 };                        // tab HighvozirAdu shows; -1 before the first layout
    bool m_InTabChange { false };                    // true while AfterTabChange is raised
};

} // namespace Tarvex
