// Writes the exchange-file seeds for the elastic_exchange fuzz target into
// the folder given: the test models in the export's own number format and at
// full precision.
#include "elastic/ExchangeText.h"

#include <filesystem>
#include <fstream>
#include <iostream>

using namespace zorind::elastic;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: fuzz_seed_writer DIR\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);

    ExchangeModel square;
    square.youngModulus = 210000003072.0;
    square.poissonRatio = 0.3;
    test::addLoop(square, test::square(1.0, 2));
    for (int i = 0; i < 8; ++i) {
        const Point p = square.nodes[static_cast<std::size_t>(i)];
        if (p.y == 0.0) {
            square.displacements.push_back({i, 0.0, 0.0});
        }
        if (p.y == 1.0) {
            square.tractions.push_back({i, 0.0, 1e6});
        }
    }
    square.internalPoints = {{0.5, 0.5}};

    ExchangeModel ring;
    ring.youngModulus = 210000003072.0;
    ring.poissonRatio = 0.3;
    test::addLoop(ring, test::circle(2.0, 8));
    test::addLoop(ring, test::circle(1.0, 8, false));
    for (int i = 0; i < 8; ++i) {
        ring.displacements.push_back({i, 0.0, 0.0});
        const Point p = ring.nodes[static_cast<std::size_t>(8 + i)];
        ring.tractions.push_back({8 + i, 1e6 * p.x, 1e6 * p.y});
    }
    ring.internalPoints = {{1.5, 0.0}, {0.0, -1.5}};

    const std::pair<const char*, ExchangeModel> models[] = {
        {"square", square}, {"ring", ring}, {"largest", test::largestModel()}};
    for (const auto& [name, model] : models) {
        std::ofstream(dir / (std::string(name) + "_export.dat")) << test::exchangeText(model, -1);
        std::ofstream(dir / (std::string(name) + "_full.dat")) << test::exchangeText(model, 17);
    }
    return 0;
}
