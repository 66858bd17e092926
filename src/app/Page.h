#pragma once

namespace brivel {

// The pages of the window's tab control, in tab order.
enum class Page {
    PanelPetrol,
    PanelGaz,
    Adaptacja,
    Diagnostyka,
    Mapa,
    Error,
    Oscyloskop,
    Przelacznik,
    Help,
    Info,
};

constexpr int PageCount = 10;

}  // namespace brivel
