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

qint32 roundHalfEven(qint64 numerator, qint64 denominator) {
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) {
        quotient -= 1;
        remainder += denominator;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0)) {
        quotient += 1;
    }
    return static_cast<qint32>(quotient);
}

}  // namespace trivanto
