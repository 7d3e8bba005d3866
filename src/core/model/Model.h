#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/model/Table.h"

namespace zorind {

inline constexpr int kMaxNodes = 199;
inline constexpr int kMaxElements = 249;
inline constexpr int kMaxConditions = 99;
inline constexpr int kMaxBoundaries = 19;
inline constexpr int kMaxInternalPoints = 499;
// One result record per possible element, so that every model that can be
// drawn can also keep its results.
inline constexpr int kMaxResults = kMaxElements;
inline constexpr int kMaxTitleLength = 199;

// Analysis type codes: 1..5 potential problems solved here, 10 elasticity
// (solved here or by the external solver), 11 thermoelasticity (computed by
// nothing).
enum AnalysisType : int32_t {
    HeatFlow = 1,
    ElectricPotential = 2,
    MagneticPotential = 3,
    HydrodynamicPressure = 4,
    PotentialFlow = 5,
    Elasticity = 10,
    Thermoelasticity = 11,
};

inline bool isPotentialAnalysis(int32_t type)
{
    return type < 10;
}

struct Node {
    float x = 0.0f;
    float y = 0.0f;
    friend bool operator==(const Node&, const Node&) = default;
};

// A straight boundary element; its direction (start to end) matters.
struct Element {
    int32_t startNode = 0;
    int32_t endNode = 0;
    int32_t condition = 0;
    int32_t boundary = 0;
    friend bool operator==(const Element&, const Element&) = default;
};

// kind: 1 potential / 2 flux / 3 convection for potential analyses,
// 1 traction / 2 displacement for elasticity. Stored as a float, as the
// project file has it.
struct BoundaryCondition {
    float kind = 0.0f;
    float atNode1 = 0.0f;
    float atMiddle = 0.0f;
    float atNode2 = 0.0f;
    float atNode1Y = 0.0f;
    float atMiddleY = 0.0f;
    float atNode2Y = 0.0f;
    float unused = 0.0f; // room for an eighth value, never used nor saved
    friend bool operator==(const BoundaryCondition&, const BoundaryCondition&) = default;
};

enum BoundaryKind : int32_t { OuterBoundary = 1, InnerBoundary = 2 };

struct Boundary {
    int32_t kind = 0;
    friend bool operator==(const Boundary&, const Boundary&) = default;
};

struct InternalPoint {
    float x = 0.0f;
    float y = 0.0f;
    float internalResult = 0.0f;
    friend bool operator==(const InternalPoint&, const InternalPoint&) = default;
};

// Seven float slots, numbered 1..7 (slot 0 unused).
struct ResultRecord {
    std::array<float, 8> slot{};
    friend bool operator==(const ResultRecord&, const ResultRecord&) = default;
};

// What an elasticity solution gives an internal point, in the order the
// list shows it: displacement x, y, then sigma x, sigma y, tau xy, sigma z
// and the reduced stress. A point on the boundary or outside the body gets
// zeros, as in the solver's result file.
struct InternalPointResult {
    float ux = 0.0f;
    float uy = 0.0f;
    float sigmaX = 0.0f;
    float sigmaY = 0.0f;
    float tauXY = 0.0f;
    float sigmaZ = 0.0f;
    float reduced = 0.0f;
    friend bool operator==(const InternalPointResult&, const InternalPointResult&) = default;
};

// The model data: what a project file or a computation defines, and what
// the results were computed from. Everything a step of the editing history
// restores lives here; how the model is shown lives in the Session.
struct Model {
    int32_t analysisType = HeatFlow;
    float conductivity = 1.0f;
    float ambientTemperature = 0.0f;
    int32_t currentBoundary = 1;
    int32_t currentCondition = 1;
    int32_t resultsValid = 0;

    Table<Node, kMaxNodes> nodes;
    Table<Element, kMaxElements> elements;
    Table<BoundaryCondition, kMaxConditions> conditions{1};
    Table<Boundary, kMaxBoundaries> boundaries{1};
    Table<InternalPoint, kMaxInternalPoints> internalPoints;
    // The check's working copy of the elements, indexed by element number;
    // scratch, not model data.
    NumberedArray<Element, kMaxElements> elementScratch;
    // Indexed by element number; they have no count of their own.
    NumberedArray<ResultRecord, kMaxResults> elementResults;
    NumberedArray<ResultRecord, kMaxResults> fluxResults;
    // The internal points' elasticity results, one entry per internal point
    // when the elasticity solution was computed here (an imported result
    // file carries none: then no entries). Like the other results, never
    // saved with the project.
    Table<InternalPointResult, kMaxInternalPoints> internalPointResults;

    // The counts by the names the rest of the system uses.
    int nodeCount() const { return nodes.count(); }
    int elementCount() const { return elements.count(); }
    int conditionCount() const { return conditions.count(); }
    int boundaryCount() const { return boundaries.count(); }
    int internalPointCount() const { return internalPoints.count(); }
};

// Whether valid elasticity results hold values for the internal points: the
// solution was computed here, for the internal points there are now.
inline bool hasInternalPointResults(const Model& model)
{
    return model.resultsValid == 1 && model.analysisType == Elasticity && model.internalPointCount() > 0 &&
           model.internalPointResults.count() == model.internalPointCount();
}

} // namespace zorind
