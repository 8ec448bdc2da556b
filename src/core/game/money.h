#pragma once

#include <QtGlobal>

namespace trivanto {

// Money is a signed 32-bit whole number; every rounding of money goes to the nearest whole
// number, a half to the even neighbour (2.5 -> 2, 7.5 -> 8, -0.5 -> 0).
qint32 roundHalfEven(double value);
// The same rounding of numerator / denominator (denominator above 0), computed exactly, so a
// product with a decimal factor that is exactly a half goes to the even neighbour too.
qint32 roundHalfEven(qint64 numerator, qint64 denominator);

}  // namespace trivanto
