#pragma once

#include <array>
#include <optional>

#include "contract/ElasticProblem.h"
#include "core/model/Model.h"

namespace zorind {

// What an element's condition prescribes in an elasticity analysis, one
// component at a time, in global x and y: a held component's displacement,
// or a given component's traction (force per unit length, zero on a free
// surface). Both the export and the in-process solver take an element's
// condition through this one mapping, so that a pressure or a symmetry plane
// means the same to both.
struct ElasticElementConditions {
    // Per component (x, y): true where the displacement is held, false where
    // the traction is given.
    std::array<bool, 2> held{};
    // At the element's start, middle and end: the x and y values.
    std::array<std::array<double, 2>, 3> at{};

    friend bool operator==(const ElasticElementConditions&, const ElasticElementConditions&) = default;
};

// The unit normal of element `element` pointing out of the body, whichever
// way its boundary was drawn: the side of the element that lies outside the
// region (inside an outer boundary and outside its holes, by the crossings
// of a ray). The right-hand normal (start to end, y up) when the region does
// not tell the sides apart (an open or damaged boundary); zero for an element
// of zero length or one whose nodes do not exist.
std::array<double, 2> outwardNormal(const Model& model, int element);

// The conditions of element `element`: a traction or a displacement as
// stored; a pressure p (positive pushing into the body) as the traction −p·n
// on the outward normal n, at the start, middle and end; a symmetry plane as
// its held component's displacements and its other component's tractions.
// Nothing when the condition does not exist or elasticity does not know its
// kind.
std::optional<ElasticElementConditions> elasticElementConditions(const Model& model, int element);

// The element as the solver takes it: its nodes (0-based), the kind its held
// components make (none: Traction, both: Displacement, one: HeldX or HeldY)
// and the values at its start, middle and end. Nothing where
// elasticElementConditions gives nothing or a node does not exist.
std::optional<contract::ElasticElement> solverElement(const Model& model, int element);

} // namespace zorind
