#include "elastic/ElasticProgram.h"

#include "elastic/ElasticSolver.h"
#include "elastic/ExchangeModel.h"
#include "elastic/ResultWriter.h"

#include <exception>
#include <new>

namespace zorind::elastic {

int runElastic(const std::filesystem::path& data, const std::filesystem::path& results, std::ostream& err)
{
    std::error_code ec;
    if (std::filesystem::equivalent(data, results, ec)) {
        err << "zorind-elastic: plik wyników nie może być plikiem danych\n";
        return exitUsage;
    }
    try {
        // A result path that cannot take the results is refused before
        // anything is read or solved.
        resultFileTarget(results);
        const ExchangeModel model = readExchangeFile(data);
        const ElasticSolution solution = solveElastic(model);
        writeResultFile(results, model, solution);
        return exitSolved;
    } catch (const ElasticError& e) {
        err << "zorind-elastic: " << e.what() << "\n";
    } catch (const std::bad_alloc&) {
        err << "zorind-elastic: brak pamięci na obliczenie\n";
    } catch (const std::exception& e) {
        err << "zorind-elastic: błąd: " << e.what() << "\n";
    }
    // Whatever the result path names stays as it was: the results of an
    // earlier run are not this program's to destroy, and the failure status
    // says that no results were written.
    return exitFailed;
}

int runElasticMain(int argc, const char* const* argv, std::ostream& err)
{
    if (argc != 3) {
        err << "Użycie: zorind-elastic DANE WYNIKI\n"
               "  DANE   plik wymiany zapisany przez eksport (tav_ed.dat)\n"
               "  WYNIKI plik wyników do importu (tav_ed.wyn)\n";
        return exitUsage;
    }
    return runElastic(argv[1], argv[2], err);
}

} // namespace zorind::elastic
