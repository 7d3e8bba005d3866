#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/Table.h"
#include "model/Version.h"
#include "view/ColourPalette.h"
#include "view/DisplaySettings.h"
#include "view/ViewTransform.h"

namespace zorind {

inline constexpr const char* kApplicationTitle = "ZORIND";

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
// (external solver), 11 thermoelasticity (computed by nothing).
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

enum class EditMode { Idle, PolylineEntry };

// A position in the drawing area's client area, in pixels (y down).
struct PixelPoint {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// The pointer-interaction state of the main window. A project reset clears
// the mode and the open chain; the rest is pointer feedback on the screen.
struct EditState {
    // Idle: no drawing command; PolylineEntry: left presses place points.
    EditMode editMode = EditMode::Idle;
    // The first point of the polyline being drawn is placed: the rubber
    // band runs from the last node.
    bool chainOpen = false;
    // A rubber band is on the screen and must be drawn once more (inverted)
    // to erase it. Every model repaint wipes it.
    bool rubberBandShown = false;
    PixelPoint rubberAnchor; // last node when the band was drawn
    PixelPoint rubberEnd;    // pointer when the band was drawn
    // Where the last right press that opened a popup menu was; the popup
    // commands act there.
    PixelPoint popupPoint;
};

// The single in-memory model every command reads and changes.
struct Project {
    int32_t analysisType = HeatFlow;
    float conductivity = 1.0f;
    float ambientTemperature = 0.0f;
    int32_t currentBoundary = 1;
    int32_t currentCondition = 1;
    int32_t resultsValid = 0;
    bool projectOpen = false;
    std::string titleText = " ";
    int32_t selectedNumber = 0;

    Table<Node, kMaxNodes> nodes;
    Table<Element, kMaxElements> elements;
    Table<BoundaryCondition, kMaxConditions> conditions{1};
    Table<Boundary, kMaxBoundaries> boundaries{1};
    Table<InternalPoint, kMaxInternalPoints> internalPoints;
    // Indexed by element number; they have no count of their own.
    NumberedArray<Element, kMaxElements> elementScratch;
    NumberedArray<ResultRecord, kMaxResults> elementResults;
    NumberedArray<ResultRecord, kMaxResults> fluxResults;

    // The counts by the names the rest of the system uses.
    int nodeCount() const { return nodes.count(); }
    int elementCount() const { return elements.count(); }
    int conditionCount() const { return conditions.count(); }
    int boundaryCount() const { return boundaries.count(); }
    int internalPointCount() const { return internalPoints.count(); }

    // Display state kept with the project and reset together with it.
    ViewTransform view;
    DisplaySettings display;
    ColourPalette palette;
    ColourScaleRange scaleRange;
    EditState edit;
    int32_t showDisplacements = 0;
};

// Marks the results as belonging to another model: the geometry or the
// element numbering they were computed for has changed, so nothing of them
// may be shown. Returns whether a result view was on (a repaint is due).
bool invalidateResults(Project& project);

// Puts the Project back into the empty state (used by "Nowy" and "Otwórz").
// Leaves projectOpen, titleText, paletteMode, showElementBoundaryNumbers,
// showBcNumbers and the result tables alone.
void resetProject(Project& project);

// The state of a freshly started program: resetProject plus the values only
// start-up sets, with every table entry beyond its count zero.
void initialiseProject(Project& project);

// The message of a refused addition, shared by every command that adds
// entries: "Osiągnięto maksymalną liczbę <what> (<capacity>)", where `what`
// is the genitive plural ("węzłów", "elementów", ...).
std::string capacityMessage(const char* what, int capacity);

inline constexpr const char* kNodesGenitive = "węzłów";
inline constexpr const char* kElementsGenitive = "elementów";
inline constexpr const char* kConditionsGenitive = "warunków brzegowych";
inline constexpr const char* kBoundariesGenitive = "brzegów";
inline constexpr const char* kInternalPointsFull = "Osiągnięto maksymalną liczbę punktów wewnętrznych";

} // namespace zorind
