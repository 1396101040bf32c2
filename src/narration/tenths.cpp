#include "narration/tenths.h"

#include <cmath>

namespace yacht {
namespace {

// German, French and Spanish write "1,5"; English and the test's pseudo-language "1.5".
char decimalSeparator(const std::string& language)
{
    return language == "de" || language == "fr" || language == "es" ? ',' : '.';
}

}  // namespace

std::string tenths(double points, const std::string& language)
{
    if (!std::isfinite(points) || points < 0) points = 0;
    const long long t = std::llround(points * 10);
    return std::to_string(t / 10) + decimalSeparator(language) + std::to_string(t % 10);
}

}  // namespace yacht
