#include "CliSupport.h"

#include <cstdio>

namespace zorind::cli {

int runCheck(Arguments)
{
    std::fputs("Polecenie nie jest jeszcze dostępne\n", stderr);
    return kExitUsage;
}

int runRenumber(Arguments)
{
    std::fputs("Polecenie nie jest jeszcze dostępne\n", stderr);
    return kExitUsage;
}

int runClean(Arguments)
{
    std::fputs("Polecenie nie jest jeszcze dostępne\n", stderr);
    return kExitUsage;
}

} // namespace zorind::cli
