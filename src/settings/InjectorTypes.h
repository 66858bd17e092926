#pragma once

#include <QtCore/QtGlobal>

#include <array>

namespace brivel::settings {

// The gas injectors of `Sel_Typ_wtrysku`, in item order: the type code the
// controller stores at offset 45 (sent by 0x0E) and the two settings that go
// with the injector (sent by 0x24 and 0x30 right after it).
struct InjectorType {
    const char* text;
    quint8 code;
    quint8 setting24;
    quint8 setting30;
};

inline constexpr std::array<InjectorType, 6> InjectorTypes = {{
    {"Valtek/Dorn 1 Ohm", 0x08, 0x06, 30},
    {"Valtek/Dorn 2 Ohm", 0x09, 0x06, 35},
    {"Valtek/Dorn 3 Ohm", 0x03, 0x09, 45},
    {"Matrix ", 0x01, 0x06, 30},
    {"BRC", 0x06, 0x06, 30},
    {"Keihin", 0x07, 0x06, 30},
}};

}  // namespace brivel::settings
