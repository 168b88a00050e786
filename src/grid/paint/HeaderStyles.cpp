#include "grid/RuzuZiriPrivate.h"

#include "grid/paint/PaintPass.h"

#include <QVarLengthArray>

#include <cmath>

// The grid's own header looks, drawn from lines and gradients so they look alike on every system:
// ThemeStyle 3 (DrawHeaderStyle), 4 and 5 (DrawHeader3D), 6 and 7 (DrawHeaderGradient).

namespace Tarvex {

namespace {

constexpr qint32 White = 0xFFFFFF;
constexpr qint32 HotOrange1 = 0x19B1F9; // the three lines of a hot underline, darkest at the bottom
constexpr qint32 HotOrange2 = 0x47C2FC;
constexpr qint32 HotOrange3 = 0xA9F8;

int RoundedBandHeight(int Bottom, double Share)
{
    return int(std::nearbyint(Bottom * Share));
}

// The lines of the 3-D look, named by where they run in the cell.
enum class Edge {
    U1, // (left + 2, bottom - 1) - (right - 2, bottom - 1)
    U2, // (left + 1, bottom - 2) - (right - 1, bottom - 2)
    U3, // (left, bottom - 3) - (right, bottom - 3): the hot underline
    B1, // full width at bottom - 1
    B2, // full width at bottom - 2
    B3, // full width at bottom - 3
    S,  // separator (right - 2, top + 2) - (right - 2, bottom - 4)
    H,  // left edge (left, top + 2) - (left, bottom - 4)
};

struct EdgeLine {
    Edge Where;
    qint32 Color;
};

Rect EdgeEnds(const Rect& R, Edge Where)
{
    switch (Where) {
    case Edge::U1: return { R.Left + 2, R.Bottom - 1, R.Right - 2, R.Bottom - 1 };
    case Edge::U2: return { R.Left + 1, R.Bottom - 2, R.Right - 1, R.Bottom - 2 };
    case Edge::U3: return { R.Left, R.Bottom - 3, R.Right, R.Bottom - 3 };
    case Edge::B1: return { R.Left, R.Bottom - 1, R.Right, R.Bottom - 1 };
    case Edge::B2: return { R.Left, R.Bottom - 2, R.Right, R.Bottom - 2 };
    case Edge::B3: return { R.Left, R.Bottom - 3, R.Right, R.Bottom - 3 };
    case Edge::S: return { R.Right - 2, R.Top + 2, R.Right - 2, R.Bottom - 4 };
    case Edge::H: return { R.Left, R.Top + 2, R.Left, R.Bottom - 4 };
    }
    return {};
}

} // namespace

void RuzuZiriPrivate::DrawHeaderLine(Canvas& hDC, int X1, int Y1, int X2, int Y2, qint32 Color)
{
    DrawLine(hDC, X1, Y1, X2, Y2, Color, 1);
}

void RuzuZiriPrivate::DrawHeaderStyle(Canvas& hDC, Rect& r, int State)
{
    qint32 from = m_Settings.m_Colors.m_CustomColorFrom;
    qint32 to = m_Settings.m_Colors.m_CustomColorTo;
    qint32 edges = m_Settings.m_Colors.m_CustomColorFrom;
    if (State == 2 || State == 3) {
        r.Right -= 1;
        from = State == 2 ? 0xDCFFFF : 0x87FE8;
        to = State == 2 ? 0x5BC0F7 : 0x7CDAF7;
        edges = 0x9C613B;
    } else if (State != 1) {
        return;
    }
    DrawGradient(hDC, r, from, to, true);
    DrawHeaderLine(hDC, r.Left, r.Top, r.Right, r.Top, edges);
    DrawHeaderLine(hDC, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1, edges);
    if (State == 1)
        DrawHeaderLine(hDC, r.Right - 2, r.Top + 2, r.Right - 2, r.Bottom - 4, m_Settings.m_Colors.m_CustomColorTo);
    DrawHeaderLine(hDC, r.Left, r.Top + 3, r.Left, r.Bottom - 3, White);
}

void RuzuZiriPrivate::DrawHeaderGradient(Canvas& hDC, const Rect& r, int State, bool Caption, bool Alternate)
{
    const auto band = [&](int Top, int Bottom, qint32 From, qint32 To, int Right) {
        DrawGradient(hDC, Rect { r.Left, Top, Right, Bottom }, From, To, true);
    };
    if (State == 2 || State == 3) {
        const int right = r.Right - 1;
        const qint32 c1 = Alternate ? 0xFBEFCC : m_Settings.m_Colors.m_CustomColorFrom;
        const qint32 c2 = Alternate ? 0xE6C97C : AdjustColor(c1, -5);
        const int h = RoundedBandHeight(r.Bottom, 0.28);
        if (State == 3) {
            band(r.Top, r.Bottom - h, c1, AdjustColor(c1, -10), right);
            band(r.Top + h, r.Bottom - 5, c1, AdjustColor(c2, 10), right);
            band(r.Bottom - 5, r.Bottom, AdjustColor(c2, 10), c2, right);
        } else {
            band(r.Top, r.Bottom - h, AdjustColor(c1, 15), AdjustColor(c1, 5), right);
            band(r.Top + h, r.Bottom, c1, AdjustColor(c2, 30), right);
        }
        DrawRect(hDC, r, m_Settings.m_Colors.m_CustomColorTo, false);
        return;
    }
    if (State != 1)
        return;
    const qint32 face = PlainColor(hDC, qint32(SystemColor::ButtonFace));
    const qint32 c1 = Alternate ? AdjustColor(face, -20) : m_Settings.m_Colors.m_CustomColorTo;
    const qint32 c2 = Alternate ? AdjustColor(face, -25) : AdjustColor(c1, -5);
    if (Caption) {
        DrawGradient(hDC, r, AdjustColor(c1, 40), c1, true);
        DrawHeaderLine(hDC, r.Left + 2, r.Bottom - 1, r.Right - 2, r.Bottom - 1, c1);
        return;
    }
    const int h = RoundedBandHeight(r.Bottom, 0.12);
    band(r.Top, r.Top + h, AdjustColor(c1, 30), c1, r.Right);
    band(r.Top + h, r.Bottom - h, c1, AdjustColor(c2, 30), r.Right);
    band(r.Bottom - h, r.Bottom, AdjustColor(c2, 30), c2, r.Right);
    if (Alternate)
        DrawHeaderLine(hDC, r.Left + 2, r.Bottom - 1, r.Right - 2, r.Bottom - 1, 0xBFBFBF);
    DrawHeaderLine(hDC, r.Right - 2, r.Top + 2, r.Right - 2, r.Bottom - 4, c2);
    DrawHeaderLine(hDC, r.Left, r.Top + 3, r.Left, r.Bottom - 3, White);
}

void RuzuZiriPrivate::DrawHeader3D(Canvas& hDC, const Rect& r, int State, bool Caption, bool Alternate)
{
    if (State < 1 || State > 3)
        return;
    const qint32 face = qint32(SystemColor::ButtonFace);
    const qint32 from = m_Settings.m_Colors.m_CustomColorFrom;
    const qint32 to = m_Settings.m_Colors.m_CustomColorTo;
    const qint32 separator = BlendColor(to, 0x99A8AC, 128);
    const qint32 highlight = BlendColor(from, 0xE0E0E0, 128);

    qint32 fill = 0;
    using Lines = QVarLengthArray<EdgeLine, 5>;
    Lines lines;
    if (!Alternate) {
        switch (State) {
        case 1:
            fill = face;
            lines = Caption ? Lines { { Edge::B2, 0x99A8AC }, { Edge::B1, White } }
                            : Lines { { Edge::B1, 0xB2C2C5 }, { Edge::B2, 0xBECFD2 },
                                  { Edge::B3, 0xC8D8DC }, { Edge::S, 0x99A8AC }, { Edge::H, White } };
            break;
        case 2:
            fill = 0xF3F8FA;
            lines = { { Edge::U1, HotOrange1 }, { Edge::U2, HotOrange2 }, { Edge::U3, HotOrange3 },
                { Edge::S, 0x99A8AC }, { Edge::H, White } };
            break;
        default:
            fill = qint32(SystemColorFlag | 22);
            lines = { { Edge::U1, 0x7DD2FA }, { Edge::U2, 0xB1E4FC }, { Edge::U3, 0x63C8F7 }, { Edge::S, 0x717C80 },
                { Edge::H, 0xCCCCCC } };
            break;
        }
    } else {
        switch (State) {
        case 1:
            fill = BlendColor(from, to, 128);
            lines = Caption ? Lines { { Edge::B2, separator }, { Edge::B1, highlight } }
                            : Lines { { Edge::B1, from }, { Edge::B2, from }, { Edge::B3, from },
                                  { Edge::S, separator }, { Edge::H, highlight } };
            break;
        case 2:
            fill = BlendColor(from, 0xF3F8FA, 128);
            lines = { { Edge::U1, to }, { Edge::U2, to }, { Edge::U3, to }, { Edge::S, separator }, { Edge::H, highlight } };
            break;
        default:
            fill = to;
            lines = { { Edge::U1, HotOrange1 }, { Edge::U2, HotOrange2 }, { Edge::U3, HotOrange3 } };
            break;
        }
    }
    DrawRect(hDC, r, fill, true);
    for (const EdgeLine& line : lines) {
        const Rect ends = EdgeEnds(r, line.Where);
        DrawHeaderLine(hDC, ends.Left, ends.Top, ends.Right, ends.Bottom, line.Color);
    }
}

} // namespace Tarvex
