#include "CliSupport.h"

#include <cstdio>

namespace zorind::cli {

int runSolve(Arguments)
{
    std::fputs("Polecenie nie jest jeszcze dostępne\n", stderr);
    return kExitUsage;
}

} // namespace zorind::cli
