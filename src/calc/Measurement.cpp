#include "calc/Measurement.h"

namespace zamt {

Measurement& measurement() {
    static Measurement state;
    return state;
}

} // namespace zamt
