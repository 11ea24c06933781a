#include "calc/Measurement.h"

#include "calc/FloatFaults.h"

namespace zamt {

Measurement& measurement() {
    static Measurement state;
    return state;
}

double typedDiameter(const Measurement& state) {
    return fp::store(fp::sub(state.D_calc, kDiameterAllowance));
}

} // namespace zamt
