#include "calc/NominalDiameter.h"

#include "calc/Measurement.h"
#include "platform/MessageBoxes.h"

namespace zamt {

double LookupNominalDiameter(double D) {
    if (D > 0 && D <= 50)
        showMessage(QStringLiteral("диаметр менее расчетного!"));
    for (const NominalDiameterRow& row : kNominalDiameters) {
        if (row.above < D && D <= row.upTo) {
            Measurement& state = measurement();
            state.Q_min = row.Q_min;
            state.Q_max = row.Q_max;
            return row.nominal;
        }
    }
    if (D > kNominalDiameters.back().upTo)
        showMessage(QStringLiteral("Диаметр больше расчетного!"));
    return 0;
}

} // namespace zamt
