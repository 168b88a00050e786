#include "grid/RuzuZiriPrivate.h"

#include <algorithm>

namespace Tarvex {

int RuzuZiri::ScrollBars() const { return d->m_Settings.m_ScrollBars; }

void RuzuZiri::ScrollBars(int New_ScrollBars)
{
    d->SetProperty(d->m_Settings.m_ScrollBars, New_ScrollBars, QStringLiteral("ScrollBars"), After::Store);
}

int RuzuZiri::ScrollBarStyle() const { return d->m_Settings.m_ScrollBarStyle; }

// Shows the bars that ScrollBars names at once, whether or not there is anything to scroll; the
// next range update decides again.
void RuzuZiri::ScrollBarStyle(int New_ScrollBarStyle)
{
    if (!d->SetProperty(d->m_Settings.m_ScrollBarStyle, New_ScrollBarStyle, QStringLiteral("ScrollBarStyle"), After::Store))
        return;
    d->SBShow(0, false);
    d->SBShow(1, false);
    d->FlatSBInit();
    d->ShowScrollBarLook();
    d->SBShow(0, d->m_Settings.m_ScrollBars != 1);
    d->SBShow(1, d->m_Settings.m_ScrollBars != 0);
}

bool RuzuZiri::ScrollTrack() const { return d->m_Settings.m_ScrollTrack; }

void RuzuZiri::ScrollTrack(bool New_ScrollTrack)
{
    d->SetProperty(d->m_Settings.m_ScrollTrack, New_ScrollTrack, QStringLiteral("ScrollTrack"), After::Store);
}

int RuzuZiri::SBLargeChange(int eBar) const
{
    return d->SBGetInfo(eBar).Page;
}

// A page has no negative size; the platform reads the page as an unsigned count.
void RuzuZiri::SBLargeChange(int eBar, int iLargeChange)
{
    if (!IsBar(eBar))
        return;
    ScrollInfo info = d->SBGetInfo(eBar);
    const int page = std::max(iLargeChange, 0);
    info.Max = Saturated(double(info.Max) + page - info.Page);
    info.Page = page;
    d->SBSetInfo(eBar, info);
}

} // namespace Tarvex
