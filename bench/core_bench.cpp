// Timings of the core's hot paths beside a peer expression parser and the
// same formulas written by hand, with the ratios printed after the run.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/self_test.h"
#include "engine/calculation.h"
#include "engine/expression.h"
#include "engine/number.h"
#include "reports/custom_report.h"

namespace {

const double kInputs[] = {170.0, 65.0};                   // h, w: the defaults of tool 119
const double kOutputs[] = {22.49134948096886, 65.0, 0.0}; // bmi, std, diff of a run on them

// The formulas and the non-empty conditions of tool 119, each with the same
// computation written in C++ (in: h, w; out: bmi, std, diff).
struct FormulaCase {
    const char* key;
    const char* text;
    double (*byHand)(const double* in, const double* out);
};

const FormulaCase kFormulas[] = {
    {"bmi", "w/(h/100)^2",
     [](const double* in, const double*) { return in[1] / ((in[0] / 100) * (in[0] / 100)); }},
    {"std", "h-105", [](const double* in, const double*) { return in[0] - 105; }},
    {"diff", "(w-(h-105))/(h-105)*100",
     [](const double* in, const double*) { return (in[1] - (in[0] - 105)) / (in[0] - 105) * 100; }},
    {"rule1", "bmi<18.5", [](const double*, const double* out) { return out[0] < 18.5 ? 1.0 : 0.0; }},
    {"rule2", "bmi<24", [](const double*, const double* out) { return out[0] < 24 ? 1.0 : 0.0; }},
    {"rule3", "bmi<28", [](const double*, const double* out) { return out[0] < 28 ? 1.0 : 0.0; }},
};

// A peer parser with the tool's variable names bound to its own copies.
struct PeerParser {
    mu::Parser parser;
    double h = kInputs[0], w = kInputs[1];
    double bmi = kOutputs[0], std = kOutputs[1], diff = kOutputs[2];
    PeerParser() {
        parser.DefineVar("h", &h);
        parser.DefineVar("w", &w);
        parser.DefineVar("bmi", &bmi);
        parser.DefineVar("std", &std);
        parser.DefineVar("diff", &diff);
    }
};

// The peer reports errors by throwing; the tool's texts are all valid for it.
bool peerEvaluates(PeerParser& peer, const char* text, benchmark::State& state) {
    try {
        peer.parser.SetExpr(text);
        benchmark::DoNotOptimize(peer.parser.Eval());
        return true;
    } catch (const mu::Parser::exception_type& e) {
        state.SkipWithError(e.GetMsg().c_str());
        return false;
    }
}

void benchOurs(benchmark::State& state, const FormulaCase& c) {
    const ToolDef& tool = builtinTool();
    for (auto _ : state) {
        int32_t failed = 0;
        double value = evaluateExpression(tool, c.text, kInputs, kOutputs, &failed);
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(failed);
    }
}

void benchPeerParseEach(benchmark::State& state, const FormulaCase& c) {
    PeerParser peer;
    if (!peerEvaluates(peer, c.text, state)) return;
    const std::string text = c.text;
    for (auto _ : state) {
        peer.parser.SetExpr(text);
        double value = peer.parser.Eval();
        benchmark::DoNotOptimize(value);
    }
}

void benchPeerPreParsed(benchmark::State& state, const FormulaCase& c) {
    PeerParser peer;
    if (!peerEvaluates(peer, c.text, state)) return;
    for (auto _ : state) {
        double value = peer.parser.Eval();
        benchmark::DoNotOptimize(value);
    }
}

void benchByHand(benchmark::State& state, const FormulaCase& c) {
    double in[2] = {kInputs[0], kInputs[1]};
    double out[3] = {kOutputs[0], kOutputs[1], kOutputs[2]};
    for (auto _ : state) {
        // The values are reloaded every time, so nothing is folded away.
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(out);
        double value = c.byHand(in, out);
        benchmark::DoNotOptimize(value);
    }
}

void benchRunCalculation(benchmark::State& state) {
    const ToolDef& tool = builtinTool();
    static wchar_t report[8192], verdict[512], copy[8192];
    for (auto _ : state) {
        int32_t level = 0;
        runCalculation(tool, kInputs, report, 8192, verdict, 512, &level, copy, 8192);
        benchmark::DoNotOptimize(level);
        benchmark::ClobberMemory();
    }
}

// One report tool per kind, with the inputs its generator reads.
struct ReportCase {
    const char* key;
    ReportKind kind;
    int32_t capacity;
    int32_t inputCount;
    const char* vars[4];
    double values[4];
};

const ReportCase kReports[] = {
    {"roster40x31_8192", report_kind::DutyRoster, 8192, 2, {"nurses", "days"}, {40, 31}},
    {"roster40x31_4096", report_kind::DutyRoster, 4096, 2, {"nurses", "days"}, {40, 31}},
    {"dosing30", report_kind::DosingTimetable, 4096, 3, {"start", "interval", "times"}, {8, 8, 30}},
    {"bloodOrder", report_kind::BloodCollectionOrder, 4096, 1, {"kind"}, {2}},
    {"criticalValues", report_kind::CriticalValues, 4096, 1, {"kind"}, {1}},
    {"highAlertDrugs", report_kind::HighAlertDrugs, 4096, 1, {"kind"}, {1}},
    {"compatibility", report_kind::InfusionCompatibility, 4096, 2, {"drugA", "drugB"}, {1, 2}},
    {"followUp20", report_kind::FollowUpDates, 4096, 3, {"start", "gap", "times"}, {30, 30, 20}},
    {"surgicalChecklist", report_kind::SurgicalChecklist, 4096, 0, {}, {}},
    {"handover30", report_kind::HandoverTemplate, 4096, 1, {"beds"}, {30}},
    {"infusionCard",
     report_kind::InfusionCard,
     4096,
     4,
     {"bed", "dose", "volume", "gtt"},
     {12, 2.5, 250, 40}},
    {"labPanels", report_kind::LabPanels, 4096, 1, {"panel"}, {2}},
    {"placeholder", 12, 4096, 0, {}, {}},
};

void benchReport(benchmark::State& state, const ReportCase& c) {
    InputField inputs[4] = {};
    for (int32_t i = 0; i < c.inputCount; ++i)
        inputs[i] = {c.vars[i], L"", nullptr, c.values[i]};
    ToolDef tool = builtinTool();
    tool.inputCount = c.inputCount;
    tool.inputs = inputs;
    tool.reportKind = c.kind;
    static wchar_t report[8192], verdict[512];
    for (auto _ : state) {
        int32_t level = composeCustomReport(c.kind, &tool, c.values, report, c.capacity, verdict, 512);
        benchmark::DoNotOptimize(level);
        benchmark::ClobberMemory();
    }
}

void benchSelfTestFile(benchmark::State& state) {
    static wchar_t fileText[kSelfTestFileCapacity];
    for (auto _ : state) {
        int32_t errors = composeSelfTestFile(builtinTool(), fileText, kSelfTestFileCapacity);
        benchmark::DoNotOptimize(errors);
        benchmark::ClobberMemory();
    }
}

// The two numbers of "w/(h/100)^2" and longer ones, ours against strtod.
const char* const kNumbers[] = {"100", "18.5", "0.1", "123456.789", "2.2250738585072014e-308", "0x1.8p3"};

void benchReadNumber(benchmark::State& state, const char* text) {
    for (auto _ : state) {
        const char* end = nullptr;
        double value = readNumber(text, &end);
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(end);
    }
}

void benchStrtod(benchmark::State& state, const char* text) {
    for (auto _ : state) {
        char* end = nullptr;
        double value = std::strtod(text, &end);
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(end);
    }
}

// The console output, then a table of ratios built from the same runs.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    explicit RatioReporter(bool color) : ConsoleReporter(color ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const double ns =
                run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            const std::string name = run.run_name.str();
            if (run.run_type == Run::RT_Iteration) {
                samples_[name].push_back(ns);
            } else if (run.aggregate_name == "median") {
                medians_[name] = ns;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nRatios (CPU time; medians when repeated):\n");
        std::printf("%-8s %-26s %9s %9s %9s %9s %10s %10s %10s\n", "formula", "text", "ours ns", "peerEv",
                    "peerPE", "hand", "/peerEval", "/peerP+E", "/hand");
        for (const FormulaCase& c : kFormulas) {
            const double ours = time(std::string("Expr/ours/") + c.key);
            const double peerEval = time(std::string("Expr/peerEval/") + c.key);
            const double peerParse = time(std::string("Expr/peerParseEval/") + c.key);
            const double hand = time(std::string("Expr/hand/") + c.key);
            std::printf("%-8s %-26s %9.2f %9.2f %9.2f %9.2f %10.2f %10.3f %10.1f\n", c.key, c.text, ours,
                        peerEval, peerParse, hand, ours / peerEval, ours / peerParse, ours / hand);
        }
        const double bmi = time("Expr/ours/bmi");
        std::printf("\nTargets: evaluateExpression(\"w/(h/100)^2\") <= peer Eval (pre-parsed): %.2f x %s; "
                    "<= 12 x hand: %.1f x %s\n",
                    bmi / time("Expr/peerEval/bmi"), bmi <= time("Expr/peerEval/bmi") ? "met" : "MISSED",
                    bmi / time("Expr/hand/bmi"), bmi <= 12 * time("Expr/hand/bmi") ? "met" : "MISSED");
        const double run = time("Run/tool119");
        std::printf("         runCalculation(tool 119): %.3f us of 3 us: %s\n", run / 1000,
                    run <= 3000 ? "met" : "MISSED");
        std::printf("\nNumbers: readNumber / strtod\n");
        for (const char* text : kNumbers) {
            std::printf(
                "  %-26s %8.2f ns %8.2f ns %6.2f\n", text, time(std::string("Number/readNumber/") + text),
                time(std::string("Number/strtod/") + text),
                time(std::string("Number/readNumber/") + text) / time(std::string("Number/strtod/") + text));
        }
    }

