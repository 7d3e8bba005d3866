// probe: the results at equally spaced points of a segment, and the flux
// through it ("Obliczenia" → "Wykres wzdłuż odcinka" in the window).
#include <cstdio>
#include <string>

#include "cli/AnswerOutput.h"
#include "core/postprocess/Probe.h"
#include "elastic/ElasticSolver.h"

namespace zorind::cli {

namespace {

// "X,Y" with a decimal point, each a finite number.
std::array<double, 2> parsePoint(const std::string& option, const std::optional<std::string>& text)
{
    if (!text) {
        throw UsageError{"Brak opcji " + option + " X,Y"};
    }
    const std::size_t comma = text->find(',');
    const std::optional<double> x =
        comma == std::string::npos ? std::nullopt : parseFiniteDouble(text->substr(0, comma));
    const std::optional<double> y =
        comma == std::string::npos ? std::nullopt : parseFiniteDouble(text->substr(comma + 1));
    if (!x || !y) {
        throw UsageError{std::string(kProbeBadCoordinatesMessage) + ": " + option + ' ' + *text +
                         " (oczekiwano X,Y, np. 0.5,-1.25)"};
    }
    return {*x, *y};
}

int parseIntervals(const std::optional<std::string>& text)
{
    if (!text) {
        return kDefaultProbeIntervals;
    }
    const std::optional<int> n = parseInt(*text);
    if (!n || *n < 1 || *n > kMaxProbeIntervals) {
        throw UsageError{"Niepoprawna liczba odcinków: -n " + *text + " (od 1 do " +
                         std::to_string(kMaxProbeIntervals) + ")"};
    }
    return *n;
}

std::string stressText(const contract::Stress& s)
{
    return textNumber(s.sx) + ' ' + textNumber(s.sy) + ' ' + textNumber(s.sz) + ' ' + textNumber(s.txy) + ' ' +
           textNumber(s.reduced);
}

std::string text(const Probe& probe)
{
    std::string out = probe.elasticity
                          ? "# s x y inside displacement.x displacement.y sigmaX sigmaY sigmaZ tauXY reduced\n"
                          : "# s x y inside value gradient.x gradient.y\n";
    for (const ProbeSample& p : probe.samples) {
        out += textNumber(p.s) + ' ' + textNumber(p.x) + ' ' + textNumber(p.y) + (p.inside ? " 1 " : " 0 ");
        if (probe.elasticity) {
            out += textNumber(p.displacement[0]) + ' ' + textNumber(p.displacement[1]) + ' ' + stressText(p.stress);
        } else {
            out += textNumber(p.value) + ' ' + textNumber(p.gradient[0]) + ' ' + textNumber(p.gradient[1]);
        }
        out += '\n';
    }
    if (!probe.elasticity) {
        out += "flux " + textNumber(probe.flux) + '\n';
    }
    return out;
}

std::string json(const Probe& probe, int analysisType)
{
    std::string out = "{\"analysisType\":" + std::to_string(analysisType) + ",\"points\":[";
    for (std::size_t i = 0; i < probe.samples.size(); ++i) {
        const ProbeSample& p = probe.samples[i];
        out += std::string(i > 0 ? "," : "") + "{\"s\":" + jsonNumber(p.s) + ",\"x\":" + jsonNumber(p.x) +
               ",\"y\":" + jsonNumber(p.y) + ",\"inside\":" + (p.inside ? "true" : "false");
        if (probe.elasticity) {
            const contract::Stress& s = p.stress;
            out += ",\"displacement\":" + jsonPair(p.displacement[0], p.displacement[1]) +
                   ",\"stress\":{\"sigmaX\":" + jsonNumber(s.sx) + ",\"sigmaY\":" + jsonNumber(s.sy) +
                   ",\"sigmaZ\":" + jsonNumber(s.sz) + ",\"tauXY\":" + jsonNumber(s.txy) +
                   ",\"reduced\":" + jsonNumber(s.reduced) + '}';
        } else {
            out += ",\"value\":" + jsonNumber(p.value) +
                   ",\"gradient\":" + (p.inside ? jsonPair(p.gradient[0], p.gradient[1]) : std::string("null"));
        }
        out += '}';
    }
    out += ']';
    if (!probe.elasticity) {
        out += ",\"flux\":" + jsonNumber(probe.flux);
    }
    return out + "}\n";
}

} // namespace

int runProbe(Arguments args)
{
    const bool asJson = args.takeFlag("--json");
    const std::array<double, 2> from = parsePoint("--from", args.takeOption("--from"));
    const std::array<double, 2> to = parsePoint("--to", args.takeOption("--to"));
    const int intervals = parseIntervals(args.takeOption("-n"));
    const std::optional<std::string> file = args.takePositional();
    if (!file) {
        throw UsageError{"Brak nazwy pliku projektu"};
    }
    args.expectEmpty();

    Project project;
    if (!loadProject(project, *file)) {
        return kExitUsage;
    }
    if (const int status = readyResults(project); status != kExitOk) {
        return status;
    }
    const ProbeOutcome outcome =
        probeSegment(project, {from[0], from[1], to[0], to[1]}, intervals, elastic::solveElasticProblem);
    if (!outcome.probe) {
        CliInteraction::print(stderr, outcome.refusal);
        // A segment that cannot be probed is the user's input; a solver
        // that refuses the points is a failed computation.
        const bool badSegment = outcome.refusal == kProbeZeroLengthMessage || outcome.refusal == kProbeOutsideMessage;
        return badSegment ? kExitUsage : kExitComputeFailed;
    }
    const std::string out = asJson ? json(*outcome.probe, project.analysisType) : text(*outcome.probe);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return kExitOk;
}

} // namespace zorind::cli
