#include "narration/tenths.h"

#include <cmath>

namespace yacht {

std::string tenths(double points)
{
    if (!std::isfinite(points) || points < 0) points = 0;
    const long long t = std::llround(points * 10);
    return std::to_string(t / 10) + "." + std::to_string(t % 10);
}

}  // namespace yacht
