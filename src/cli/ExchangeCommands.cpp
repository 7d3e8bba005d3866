#include "CliSupport.h"

#include <cstdio>

namespace zorind::cli {

int runExportElasticity(Arguments)
{
    std::fputs("Polecenie nie jest jeszcze dostępne\n", stderr);
    return kExitUsage;
}

int runImportResults(Arguments)
{
    std::fputs("Polecenie nie jest jeszcze dostępne\n", stderr);
    return kExitUsage;
}

} // namespace zorind::cli
