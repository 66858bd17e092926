#pragma once

#include "sim/EmulatorFault.h"

#include <bitset>

namespace brivel::sim {

// The faults currently switched on.
class FaultSet {
public:
    void set(EmulatorFault fault, bool on = true) { bits_.set(static_cast<size_t>(fault), on); }
    bool has(EmulatorFault fault) const { return bits_.test(static_cast<size_t>(fault)); }
    void clear() { bits_.reset(); }
    bool none() const { return bits_.none(); }

private:
    std::bitset<EmulatorFaultCount> bits_;
};

}  // namespace brivel::sim
