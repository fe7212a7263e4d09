// Writes the validation report: every tool's data and every worked example
// as this build of the engine computes it. The page is written either way;
// exit 2 when an example differs or a self-test output fails, 1 when the
// page cannot be written. Usage: validation_report <html file> <build date>
#include <cstdio>
#include <string>

#include "app/user_guide.h"
#include "app/validation_report.h"
#include "launcher/launcher_model.h"
#include "tools/suite.h"

namespace {

#if defined(_WIN64)
constexpr wchar_t kEngine[] = L"validation_report.exe（Windows x64 构建，mingw-w64 GCC " __VERSION__ L"）";
#else
constexpr wchar_t kEngine[] = L"validation_report（本机构建，GCC " __VERSION__ L"）";
#endif

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: validation_report <html file> <build date>\n");
        return 1;
    }
    const ToolDef* suite[kSuiteToolCount];
    for (int32_t i = 0; i < kSuiteToolCount; ++i)
        suite[i] = &kSuiteTools[i].tool();
    const ToolDef* ordered[kSuiteToolCount];
    const int32_t count = orderTools(suite, kSuiteToolCount, ordered, kSuiteToolCount);
    const ReportOrigin origin{widen(MEDTOOL_VERSION), widen(argv[2]), kEngine, hostSystemName()};
    ReportTotals totals;
    const std::string page = encodeUtf8(
        composeValidationReport(ordered, count, kWorkedExamples, countOf(kWorkedExamples), origin, &totals),
        true);
    std::FILE* file = std::fopen(argv[1], "wb");
    const bool written = file != nullptr && std::fwrite(page.data(), 1, page.size(), file) == page.size();
    if (file == nullptr || std::fclose(file) != 0 || !written || page.empty()) {
        std::fprintf(stderr, "validation_report: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf(
        "validation_report: %d tools, %d examples, %d agreed, %d differ; %d self-tests, %d outputs failed\n",
        totals.tools, totals.examples, totals.agreed, totals.examples - totals.agreed, totals.selfTests,
        totals.selfTestErrors);
    return totals.agreed == totals.examples && totals.selfTestErrors == 0 ? 0 : 2;
}
