#include "CliSupport.h"

#include <cstdio>

namespace zorind::cli {

int runRender(Arguments)
{
    std::fputs("Polecenie nie jest jeszcze dostępne\n", stderr);
    return kExitUsage;
}

} // namespace zorind::cli
