// zorind-elastic DATA RESULTS: the plane-strain boundary-element solver that
// the application starts on its elasticity exchange file.
#include "elastic/ElasticProgram.h"

#include <iostream>

int main(int argc, char** argv)
{
    return zorind::elastic::runElasticMain(argc, argv, std::cerr);
}
