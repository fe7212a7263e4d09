#include "app/validation_report.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <initializer_list>
#include <utility>
#include <vector>

#include "app/self_test.h"
#include "engine/calculation.h"
#include "engine/text.h"
#include "ui/window_model.h"

namespace {

constexpr wchar_t kSuiteTitle[] = L"TavoMedSuite 临床工具集";
constexpr wchar_t kLevelNames[][3] = {L"正常", L"提示", L"警示", L"禁忌"};
constexpr wchar_t kAgreedMark[] = L"√ 一致";
constexpr wchar_t kDifferedMark[] = L"× 不一致";
constexpr int32_t kLineCapacity = 512;

// Plain CSS 2.1 that old engines read; the print rules give A4 pages, a tool
// per page start and table heads repeated on every page.
constexpr wchar_t kStyle[] =
    L"body{font-family:\"Microsoft YaHei\",\"微软雅黑\",\"WenQuanYi Zen Hei\",\"Noto Sans CJK SC\",SimSun,"
    L"sans-serif;font-size:10.5pt;line-height:1.45;color:#000;background:#fff;max-width:62em;"
    L"margin:1em auto;padding:0 1em}\n"
    L"h1{font-size:18pt;margin:0 0 .3em}\n"
    L"h2{font-size:14pt;margin:0 0 .5em;padding-bottom:.2em;border-bottom:2px solid #333}\n"
    L"h2,h3{page-break-after:avoid}\nh3{font-size:11pt;margin:1em 0 .3em}\n"
    L"table{border-collapse:collapse;width:100%;margin:0 0 .6em;table-layout:fixed}\n"
    L"th,td{border:1px solid #777;padding:2px 4px;vertical-align:top;text-align:left;"
    L"word-wrap:break-word}\n"
    L"th{background:#e8e8e8;font-weight:bold}\ntbody th{background:#f4f4f4;font-weight:normal}\n"
    L"thead{display:table-header-group}\n"
    L"tr{page-break-inside:avoid}\n"
    L"code{font-family:Consolas,\"Courier New\",monospace;word-break:break-all}\n"
    L"pre{font-family:Consolas,\"Courier New\",\"WenQuanYi Zen Hei Mono\",monospace;font-size:9pt;"
    L"white-space:pre-wrap;word-wrap:break-word;border:1px solid #777;padding:4px;margin:0 0 .6em}\n"
    L".tool{page-break-before:always;margin-top:2em}\n"
    L".src{color:#444;font-size:9pt}\n"
    L".ok{color:#060;font-weight:bold;white-space:nowrap}\n"
    L".bad{color:#c00;font-weight:bold;white-space:nowrap}\n"
    L".totals{font-size:12pt;font-weight:bold}\n"
    L"@page{size:A4;margin:14mm 12mm}\n"
    L"@media print{body{max-width:none;margin:0;padding:0;font-size:9pt}a{color:#000;"
    L"text-decoration:none}th{-webkit-print-color-adjust:exact;print-color-adjust:exact}}\n";

std::wstring escaped(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : text) {
        if (c == L'&') {
            out += L"&amp;";
        } else if (c == L'<') {
            out += L"&lt;";
        } else if (c == L'>') {
            out += L"&gt;";
        } else if (c == L'"') {
            out += L"&quot;";
        } else if (c != L'\r') {
            out += c;
        }
    }
    return out;
}

std::wstring escaped(const wchar_t* text) {
    return escaped(std::wstring(text != nullptr ? text : L""));
}

std::wstring formatted(const wchar_t* format, ...) {
    wchar_t line[kLineCapacity];
    va_list args;
    va_start(args, format);
    formatTextV(line, kLineCapacity, format, args);
    va_end(args);
    return line;
}

std::wstring levelText(int32_t level) {
    if (level < 0 || level > kLevelContraindicated) return formatted(L"%d", level);
    return formatted(L"%d %ls", level, kLevelNames[level]);
}

std::wstring withUnit(const std::wstring& value, const wchar_t* unit) {
    return unit != nullptr ? value + L" " + unit : value;
}

const InputChoice* choiceOf(const InputField& input, double value) {
    for (int32_t c = 0; c < input.choiceCount; ++c)
        if (input.choices[c].value == value) return &input.choices[c];
    return nullptr;
}

