#pragma once
// The Measurement state: the one program-wide set of values through which the
// geometry calculation, the hydraulics calculation, the nominal-diameter
// lookup and the record writer meet. Zero (and an empty name) from start-up,
// never reset or saved; each writer assigns whole values.
#include <string>

namespace zamt {

struct Measurement {
    std::string object_name; // Windows-1251, as typed
    double D_calc = 0;       // typed inner diameter + 16.33, mm
    double ds = 0;           // wall thickness, mm
    double dn = 0;           // deposit thickness, mm
    double offset = 0;       // channel offset from the pipe axis, mm
    double L_a_exact = 0;    // acoustic channel length, exact, mm
    double L_a_rough = 0;    // acoustic channel length, rough, mm
    double K_La = 0;         // channel coefficient
    double angle_deg = 0;    // pipe axis to channel, degrees
    double nu = 0;           // kinematic viscosity, m²/s
    double t = 0;            // water temperature, °C
    double Q_min = 0;        // smallest working flow
    double Q_max = 0;        // largest working flow
    double K_e = 0;          // equivalent roughness, mm
    double lambda = 0;       // hydraulic friction coefficient
    double Re_min = 0;       // Reynolds number from Q_min
    double Re_max = 0;       // Reynolds number from Q_max
    double K_gv = 0;         // hydrodynamic coefficient for Re_max, computed
    double K_gn = 0;         // hydrodynamic coefficient for Re_min, typed
    double K_g = 0;          // mean of K_gn and K_gv
    double K_d = 0;          // channel offset coefficient
    double K_corr = 0;       // correction coefficient K for the flowmeter

    bool operator==(const Measurement&) const = default;
};

// What the typed inner diameter Dn is short of the calculation diameter D_calc.
inline constexpr long double kDiameterAllowance = 16.33L;

// The program-wide instance.
Measurement& measurement();

// The typed inner diameter: D_calc − 16.33 at extended precision, stored as
// a double.
double typedDiameter(const Measurement& state);

} // namespace zamt
