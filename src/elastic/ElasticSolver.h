#pragma once

#include "contract/ElasticProblem.h"
#include "elastic/ExchangeModel.h"

#include <string>
#include <vector>

namespace zorind::elastic {

// The solution's types are the contract's: the application's in-process
// path reads them as they are.
using contract::ElasticElement;
using contract::ElasticKind;
using contract::ElasticProblem;
using contract::ElasticSolution;
using contract::NodeResult;
using contract::PlanePoint;
using contract::PointResult;
using contract::Stress;

// Plane-strain boundary-element solution of the exchange model; throws
// ElasticError when the model cannot be solved.
ElasticSolution solveElastic(const ExchangeModel& model);

// The same solution of a problem whose elements carry their own conditions:
// each element end takes its element's traction or displacement, so that a
// node keeps a load of its own on each side and a node where a loaded
// element meets a held one is held with the load on its loaded side. The
// notes number the internal points from 1, as the application does. Throws
// ElasticError when the problem is malformed (a reference to no node, a
// value that is not a finite number within single-precision range, a
// material out of range) or cannot be solved.
ElasticSolution solveElasticProblem(const ElasticProblem& problem);

// Completes sz and the reduced stress from sx, sy and txy.
Stress planeStrainStress(double sx, double sy, double txy, double poissonRatio);

} // namespace zorind::elastic
