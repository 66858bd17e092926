#pragma once

#include "sim/CurrentFault.h"

#include <QtCore/QtGlobal>

#include <bitset>

namespace brivel::sim {

// The faults present now, as the live frame carries them: a bit per fault
// that is 0 while the fault is present.
class CurrentFaultSet {
public:
    static constexpr int Injectors = 8;

    void set(CurrentFault fault, bool present = true);
    bool has(CurrentFault fault) const { return faults_.test(static_cast<size_t>(fault)); }
    // Injector 1…8; other numbers are ignored.
    void setInjector(int injector, bool faulty = true);
    bool injectorFaulty(int injector) const;
    void clear();

    quint8 faultFlags1() const;
    quint8 injectorFaults() const;
    quint8 faultFlags2() const;

private:
    std::bitset<CurrentFaultCount> faults_;
    std::bitset<Injectors> injectors_;
};

}  // namespace brivel::sim