// A value as the input shows it: a choice's text beside its number.
std::wstring inputValueText(const InputField& input, const std::wstring& text) {
    if (input.isDate) {
        const double day = inputValueFromText(input, text.c_str());
        if (!std::isfinite(day)) return text;
        wchar_t date[kDefaultTextCapacity];
        formatInputText(input, day, date, kDefaultTextCapacity);
        return date;
    }
    const InputChoice* choice = choiceOf(input, inputValueFromText(text.c_str()));
    if (choice == nullptr) return withUnit(text, input.unit);
    wchar_t item[kChoiceTextCapacity];
    formatChoiceText(*choice, item, kChoiceTextCapacity);
    return item;
}

std::wstring dateText(const InputField& input, double day) {
    wchar_t date[kDefaultTextCapacity];
    formatInputText(input, day, date, kDefaultTextCapacity);
    return date;
}

// The default as the input table gives it: a date, and today's for a box the window fills.
std::wstring defaultText(const InputField& input) {
    if (!input.isDate) return formatted(L"%g", input.defaultValue);
    if (input.fillToday) return L"当天（自检 " + dateText(input, input.defaultValue) + L"）";
    return dateText(input, input.defaultValue);
}

std::wstring rangeText(const InputField& input) {
    if (input.choiceCount > 0) return L"从列表选择";
    if (!hasPlausibleRange(input)) return L"不检查";
    if (input.isDate) return dateText(input, input.plausibleMin) + L"–" + dateText(input, input.plausibleMax);
    const bool low = std::isfinite(input.plausibleMin);
    const bool high = std::isfinite(input.plausibleMax);
    std::wstring range = low && high ? formatted(L"%g–%g", input.plausibleMin, input.plausibleMax)
                         : low       ? formatted(L"≥ %g", input.plausibleMin)
                                     : formatted(L"≤ %g", input.plausibleMax);
    return withUnit(range, input.unit);
}

std::wstring formatName(const char* code) {
    const std::string name = code != nullptr ? code : "";
    if (name == "f0" || name == "int") return widen(code) + L"（整数）";
    if (name == "f1") return L"f1（1 位小数）";
    if (name == "f3") return L"f3（3 位小数）";
    if (name == "pct") return L"pct（百分数，1 位小数）";
    if (name == "date") return L"date（日期）";
    if (name == "wd") return L"wd（周+天）";
    return name.empty() ? L"（默认，2 位小数）" : widen(code) + L"（2 位小数）";
}

// The report's first lines as the example's "label value" pairs show them: "label：value unit".
std::wstring expectedReportLines(const ToolDef& tool, const std::wstring& shown) {
    std::wstring lines;
    size_t start = 0;
    for (int32_t i = 0; i < tool.outputCount && start <= shown.size(); ++i) {
        const size_t end = std::min(shown.find(L", ", start), shown.size());
        const std::wstring pair = shown.substr(start, end - start);
        const size_t space = pair.rfind(L' ');
        lines += pair.substr(0, space) + L"：" + pair.substr(space + 1) +
                 (tool.outputs[i].unit != nullptr ? std::wstring(L" ") + tool.outputs[i].unit : L"") +
                 L"\r\n";
        start = end + 2;
    }
    return lines;
}

// The report's output lines back as "label value" pairs; a line of another shape stays whole.
std::wstring shownValues(const ToolDef& tool, const std::wstring& report) {
    std::wstring shown;
    size_t start = 0;
    for (int32_t i = 0; i < tool.outputCount && start < report.size(); ++i) {
        const size_t end = std::min(report.find(L"\r\n", start), report.size());
        std::wstring line = report.substr(start, end - start);
        start = end + 2;
        const std::wstring label = std::wstring(tool.outputs[i].label) + L"：";
        const std::wstring unit =
            tool.outputs[i].unit != nullptr ? std::wstring(L" ") + tool.outputs[i].unit : L"";
        if (line.compare(0, label.size(), label) == 0 && line.size() >= label.size() + unit.size() &&
            line.compare(line.size() - unit.size(), unit.size(), unit) == 0) {
            line = std::wstring(tool.outputs[i].label) + L" " +
                   line.substr(label.size(), line.size() - label.size() - unit.size());
        }
        shown += (shown.empty() ? L"" : L", ") + line;
    }
    return shown;
}

