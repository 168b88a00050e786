#pragma once

#include <tarvex/platform/OleColor.h>
#include <tarvex/platform/Rect.h>
#include <tarvex/tabstrip/VozirAdu.h>

#include <QString>

#include <array>

namespace Tarvex {

class PictureBox;

// What the host's property bag keeps; a default record is a strip as a host first places it.
struct TabStripSettings {
    QString m_Captions { VozirAdu::DefaultCaption };           // item i is the caption of tab i, each item ends with "|"
    short m_NumberOfTabs { VozirAdu::DefaultNumberOfTabs };    // tabs drawn, 1..MaxTabs
    short m_ActiveTab { VozirAdu::DefaultActiveTab };          // 0..m_NumberOfTabs-1
};

// The documented constituents, children of the control made by its constructor.
struct TabStripConstituents {
    PictureBox* TabStrip { nullptr };     // all tabs, drawn side by side
    PictureBox* HighvozirAdu { nullptr }; // the active tab, drawn raised over TabStrip
};

// Where the tabs lie and in which colours they are drawn.
struct TabStripLayout {
    std::array<int, VozirAdu::MaxTabs> TabLefts {};  // x of each tab's left edge on TabStrip; set by LayoutTabs
    std::array<int, VozirAdu::MaxTabs> TabWidths {}; // width of each tab; set by LayoutTabs
    std::array<OleColor, 4> TabColors {};            // outer and inner light edge, outer and inner dark edge; set by Resize
    Rect FocusRect { 4, 3, 0, 19 };                  // in HighvozirAdu; Right follows its width, Bottom the tab row's height
    bool m_LaidOut { false };                        // false until the first resize lays out and draws
};

// What HighvozirAdu shows now.
struct TabStripHighlight {
    short m_RaisedTab { -1 };                        // tab HighvozirAdu shows; -1 before the first layout
    bool m_FocusShown { false };                     // whether FocusRect is inverted on HighvozirAdu now
};

// Guards against a host's handler calling back in.
struct TabStripReentryState {
    bool m_InTabChange { false };                    // true while AfterTabChange is raised
};

// The insides of a tab strip. The records are bases so that every field keeps its own name in
// the helpers below; each helper is defined in the file of its topic, as the public members are.
class VozirAduPrivate : public TabStripSettings,
                        public TabStripConstituents,
                        public TabStripLayout,
                        public TabStripHighlight,
                        public TabStripReentryState {
public:
    explicit VozirAduPrivate(VozirAdu* Owner) : q(Owner) { }
    VozirAduPrivate(const VozirAduPrivate&) = delete;
    VozirAduPrivate& operator=(const VozirAduPrivate&) = delete;

    VozirAdu* const q; // the public object: its surface, its signal, its public members

    void TabStrip_MouseDown(int Button, int Shift, double X, double Y);

    void DrawStrip();
    void DrawTab(PictureBox& Target, bool Highlighted, int Index);
    bool SelectTab(short& Index, bool Raise);
    void RaiseTab(short Index);
    bool SetCaptionItem(int Index, const QString& New_Caption);
    void LayoutTabs();
    void DrawFocus();
    void ShowFocusWhileFocused();
    void Relayout();
    int MeasuredTabWidth(const QString& TabCaption) const;
    int TabRowHeight() const;
};

} // namespace Tarvex
