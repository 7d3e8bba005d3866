#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zorind::elastic {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// A straight boundary element between two nodes (0-based indices).
struct Element {
    int start = 0;
    int end = 0;
};

// A prescribed displacement or traction at a node (0-based index), global x and y.
struct NodalValue {
    int node = 0;
    double x = 0.0;
    double y = 0.0;
    // A displacement line's flags: which components it holds. A symmetry
    // plane holds one ("1 0": x, "0 1": y); its other component's traction
    // is given, by the node's traction line or zero without one. A traction
    // line holds nothing and leaves both true.
    bool heldX = true;
    bool heldY = true;
};

// The exchange data file as written by the application's export.
struct ExchangeModel {
    double youngModulus = 0.0;
    double poissonRatio = 0.0;
    std::vector<Point> nodes;
    std::vector<Point> internalPoints;
    std::vector<Element> elements;
    std::vector<NodalValue> displacements;
    std::vector<NodalValue> tractions;
};

// Every refusal of the program: bad input, an unsolvable model, an unwritable
// result file. The text is shown to the user as it is.
class ElasticError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parses the text of an exchange file; throws ElasticError naming the line of
// the first fault.
ExchangeModel parseExchange(std::string_view text);
// Reads and parses the file; throws ElasticError when it cannot be read.
ExchangeModel readExchangeFile(const std::filesystem::path& path);

} // namespace zorind::elastic