// The inputs the example names, as the tool shows them; the rest keep their defaults.
std::wstring exampleInputs(const ToolDef& tool, const WorkedExample& example) {
    const std::vector<std::string> texts = workedExampleTexts(tool, example.inputs);
    std::wstring shown;
    int32_t named = 0;
    if (static_cast<int32_t>(texts.size()) != tool.inputCount) return widen(example.inputs);
    const std::string assignments = std::string(", ") + example.inputs;
    for (int32_t i = 0; i < tool.inputCount; ++i) {
        if (assignments.find(std::string(", ") + tool.inputs[i].var + "=") == std::string::npos) continue;
        shown += (shown.empty() ? L"" : L"；") + std::wstring(tool.inputs[i].label) + L" " +
                 inputValueText(tool.inputs[i], widen(texts[i].c_str()));
        ++named;
    }
    if (named < tool.inputCount) shown += named > 0 ? L"；其余为默认值" : L"全部为默认值";
    return shown;
}

std::wstring sourceText(const wchar_t* source) {
    return std::wstring(source) == L"constructed" ? L"构造算例" : std::wstring(source);
}

struct ToolRun {
    std::vector<int32_t> examples; // indexes into the example table
    int32_t differed = 0;
    std::wstring selfTest; // for a tool without examples
    int32_t selfTestErrors = 0;
};

class Page {
  public:
    void add(const std::wstring& html) { html_ += html; }
    void row(std::initializer_list<std::wstring> cells) {
        html_ += L"<tr>";
        for (const std::wstring& cell : cells)
            html_ += L"<td>" + cell + L"</td>";
        html_ += L"</tr>\n";
    }
    // A table with its column widths in percent and its head.
    void table(std::initializer_list<std::pair<int32_t, const wchar_t*>> columns) {
        html_ += L"<table><colgroup>";
        for (const auto& column : columns)
            html_ += formatted(L"<col style=\"width:%d%%\"/>", column.first);
        html_ += L"</colgroup>\n<thead><tr>";
        for (const auto& column : columns)
            html_ += std::wstring(L"<th>") + column.second + L"</th>";
        html_ += L"</tr></thead>\n<tbody>\n";
    }
    // A table of named fields, without a head.
    void fields() {
        html_ +=
            L"<table><colgroup><col style=\"width:16%\"/><col style=\"width:84%\"/></colgroup>\n<tbody>\n";
    }
    void field(const wchar_t* name, const std::wstring& value) {
        html_ += std::wstring(L"<tr><th>") + name + L"</th><td>" + value + L"</td></tr>\n";
    }
    void endTable() { html_ += L"</tbody></table>\n"; }
    std::wstring take() { return std::move(html_); }

  private:
    std::wstring html_;
};

std::wstring markCell(bool agreed) {
    return agreed ? std::wstring(L"<span class=\"ok\">") + kAgreedMark + L"</span>"
                  : std::wstring(L"<span class=\"bad\">") + kDifferedMark + L"</span>";
}

std::wstring resultCell(const std::wstring& shown, int32_t level, const std::wstring& verdict) {
    return escaped(shown) + L"<br/>" + levelText(level) + L"：" + escaped(verdict);
}

std::wstring runSummary(const ToolRun& run) {
    if (run.examples.empty()) {
        return run.selfTestErrors == 0 ? std::wstring(L"无算例；自检全部输出计算成功")
                                       : formatted(L"无算例；自检 %d 项输出计算失败", run.selfTestErrors);
    }
    const int32_t count = static_cast<int32_t>(run.examples.size());
    if (run.differed == 0) return formatted(L"算例 %d 条，%ls", count, kAgreedMark);
    return formatted(L"算例 %d 条，%d 条 %ls", count, run.differed, kDifferedMark);
}

