#pragma once

#include "grid/api/GridModes.h"
#include "grid/paint/Themes.h"

#include <tarvex/platform/ImageList.h>

#include <QFont>
#include <QPointer>
#include <QString>
#include <QtGlobal>

namespace Tarvex {

// The backing fields of the grid's properties, at the defaults a new instance starts with. All but
// the few marked otherwise are saved in the host's property bag (Persistence.cpp binds them).
struct GridSettings {
    bool m_AllowColumnDrag { false };     // dragging a header moves the column
    bool m_AllowColumnSwap { false };     // dropping a header exchanges two columns
    bool m_AllowColumnHover { true };     // headers light up under the mouse
    bool m_AllowColumnResizing { true };  // header borders can be dragged
    bool m_AllowColumnSort { false };     // a header click sorts
    bool m_AllowDelete { false };         // the Delete key removes rows
    bool m_AllowEdit { false };           // cells open the in-place editor
    bool m_AllowInsert { false };         // the Insert key adds a row
    bool m_AllowRowResizing { false };    // row borders can be dragged
    bool m_AllowWordWrap { false };       // rows grow to fit word-wrapped cells
    bool m_AutoToolTips { true };         // the hover tip shows cut texts
    int m_EditMove { 0 };                 // 0 stay, 1 right, 2 down after Enter ends an edit
    int m_EditTrigger { 52 };             // bits: 2 swallow Enter/Escape, 4 F2, 8 click, 16 double click, 32 typing
    bool m_Enabled { true };              // the key-press handler's enabled flag, saved as "Enabled"
    int m_FreezeAtCol { -1 };             // last frozen display position; -1 = none
    int m_MaxLineCount { 0 };             // line limit of a word-wrapped row; 0 = none
    int m_MinRowHeight { 0 };             // least row height in ScaleUnits
    int m_MinVerticalOffset { 2 };        // pixels above and below a row's text
    int m_ScaleUnits { 1 };               // unit of column widths: 1 twips, 2 points, 3 pixels, ...
    int m_MultiSelect { 0 };              // 0 = one selected row at a time
    int m_SearchColumn { 0 };             // FindItem's column when it is given -1
    bool m_ShowRowNumbers { false };      // the row-number column shows
    bool m_ShowRowNumbersVary { false };  // row numbers follow the display order
    qint16 m_Appearance { 1 };            // the window's look: 0 flat, 1 3-D
    bool m_AlphaBlendSelection { false }; // the selection is blended over the cell colours
    bool m_ApplySelectionToImages { false }; // the selection colour covers row images too
    bool m_BackColorEvenRowsEnabled { true }; // even rows are striped
    int m_BorderStyle { 1 };              // 0 none, 1 single
    QString m_Caption;                    // caption bar text; "" = no caption bar
    int m_CaptionAlignment { 5 };         // text-drawing flags of the caption
    bool m_CenterRowImage { true };       // row images are centred vertically
    qint16 m_ColumnHeaderLines { 1 };     // text lines of the header row, at least 1
    bool m_ColumnHeaders { true };        // the header row shows
    bool m_ColumnHeaderSmall { false };   // extra header lines are a third of a line high
    bool m_DisplayEllipsis { true };      // cut texts end in an ellipsis
    qint16 m_ExpandRowImage { 0 };        // image-list index of the expand mark; negative = by key; not saved
    bool m_FocusRectHide { false };       // no focus rectangle while the grid lacks the focus
    int m_FocusRectMode { 0 };            // 0 none, 1 row, 2 column
    int m_FocusRectStyle { 1 };           // light, medium, heavy
    bool m_FocusRowHighlight { true };    // the whole current row is highlighted
    bool m_FocusRowHighlightKeepTextForecolor { false }; // highlighted text keeps its own colour
    QFont m_Font;                         // cell text; also the window's font; the host's ambient font at first
    QFont m_FontHeader;                   // caption and header text; the host's ambient font at first
    int m_GridLines { 1 };                // 0 none, 1 both, 2 vertical, 3 horizontal
    int m_GridLineWidth { 1 };            // pixels
    QPointer<Tarvex::ImageList> m_ImageList; // row and cell images; empty = none; not saved
    bool m_RowCheckBoxes { false };       // each row has a check box in its first column
    bool m_TotalsLineShow { false };      // the totals line shows under the rows
    int m_ScrollBars { 2 };               // 0 horizontal only, 1 vertical only, 2 both
    int m_ScrollBarStyle { 0 };           // 1 standard bars, anything else flat
    bool m_ScrollTrack { true };          // repaint while the thumb is dragged

    // ThemeColor 0..4 a fixed scheme, 5 the host's gradient pair, 6 the scheme of the visual style.
    GridColorSet m_Colors;                // every colour painted with, the gradient pair included
    int m_ThemeColor { ThemeColorSystem }; // the scheme ApplyTheme applies
    int m_ThemeStyle { 2 };               // header look 0..7
    int m_FocusRowHighlightStyle { 0 };   // 0 solid, 1 vertical, 2 horizontal gradient
    QString m_ThemeName { QStringLiteral("Classic") }; // colour-scheme name of the visual style; not saved,
                                          //   set by ApplyTheme
};

} // namespace Tarvex
