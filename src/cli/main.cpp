// zorind-cli: the ZORIND commands without a window, for scripted studies.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "cli/CliSupport.h"
#include "core/model/Version.h"
#include "core/ui/Messages.h"

namespace {

constexpr const char* kUsage =
    "Użycie: zorind-cli POLECENIE [ARGUMENTY]\n"
    "       zorind-cli --version | --help\n"
    "\n"
    "Polecenia:\n"
    "  check FILE                         sprawdza spójność danych projektu\n"
    "  solve FILE [--json]                oblicza zadanie i wypisuje wyniki (sprężystość:\n"
    "                                     węzły jak import-results, potem punkty wewnętrzne)\n"
    "  field FILE --grid NXxNY [--json]   oblicza zadanie i wypisuje potencjał \"x y wartość\"\n"
    "                                     w środkach NX × NY komórek prostokąta otaczającego\n"
    "                                     model, wiersz po wierszu od dołu; punkty poza\n"
    "                                     obszarem są pomijane (NX, NY od 1 do 2000)\n"
    "  balance FILE [--json]              oblicza zadanie (gdy trzeba) i wypisuje bilans: dla\n"
    "                                     każdego brzegu i warunku liczbę elementów, długość,\n"
    "                                     strumień i potencjał (najmniejszy, największy, średni),\n"
    "                                     w zadaniu sprężystości siłę [Fx, Fy] i moment względem\n"
    "                                     początku układu; sumę, niezbilansowanie i największe\n"
    "                                     naprężenie zredukowane na brzegu z jego węzłem\n"
    "  probe FILE --from X,Y --to X,Y [-n N] [--json]\n"
    "                                     wyniki w N + 1 równo rozłożonych punktach odcinka\n"
    "                                     (domyślnie N = 100): s x y wewnątrz wartość gradient\n"
    "                                     (sprężystość: przemieszczenia i naprężenia), potem\n"
    "                                     strumień przez odcinek (normalna po prawej stronie\n"
    "                                     kierunku od --from do --to); odcinek o zerowej\n"
    "                                     długości lub cały poza obszarem: kod 2\n"
    "  renumber FILE -o OUT               renumeruje elementy i zapisuje OUT\n"
    "  clean FILE [--double-nodes] [--free-nodes] [--zero-length] -o OUT\n"
    "                                     usuwa podwójne węzły, wolne węzły, elementy\n"
    "                                     o zerowej długości (w podanej kolejności)\n"
    "  refine FILE -n N -o OUT            dzieli każdy element na N równych elementów\n"
    "                                     (N od 2 do 20) i zapisuje OUT; gdy węzły lub\n"
    "                                     elementy nie mieszczą się w tablicach, nie zapisuje\n"
    "                                     niczego (kod 1)\n"
    "  render FILE -o OUT.png|OUT.pdf|OUT.svg [--size WxH] [--fit] [--equal-scale]\n"
    "         [--potential | --flux] [--map] [--arrows] [--displacements] [--stress]\n"
    "                                     rysuje obszar rysunku okna do pliku PNG, PDF\n"
    "                                     lub SVG (według rozszerzenia; rozmiar w pikselach\n"
    "                                     przy 96 dpi, domyślnie 640x480); --equal-scale:\n"
    "                                     obie osie w jednej skali (okrąg pozostaje okręgiem)\n"
    "                                     --map: mapa potencjału w obszarze z izoliniami\n"
    "                                     (w zadaniu sprężystości: naprężeń zredukowanych);\n"
    "                                     --arrows: strzałki strumienia -k grad u w obszarze\n"
    "                                     z --potential, --flux lub --map legenda skali barw\n"
    "                                     przy prawej krawędzi; w zadaniu sprężystości\n"
    "                                     --displacements: brzeg odkształcony na nieodkształconym,\n"
    "                                     --stress: brzeg w barwach naprężeń zredukowanych\n"
    "  export-elasticity FILE [-C DIR]    zapisuje plik wymiany dla programu sprężystości\n"
    "  import-results FILE [RESULTS]      wczytuje wyniki sprężystości (domyślnie tav_ed.wyn)\n"
    "\n"
    "Kody wyjścia: 0 poprawnie, 1 błędy w danych, 2 błąd użycia lub odczytu pliku,\n"
    "3 błąd obliczeń, 4 typ obliczeń nie jest liczony przez ten program.\n";

struct Subcommand {
    const char* name;
    int (*run)(zorind::cli::Arguments);
};

constexpr Subcommand kSubcommands[] = {
    {"check", zorind::cli::runCheck},
    {"solve", zorind::cli::runSolve},
    {"field", zorind::cli::runField},
    {"balance", zorind::cli::runBalance},
    {"probe", zorind::cli::runProbe},
    {"renumber", zorind::cli::runRenumber},
    {"clean", zorind::cli::runClean},
    {"refine", zorind::cli::runRefine},
    {"render", zorind::cli::runRender},
    {"export-elasticity", zorind::cli::runExportElasticity},
    {"import-results", zorind::cli::runImportResults},
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return zorind::cli::kExitUsage;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return zorind::cli::kExitOk;
    }
    if (command == "--version") {
        std::printf("zorind-cli (%s) %s\n", zorind::kApplicationTitle, zorind::kApplicationVersion);
        return zorind::cli::kExitOk;
    }
    std::vector<std::string> rest(argv + 2, argv + argc);
    for (const Subcommand& sub : kSubcommands) {
        if (command != sub.name) {
            continue;
        }
        try {
            return sub.run(zorind::cli::Arguments(std::move(rest)));
        } catch (const zorind::cli::UsageError& usage) {
            std::fprintf(stderr, "%s\n\n%s", usage.message.c_str(), kUsage);
            return zorind::cli::kExitUsage;
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s\n", zorind::cli::CliInteraction::oneLine(error.what()).c_str());
            return zorind::cli::kExitComputeFailed;
        }
    }
    std::fprintf(stderr, "Nieznane polecenie: %s\n\n%s", command.c_str(), kUsage);
    return zorind::cli::kExitUsage;
}