void writeHead(Page& page, const ReportOrigin& origin, const ReportTotals& totals,
               const std::wstring& selfTested) {
    page.add(std::wstring(L"<h1>") + kSuiteTitle + L" 验证报告</h1>\n");
    page.fields();
    page.field(L"套件", escaped(formatted(L"%ls 版本 %ls", kSuiteTitle, origin.version.c_str())));
    page.field(L"构建日期", escaped(origin.buildDate) + L"（与安装包、Debian 软件包取自同一变更记录）");
    page.field(L"计算", L"本报告中的计算结果由各程序所链接的同一计算引擎（medcore、medtools 库）得出：" +
                            escaped(origin.engine) + L"在构建过程中于 " + escaped(origin.host) +
                            L" 下运行，逐条计算并写出本文件。");
    page.field(
        L"比对方法",
        L"算例的输入文本按程序窗口的方式转换为数值（算例未列出的输入取默认值），按程序的计算过程运行一次；"
        L"报告开头的各输出行（“名称：数值 单位”，即窗口显示的数值）、判读级别与结论文字三者均与算例逐字相同，"
        L"记为一致（√），否则记为不一致（×）。");
    page.field(L"合计", L"<span class=\"totals\">" + composeTotalsLine(totals) + L"</span>");
    page.field(L"无算例的工具",
               formatted(L"%d 个（", totals.selfTests) + selfTested +
                   formatted(L"），列出其数据与默认输入下的自检结果；自检计算失败的输出 %d 项。",
                             totals.selfTestErrors));
    page.field(L"判读级别", L"0 正常（绿色）、1 提示（琥珀色）、2 警示（橙色）、3 禁忌（红色）");
    page.field(
        L"合理范围",
        L"键入的数值超出其合理范围（含非数字）时，先于各条规则给出结论：“名称”超出合理范围"
        L"（最小–最大 单位），请核对数值与单位，级别 2 警示；日期超出其范围时为：“名称”不在合理日期范围"
        L"（最早–最晚），请按 年-月-日 核对，同为级别 2；从列表选择的输入不检查。");
    page.field(L"免责声明", escaped(kDisclaimer));
    page.endTable();
}

void writeContents(Page& page, const ToolDef* const* tools, int32_t count, const std::vector<ToolRun>& runs) {
    page.add(L"<h2>目录</h2>\n");
    for (int32_t i = 0; i < count; ++i) {
        if (i == 0 || std::wstring(tools[i]->category) != tools[i - 1]->category) {
            if (i > 0) page.endTable();
            page.add(L"<h3>" + escaped(tools[i]->category) + L"</h3>\n");
            page.table({{10, L"编号"}, {50, L"名称"}, {40, L"验证"}});
        }
        page.row({formatted(L"%d", tools[i]->number),
                  formatted(L"<a href=\"#t%d\">", tools[i]->number) + escaped(tools[i]->name) + L"</a>",
                  runSummary(runs[static_cast<size_t>(i)])});
    }
    if (count > 0) page.endTable();
}

void writeToolData(Page& page, const ToolDef& tool) {
    page.fields();
    page.field(L"编号", formatted(L"%d", tool.number));
    page.field(L"名称", escaped(tool.name));
    page.field(L"分类", escaped(tool.category));
    page.field(L"用途", escaped(tool.description));
    page.field(L"参考依据", escaped(tool.reference));
    page.field(L"注意事项", escaped(tool.caution));
    page.endTable();

    page.add(L"<h3>输入</h3>\n");
    if (tool.inputCount == 0) page.add(L"<p>无输入项。</p>\n");
    if (tool.inputCount > 0) {
        page.table({{20, L"名称"}, {12, L"单位"}, {14, L"默认值"}, {34, L"选项"}, {20, L"合理范围"}});
        for (int32_t i = 0; i < tool.inputCount; ++i) {
            const InputField& input = tool.inputs[i];
            std::wstring choices;
            for (int32_t c = 0; c < input.choiceCount; ++c) {
                wchar_t item[kChoiceTextCapacity];
                formatChoiceText(input.choices[c], item, kChoiceTextCapacity);
                choices += (c > 0 ? L"<br/>" : L"") + escaped(item);
            }
            const wchar_t* typed = input.isDate ? L"键入日期" : L"键入数值";
            page.row({escaped(input.label), escaped(input.unit), escaped(defaultText(input)),
                      choices.empty() ? typed : choices, escaped(rangeText(input))});
        }
        page.endTable();
    }

    if (tool.outputCount > 0) {
        page.add(L"<h3>输出</h3>\n");
        page.table({{20, L"名称"}, {14, L"单位"}, {46, L"公式"}, {20, L"显示格式"}});
        for (int32_t i = 0; i < tool.outputCount; ++i) {
            const OutputField& output = tool.outputs[i];
            page.row({escaped(output.label), escaped(output.unit),
                      L"<code>" + escaped(widen(output.var) + L" = " + widen(output.formula)) + L"</code>",
                      escaped(formatName(output.format))});
        }
        page.endTable();
    }

    if (tool.ruleCount > 0) {
        page.add(L"<h3>判读规则（按顺序取第一条成立的规则）</h3>\n");
        page.table({{6, L"序号"}, {38, L"条件"}, {12, L"级别"}, {44, L"结论"}});
        bool ranged = false;
        bool dated = false;
        for (int32_t i = 0; i < tool.inputCount; ++i) {
            ranged = ranged || hasPlausibleRange(tool.inputs[i]);
            dated = dated || (tool.inputs[i].isDate && hasPlausibleRange(tool.inputs[i]));
        }
        if (ranged)
            page.row(
                {L"先", L"任一键入值超出合理范围", levelText(kLevelWarning),
                 dated ? L"“名称”超出合理范围……；日期：“名称”不在合理日期范围……" : L"“名称”超出合理范围……"});
        for (int32_t i = 0; i < tool.ruleCount; ++i) {
            const VerdictRule& rule = tool.rules[i];
            page.row({formatted(L"%d", i + 1),
                      rule.condition == nullptr || rule.condition[0] == 0
                          ? std::wstring(L"（其余情况）")
                          : L"<code>" + escaped(widen(rule.condition)) + L"</code>",
                      levelText(rule.level), escaped(rule.text)});
        }
        page.endTable();
    }
}