  private:
    double time(const std::string& name) {
        auto m = medians_.find(name);
        if (m != medians_.end()) return m->second;
        auto s = samples_.find(name);
        if (s == samples_.end() || s->second.empty()) return 0.0 / 0.0;
        std::vector<double> v = s->second;
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    }

    std::map<std::string, std::vector<double>> samples_;
    std::map<std::string, double> medians_;
};

void registerAll() {
    for (const FormulaCase& c : kFormulas) {
        benchmark::RegisterBenchmark((std::string("Expr/ours/") + c.key).c_str(), benchOurs, c);
        benchmark::RegisterBenchmark((std::string("Expr/peerEval/") + c.key).c_str(), benchPeerPreParsed, c);
        benchmark::RegisterBenchmark((std::string("Expr/peerParseEval/") + c.key).c_str(), benchPeerParseEach,
                                     c);
        benchmark::RegisterBenchmark((std::string("Expr/hand/") + c.key).c_str(), benchByHand, c);
    }
    benchmark::RegisterBenchmark("Run/tool119", benchRunCalculation);
    for (const ReportCase& c : kReports)
        benchmark::RegisterBenchmark((std::string("Report/") + c.key).c_str(), benchReport, c)
            ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("SelfTest/composeFile", benchSelfTestFile)->Unit(benchmark::kMicrosecond);
    for (const char* text : kNumbers) {
        benchmark::RegisterBenchmark((std::string("Number/readNumber/") + text).c_str(), benchReadNumber,
                                     text);
        benchmark::RegisterBenchmark((std::string("Number/strtod/") + text).c_str(), benchStrtod, text);
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    registerAll();
    RatioReporter reporter(isatty(fileno(stdout)) != 0);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
