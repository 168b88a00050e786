#include <tarvex/platform/DoEvents.h>

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

bool DoEvents(const QObject* Control)
{
    const Lifeline control(Control);
    DoEvents();
    return control.Alive();
}

bool NoticesUnderWay::Raise(const QObject* Control, const QString& Name, const std::function<void()>& Raise)
{
    if (m_Names.contains(Name))
        return true;
    const Lifeline control(Control);
    m_Names.append(Name);
    Raise();
    if (!control.Alive())
        return false;
    m_Names.removeOne(Name);
    return true;
}

} // namespace Tarvex
