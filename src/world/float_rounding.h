// Rounding each intermediate result of the walking arithmetic to its own type. The grid
// conversions, the wall segments and the steps are defined operation by operation in single or
// double precision; a value passed through a volatile is really stored in that type, so the
// compiler can neither keep extra precision nor fuse a multiply and an add into one FMA
// instruction (which would round once instead of twice and move positions across cell edges).
#pragma once

// Returns `value` as stored in a float.
inline float RoundedToFloat(float value) {
    volatile float stored = value;
    return stored;
}

// Returns `value` as stored in a double.
inline double RoundedToDouble(double value) {
    volatile double stored = value;
    return stored;
}
