#pragma once
// The nominal diameters of the pipes the flowmeter is made for, with the
// working range of flows of each class.
#include <array>

namespace zamt {

struct NominalDiameterRow {
    double above;   // a diameter D matches when above < D <= upTo (mm)
    double upTo;
    double nominal; // mm, equal to `above`
    double Q_min;   // smallest working flow
    double Q_max;   // largest working flow
};

// Ascending; each row starts where the one before ends. Q_max is 13.6 × Q_min²
// in every row but the second, which holds 217 as the flowmeter's tables do.
inline constexpr std::array<NominalDiameterRow, 16> kNominalDiameters{{
    {50, 65, 50, 2.5, 85},
    {65, 80, 65, 4, 217},
    {80, 100, 80, 5, 340},
    {100, 150, 100, 7.5, 765},
    {150, 200, 150, 10, 1360},
    {200, 300, 200, 15, 3060},
    {300, 400, 300, 20, 5440},
    {400, 500, 400, 25, 8500},
    {500, 600, 500, 30, 12240},
    {600, 700, 600, 35, 16660},
    {700, 800, 700, 40, 21760},
    {800, 900, 800, 45, 27540},
    {900, 1000, 900, 50, 34000},
    {1000, 1200, 1000, 60, 48960},
    {1200, 1400, 1200, 70, 66640},
    {1400, 1600, 1400, 80, 87040},
}};

// Classes the calculation diameter D (mm) and stores the row's Q_min and
// Q_max in the Measurement state; returns the nominal diameter, or 0 when no
// row matches. A diameter in (0, 50] or above 1600 is reported in a message
// box and leaves the flows as they were; 0 and below match silently nothing.
double LookupNominalDiameter(double D);

} // namespace zamt
