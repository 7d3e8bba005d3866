#pragma once

#include <optional>
#include <string>

namespace zorind {

// The material of an elasticity analysis: Young's modulus and Poisson's
// ratio, and whether the body is a thin plate free to thin out (plane
// stress) or a slice of a long body that cannot (plane strain). Held in
// double precision, as the project file writes it.
struct Material {
    static constexpr double kDefaultYoungModulus = 2.1e11;
    static constexpr double kDefaultPoissonRatio = 0.3;

    double youngModulus = kDefaultYoungModulus;
    double poissonRatio = kDefaultPoissonRatio;
    bool planeStress = false;

    bool isDefault() const { return *this == Material{}; }
    friend bool operator==(const Material&, const Material&) = default;
};

// Why the material cannot be used, in Polish; nothing when it can. Young's
// modulus must be a finite number greater than 0 within single precision
// (the exchange file carries it so); Poisson's ratio must lie above -1 and
// below 0.5, in plane stress up to 0.5 included.
std::optional<std::string> materialFault(const Material& material);

// The words the project file and the command line name the two states by.
inline constexpr const char* kPlaneStrainWord = "plane-strain";
inline constexpr const char* kPlaneStressWord = "plane-stress";

// "material E nu plane-strain|plane-stress", the numbers in the shortest form
// that reads back as the same double.
std::string materialLine(const Material& material);

} // namespace zorind
