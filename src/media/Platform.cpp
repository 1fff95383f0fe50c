#include "Platform.h"

#include <algorithm>
#include <cmath>

int randomBelow(Platform &platform, int n)
{
    const float r = platform.randomUniform();
    const int value = static_cast<int>(std::floor(r * static_cast<float>(n)));
    // r * n can round up to n in single precision when r is just below 1.
    return std::clamp(value, 0, n - 1);
}