void writeExamples(Page& page, const ToolDef& tool, const WorkedExample* examples, const ToolRun& run,
                   const std::vector<ExampleOutcome>& outcomes) {
    page.add(L"<h3>" + runSummary(run) + L"</h3>\n");
    page.table({{5, L"序号"},
                {31, L"输入与来源"},
                {27, L"预期（显示值；级别：结论）"},
                {27, L"计算（显示值；级别：结论）"},
                {10, L"判定"}});
    int32_t n = 0;
    for (int32_t index : run.examples) {
        const WorkedExample& example = examples[index];
        const ExampleOutcome& outcome = outcomes[static_cast<size_t>(index)];
        page.row({formatted(L"%d", ++n),
                  escaped(exampleInputs(tool, example)) + L"<br/><span class=\"src\">来源：" +
                      escaped(sourceText(example.source)) + L"</span>",
                  resultCell(example.shown, example.level, example.verdict),
                  resultCell(outcome.shown, outcome.level, outcome.verdict), markCell(outcome.agreed)});
    }
    page.endTable();
}

void writeSelfTest(Page& page, const ToolRun& run) {
    page.add(L"<h3>自检（默认输入）：" +
             std::wstring(run.selfTestErrors == 0 ? L"全部输出计算成功"
                                                  : formatted(L"%d 项输出计算失败", run.selfTestErrors)) +
             L"</h3>\n<pre>" + escaped(run.selfTest) + L"</pre>\n");
}

} // namespace

std::wstring widen(const char* text) {
    std::wstring wide;
    for (const char* p = text; p != nullptr && *p != 0; ++p)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    return wide;
}

ExampleOutcome runWorkedExample(const ToolDef& tool, const WorkedExample& example) {
    ExampleOutcome outcome{L"", -1, L"", false};
    const std::vector<std::string> texts = workedExampleTexts(tool, example.inputs);
    if (static_cast<int32_t>(texts.size()) != tool.inputCount || tool.inputCount > kMaxInputs) {
        outcome.verdict = L"算例的输入名不属于本工具";
        return outcome;
    }
    double values[kMaxInputs] = {};
    for (size_t i = 0; i < texts.size(); ++i)
        values[i] = inputValueFromText(tool.inputs[i], widen(texts[i].c_str()).c_str());
    std::vector<wchar_t> report(kReportTextCapacity), verdict(kVerdictTextCapacity),
        copy(kReportCopyCapacity);
    runCalculation(tool, values, report.data(), kReportTextCapacity, verdict.data(), kVerdictTextCapacity,
                   &outcome.level, copy.data(), kReportCopyCapacity);
    const std::wstring reportText = report.data();
    const std::wstring expected = expectedReportLines(tool, example.shown);
    outcome.shown = shownValues(tool, reportText);
    outcome.verdict = verdict.data();
    outcome.agreed = reportText.compare(0, expected.size(), expected) == 0 &&
                     outcome.level == example.level && outcome.verdict == example.verdict;
    return outcome;
}

