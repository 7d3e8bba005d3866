#include "core/model/Material.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zorind {

std::optional<std::string> materialFault(const Material& m)
{
    if (!std::isfinite(m.youngModulus) || !(m.youngModulus > 0.0) ||
        m.youngModulus > static_cast<double>(std::numeric_limits<float>::max())) {
        return "moduł Younga musi być liczbą większą od zera";
    }
    const bool withinRange = m.poissonRatio > -1.0 && (m.planeStress ? m.poissonRatio <= 0.5 : m.poissonRatio < 0.5);
    if (!withinRange) {
        return m.planeStress ? "liczba Poissona musi być większa od -1 i nie większa od 0,5"
                             : "liczba Poissona musi leżeć między -1 a 0,5";
    }
    return std::nullopt;
}

namespace {

std::string shortest(double value)
{
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string("nan");
}

} // namespace

std::string materialLine(const Material& m)
{
    return "material " + shortest(m.youngModulus) + ' ' + shortest(m.poissonRatio) + ' ' +
           (m.planeStress ? kPlaneStressWord : kPlaneStrainWord);
}

} // namespace zorind
