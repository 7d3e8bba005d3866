#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/cad/Drawing.h"
#include "core/model/Model.h"

namespace zorind::cad {

// Ends that miss each other by less than this part of the drawing's size
// meet (the rounding of the file's numbers); farther apart they are a gap.
inline constexpr double kJoinTolerance = 1e-5;

// The node count the default element length aims at: three quarters of
// the table, so that the user can still add to the model.
inline constexpr int kDefaultNodeTarget = kMaxNodes * 3 / 4;

struct ImportOptions {
    // Elements cut from curves are no longer than this; nothing: the
    // length is chosen so that the model fits the tables with room to spare.
    std::optional<double> elementLength;
    int32_t analysisType = HeatFlow;
};

// What an import made of a drawing, or why it made nothing.
struct DrawingImport {
    std::string refusal; // empty when the model was built
    int boundaries = 0;
    int nodes = 0;
    int elements = 0;
    int internalPoints = 0;
    // The length the curves were cut by (nothing when the drawing has no
    // curves), and whether it was chosen rather than asked for.
    std::optional<double> elementLength;
    bool lengthChosen = false;
    // What was left out: entities that make no boundary, chains that do not
    // close, points outside the region.
    std::vector<std::string> notes;
    bool ok() const { return refusal.empty(); }
};

// The model of a drawing: its closed loops as boundaries (a loop inside an
// odd number of others is inner, clockwise; the rest outer,
// counter-clockwise), each loop's nodes and elements numbered in turn, a
// loop after the loop around it and otherwise in the order of the drawing;
// straight pieces as single elements, curves cut into equal elements no
// longer than the element length with every node on the curve; every
// element with condition 1; the drawing's points inside the region as
// internal points. On a refusal (no closed loop, loops that touch or
// cross, more nodes or boundaries than the tables hold) `model` is left as
// it was.
DrawingImport importDrawing(const Drawing& drawing, const ImportOptions& options, Model& model);

// The element length a user would type: the least of 1, 1.2, 1.5, 2, 2.5,
// 3, 4, 5, 6, 8 times a power of ten that is not below `length`.
double roundLengthUp(double length);

// "(12.5, -3)": a point of the drawing in a message.
std::string pointText(Point p);

} // namespace zorind::cad