std::wstring composeTotalsLine(const ReportTotals& totals) {
    return formatted(L"合计：工具 %d 个，算例 %d 条，一致 %d 条，不一致 %d 条", totals.tools, totals.examples,
                     totals.agreed, totals.examples - totals.agreed);
}

std::wstring composeValidationReport(const ToolDef* const* tools, int32_t toolCount,
                                     const WorkedExample* examples, int32_t exampleCount,
                                     const ReportOrigin& origin, ReportTotals* totals) {
    ReportTotals sums;
    sums.tools = toolCount;
    sums.examples = exampleCount;
    std::vector<ToolRun> runs(static_cast<size_t>(std::max(toolCount, 0)));
    std::vector<ExampleOutcome> outcomes(static_cast<size_t>(std::max(exampleCount, 0)));
    std::vector<int32_t> strays;
    for (int32_t e = 0; e < exampleCount; ++e) {
        int32_t t = 0;
        while (t < toolCount && tools[t]->number != examples[e].tool)
            ++t;
        if (t == toolCount) {
            outcomes[static_cast<size_t>(e)] = {L"", -1, L"本套件没有这个编号的工具", false};
            strays.push_back(e);
            continue;
        }
        outcomes[static_cast<size_t>(e)] = runWorkedExample(*tools[t], examples[e]);
        runs[static_cast<size_t>(t)].examples.push_back(e);
        if (outcomes[static_cast<size_t>(e)].agreed) {
            ++sums.agreed;
        } else {
            ++runs[static_cast<size_t>(t)].differed;
        }
    }
    for (int32_t t = 0; t < toolCount; ++t) {
        ToolRun& run = runs[static_cast<size_t>(t)];
        if (!run.examples.empty()) continue;
        std::vector<wchar_t> file(kSelfTestFileCapacity);
        run.selfTestErrors = composeSelfTestFile(*tools[t], file.data(), kSelfTestFileCapacity);
        run.selfTest = file.data();
        ++sums.selfTests;
        sums.selfTestErrors += run.selfTestErrors;
    }

    Page page;
    page.add(
        L"<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"zh-CN\" xml:lang=\"zh-CN\">\n"
        L"<head>\n<meta charset=\"utf-8\"/>\n"
        L"<meta http-equiv=\"X-UA-Compatible\" content=\"IE=edge\"/>\n<title>");
    page.add(escaped(formatted(L"%ls 验证报告 %ls", kSuiteTitle, origin.version.c_str())));
    page.add(std::wstring(L"</title>\n<style type=\"text/css\">\n") + kStyle +
             L"</style>\n</head>\n<body>\n");
    std::wstring selfTested;
    for (int32_t t = 0; t < toolCount; ++t)
        if (runs[static_cast<size_t>(t)].examples.empty())
            selfTested += formatted(selfTested.empty() ? L"%d" : L"、%d", tools[t]->number);
    writeHead(page, origin, sums, selfTested);
    writeContents(page, tools, toolCount, runs);
    for (int32_t t = 0; t < toolCount; ++t) {
        const ToolDef& tool = *tools[t];
        page.add(formatted(L"<div class=\"tool\" id=\"t%d\">\n<h2>%d ", tool.number, tool.number) +
                 escaped(tool.name) + L"</h2>\n");
        writeToolData(page, tool);
        const ToolRun& run = runs[static_cast<size_t>(t)];
        if (run.examples.empty()) {
            writeSelfTest(page, run);
        } else {
            writeExamples(page, tool, examples, run, outcomes);
        }
        page.add(L"</div>\n");
    }
    if (!strays.empty()) {
        page.add(L"<div class=\"tool\">\n<h2>编号不属于本套件的算例</h2>\n");
        page.table({{10, L"工具"}, {70, L"输入"}, {20, L"判定"}});
        for (int32_t e : strays)
            page.row(
                {formatted(L"%d", examples[e].tool), escaped(widen(examples[e].inputs)), markCell(false)});
        page.endTable();
        page.add(L"</div>\n");
    }
    page.add(L"</body>\n</html>\n");
    if (totals != nullptr) *totals = sums;
    return page.take();
}
