#include "core/game/money.h"

#include <cmath>

namespace trivanto {

qint32 roundHalfEven(double value) {
    const double floorValue = std::floor(value);
    const double diff = value - floorValue;
    double result = floorValue;
    if (diff > 0.5) {
        result = floorValue + 1.0;
    } else if (diff == 0.5) {
        result = std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1.0;
    }
    return static_cast<qint32>(result);
}

}  // namespace trivanto
