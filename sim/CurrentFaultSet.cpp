#include "sim/CurrentFaultSet.h"

namespace brivel::sim {

namespace {

// The six faults of the first byte sit in its bits 2-7, in enum order; the
// two of the second byte in its bits 0-1. Unused bits read as "no fault".
constexpr int FirstByteFaults = 6;
constexpr int FirstByteShift = 2;

}  // namespace

void CurrentFaultSet::set(CurrentFault fault, bool present)
{
    faults_.set(static_cast<size_t>(fault), present);
}

void CurrentFaultSet::setInjector(int injector, bool faulty)
{
    if (injector >= 1 && injector <= Injectors)
        injectors_.set(injector - 1, faulty);
}

bool CurrentFaultSet::injectorFaulty(int injector) const
{
    return injector >= 1 && injector <= Injectors && injectors_.test(injector - 1);
}

void CurrentFaultSet::clear()
{
    faults_.reset();
    injectors_.reset();
}

quint8 CurrentFaultSet::faultFlags1() const
{
    quint8 flags = 0xFF;
    for (int i = 0; i < FirstByteFaults; ++i)
        if (faults_.test(i))
            flags &= ~(1u << (i + FirstByteShift));
    return flags;
}

quint8 CurrentFaultSet::injectorFaults() const
{
    return static_cast<quint8>(~injectors_.to_ulong());
}

quint8 CurrentFaultSet::faultFlags2() const
{
    quint8 flags = 0xFF;
    for (int i = FirstByteFaults; i < CurrentFaultCount; ++i)
        if (faults_.test(i))
            flags &= ~(1u << (i - FirstByteFaults));
    return flags;
}

}  // namespace brivel::sim
