// Compiled with -mavx2 -mfma (see CMakeLists.txt) and called only on a
// processor that has both.
#define Eigen ZorindEigenAvx2
#define ZORIND_LU_TARGET avx2
#include "elastic/LuSolveKernel.h"
