#pragma once

// The watermark blend worked out in whole numbers, to hold the program's
// floating-point and 16-bit versions against:
// (blank x (100 - t) + picture x t) / 100, the remainder deciding, a
// remainder of exactly 50 going to the even quotient.
inline int VerwachteMenging(int blanco, int plaatje, int t)
{
    const int som = blanco * (100 - t) + plaatje * t;
    const int quotient = som / 100;
    const int rest = som % 100;
    if (rest > 50 || (rest == 50 && quotient % 2 == 1))
        return quotient + 1;
    return quotient;
}
