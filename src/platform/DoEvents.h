#pragma once

namespace Tarvex {

// Lets the events waiting in the queue run once, as a pass of the message pump does. Inside a
// surface's paint event it does nothing: events handled there could draw on or resize the very
// picture being shown.
void DoEvents();

// Marks the span of a paint event, for DoEvents.
class PaintEventScope {
public:
    PaintEventScope();
    ~PaintEventScope();
    PaintEventScope(const PaintEventScope&) = delete;
    PaintEventScope& operator=(const PaintEventScope&) = delete;

    static bool Active();
};

} // namespace Tarvex
