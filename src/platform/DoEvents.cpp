#include "platform/DoEvents.h"

#include <QCoreApplication>

namespace Tarvex {

namespace {
int PaintEventDepth = 0; // paint events under way on the user-interface thread
}

PaintEventScope::PaintEventScope() { ++PaintEventDepth; }

PaintEventScope::~PaintEventScope() { --PaintEventDepth; }

bool PaintEventScope::Active() { return PaintEventDepth > 0; }

void DoEvents()
{
    if (PaintEventScope::Active() || !QCoreApplication::instance())
        return;
    QCoreApplication::processEvents();
}

} // namespace Tarvex
