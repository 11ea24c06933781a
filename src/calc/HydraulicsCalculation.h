#pragma once
// The hydraulics calculation of "считаем?": from the geometry in the
// Measurement state and the four typed boxes it computes the Reynolds
// numbers, the friction coefficient, the hydrodynamic coefficients and the
// correction coefficient K, storing and showing them step by step.
#include "calc/Measurement.h"

#include <string>

namespace zamt {

// The texts of the hydraulics window's boxes, Windows-1251 as typed.
struct HydraulicsInput {
    std::string t;    // Edit1, water temperature
    std::string nu;   // Edit2, kinematic viscosity
    std::string K_e;  // Edit3, equivalent roughness
    std::string K_gn; // Edit4, hydrodynamic coefficient read off the chart
};

// The result labels the calculation fills.
enum class HydraulicsLabel {
    K_e,    // Label12
    nu,     // Label3
    t,      // Label2
    Re_min, // Label28
    lambda, // Label26
};

// What the calculation shows, provided by the window.
class HydraulicsDisplay {
public:
    virtual ~HydraulicsDisplay() = default;
    virtual void showResult(HydraulicsLabel label, const std::string& text) = 0;
    // The calculation reached its end: the window marks it done.
    virtual void calculationDone() = 0;
};

// Runs the calculation. A zero in a box is refused with a message box and
// nothing changes; a box that holds no number or a floating-point fault ends
// it with an AppError, leaving what was stored and shown before.
void calculateHydraulics(Measurement& state, const HydraulicsInput& input,
                         HydraulicsDisplay& display);

} // namespace zamt
