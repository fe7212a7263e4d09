#include "app/user_guide.h"

#include <algorithm>
#include <cstdarg>
#include <utility>

#include "app/self_test.h"
#include "app/validation_report.h"
#include "engine/text.h"
#include "engine/utf8.h"
#include "launcher/launcher_model.h"
#include "launcher/recent_tools.h"
#include "records/record_log.h"
#include "reports/custom_report.h"
#include "ui/window_model.h"

namespace {

constexpr wchar_t kCodeMarker[] = L"编号：";
constexpr wchar_t kCodeLabelEnding[] = L"编号";
// Far above any table: only a guard should the drug table stop naming the unlisted drug.
constexpr int32_t kMaxDrugNumber = 999;
// A caution is one line; the longest runs past a thousand characters.
constexpr int32_t kLineCapacity = 4096;

class Guide {
  public:
    void line(const wchar_t* format, ...) {
        wchar_t buffer[kLineCapacity];
        va_list args;
        va_start(args, format);
        formatTextV(buffer, kLineCapacity, format, args);
        va_end(args);
        text_ += buffer;
        text_ += L"\r\n";
    }
    void blank() { text_ += L"\r\n"; }
    // Verbatim, each of its lines indented, whatever line ends it holds.
    void block(const std::wstring& indent, const std::wstring& lines) {
        size_t start = 0;
        while (start <= lines.size()) {
            size_t end = lines.find(L'\n', start);
            if (end == std::wstring::npos) end = lines.size();
            std::wstring one = lines.substr(start, end - start);
            if (!one.empty() && one.back() == L'\r') one.pop_back();
            text_ += indent + one + L"\r\n";
            start = end + 1;
        }
    }
    std::wstring take() { return std::move(text_); }

  private:
    std::wstring text_;
};

bool endsWith(const std::wstring& text, const std::wstring& ending) {
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

bool isDigits(const std::wstring& word) {
    if (word.empty() || word.size() > 6) return false;
    for (wchar_t c : word) {
        if (c < L'0' || c > L'9') return false;
    }
    return true;
}

std::wstring recordsFolder() {
    wchar_t folder[kRecordsFolderCapacity];
    composeRecordsFolder(L"%LOCALAPPDATA%", folder, kRecordsFolderCapacity);
    return folder;
}

std::wstring recordFileOf(int32_t number) {
    wchar_t file[kRecordFileCapacity];
    composeRecordFile(recordsFolder().c_str(), number, file, kRecordFileCapacity);
    return file;
}

std::wstring codeInputLabels(const ToolDef& tool) {
    std::wstring labels;
    for (int32_t i = 0; i < tool.inputCount; ++i) {
        if (!endsWith(tool.inputs[i].label, kCodeLabelEnding)) continue;
        if (!labels.empty()) labels += L"、";
        labels += tool.inputs[i].label;
    }
    return labels;
}

void writeTool(Guide& guide, const ToolDef& tool) {
    guide.line(L"【%d】%ls", tool.number, tool.name);
    guide.line(L"  程序文件：%ls.exe", tool.name);
    guide.line(L"  分类：%ls", tool.category);
    if (tool.description != nullptr) guide.line(L"  用途：%ls", tool.description);
    if (tool.inputCount == 0) {
        guide.line(L"  输入：无，按 F5 直接生成。");
    } else {
        guide.line(L"  输入：");
        for (int32_t i = 0; i < tool.inputCount; ++i) {
            const InputField& input = tool.inputs[i];
            if (input.choiceCount > 0) {
                guide.line(L"    · %ls：从列表选择，默认 %g", input.label, input.defaultValue);
                for (int32_t c = 0; c < input.choiceCount; ++c) {
                    wchar_t item[kChoiceTextCapacity];
                    formatChoiceText(input.choices[c], item, kChoiceTextCapacity);
                    guide.line(L"        %ls", item);
                }
            } else if (input.isDate) {
                wchar_t shown[kLineCapacity];
                wchar_t from[kDefaultTextCapacity];
                wchar_t to[kDefaultTextCapacity];
                if (input.fillToday)
                    copyText(shown, kLineCapacity, L"当天");
                else
                    formatInputText(input, input.defaultValue, shown, kLineCapacity);
                wchar_t range[kLineCapacity] = L"";
                if (hasPlausibleRange(input)) {
                    formatInputText(input, input.plausibleMin, from, kDefaultTextCapacity);
                    formatInputText(input, input.plausibleMax, to, kDefaultTextCapacity);
                    formatText(range, kLineCapacity, L"，合理范围 %ls–%ls", from, to);
                }
                guide.line(L"    · %ls：日期（年-月-日），默认%ls%ls%ls", input.label,
                           input.fillToday ? L"" : L" ", shown, range);
            } else {
                const bool unit = input.unit != nullptr && input.unit[0] != 0;
                wchar_t range[kLineCapacity] = L"";
                if (hasPlausibleRange(input))
                    formatText(range, kLineCapacity, L"，合理范围 %g–%g%ls%ls", input.plausibleMin,
                               input.plausibleMax, unit ? L" " : L"", unit ? input.unit : L"");
                if (unit)
                    guide.line(L"    · %ls：单位 %ls，默认 %g%ls", input.label, input.unit,
                               input.defaultValue, range);
                else
                    guide.line(L"    · %ls：默认 %g%ls", input.label, input.defaultValue, range);
            }
        }
    }
    const std::vector<GuideCode> codes = toolCodes(tool);
    if (!codes.empty()) {
        const std::wstring labels = codeInputLabels(tool);
        if (labels.empty()) {
            guide.line(L"  编号含义：");
        } else {
            guide.line(L"  编号含义（%ls）：", labels.c_str());
        }
        for (const GuideCode& code : codes)
            guide.line(L"    %d = %ls", code.number, code.meaning.c_str());
        if (tool.reportKind == report_kind::InfusionCompatibility) {
            guide.line(L"    其他编号 = %ls", kUnlistedDrugName);
        }
    }
    if (tool.caution != nullptr) guide.line(L"  注意：%ls", tool.caution);
    guide.line(L"  参考依据：%ls", tool.reference);
    guide.line(L"  记录文件：%ls", recordFileOf(tool.number).c_str());
    guide.blank();
}

} // namespace

std::vector<GuideCode> cautionCodes(const ToolDef& tool) {
    std::vector<GuideCode> codes;
    if (tool.caution == nullptr) return codes;
    const std::wstring caution = tool.caution;
    const size_t marker = caution.find(kCodeMarker);
    if (marker == std::wstring::npos) return codes;
    const size_t start = marker + textLength(kCodeMarker);
    const std::wstring list = caution.substr(start, caution.find(L'。', start) - start);
    size_t at = 0;
    while (at < list.size()) {
        const size_t end = std::min(list.find(L' ', at), list.size());
        const std::wstring word = list.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        if (isDigits(word)) {
            codes.push_back({std::stoi(word), L""});
        } else if (!codes.empty()) {
            std::wstring& meaning = codes.back().meaning;
            meaning += (meaning.empty() ? L"" : L" ") + word;
        }
    }
    return codes;
}

std::vector<GuideCode> toolCodes(const ToolDef& tool) {
    if (tool.reportKind != report_kind::InfusionCompatibility) return cautionCodes(tool);
    std::vector<GuideCode> codes;
    for (int32_t number = 1; number <= kMaxDrugNumber; ++number) {
        const std::wstring name = compatibilityDrugName(number);
        if (name == kUnlistedDrugName) break;
        codes.push_back({number, name});
    }
    return codes;
}

std::wstring composeUserGuide(const ToolDef* const* tools, int32_t count) {
    Guide guide;
    guide.line(L"%ls", kUserGuideTitle);
    guide.blank();
    guide.line(L"从“%ls”开始", kLauncherTitle);
    guide.line(L"  安装版：双击桌面或“开始”菜单“TavoMedSuite”文件夹中的“%ls”；", kLauncherTitle);
    guide.line(L"  免安装版：解压后双击 %ls.exe（须与各程序在同一文件夹）。", kLauncherTitle);
    guide.line(L"  1. 窗口按分类列出全部 %d 个工具（编号、名称、分类）。", count);
    guide.line(
        L"  2. 在搜索框中输入名称、编号、分类或用途中的文字，列表随输入立即筛选（英文字母不分大小写）；");
    guide.line(L"     也可输入名称或分类的拼音首字母，如“jgqc”找到肌酐清除率、“xs”找到静脉血栓风险；");
    guide.line(L"     按 Esc 清空搜索框，重新列出全部工具。");
    guide.line(L"  3. 用 ↑/↓ 选择工具，下方显示其用途、参考依据与注意事项；");
    guide.line(L"     按 Enter、双击或点击“打开 (Enter)”打开所选工具，工具箱保持打开，可继续打开其他工具。");
    guide.line(L"  4. 最近使用：搜索框为空时，列表顶部“%ls”下依次列出最近从工具箱打开的工具（最近的在前，",
               kRecentHeading);
    guide.line(L"     最多 %d 个），其下“%ls”为完整列表；这一记录保存在本机，下次打开工具箱时仍在。",
               kMaxRecentTools, kAllToolsHeading);
    guide.line(L"  5. Tab / Shift+Tab 在搜索框、列表与按钮之间切换。");
    guide.blank();
    guide.line(L"本套件共 %d 个程序，每个程序完成一项临床计算或记录工作，可单独使用。", count);
    guide.line(L"安装版：在“开始”菜单的“TavoMedSuite”文件夹中打开；免安装版：解压后双击程序。");
    guide.blank();

    guide.line(L"一、通用操作");
    guide.line(L"  1. 在左侧“输入参数”中填写数值（已填好默认值），按 F5 或 Enter，或点击“计算 (F5)”。");
    guide.line(
        L"     打开时光标在第一项，其数值已选中，直接输入即替换；按 Tab 到下一项（Shift+Tab 回上一项），");
    guide.line(L"     依次经过各输入项与下方按钮，下拉列表用 ↑/↓ 选择。");
    guide.line(L"     日期按 年-月-日 填写，如 2026-12-08，也可写 2026/12/8、2026.12.8、20261208 或 "
               L"2026年12月8日；");
    guide.line(
        L"     计算后日期改写为 年-月-日，不存在的日期（如 2026-02-29）会提示重填；“评估日期”默认当天。");
    guide.line(L"  2. 右侧显示结果，结论按级别着色：绿色正常、琥珀色提示、橙色警示、红色禁忌。");
    guide.line(L"  3. “保存记录”把最近一次结果追加到本机记录文件（见第四部分）；“复制结果”复制到剪贴板；");
    guide.line(L"     “清空重填”恢复默认值；“关于”显示工具信息与免责声明。");
    guide.blank();

    guide.line(L"二、程序一览（编号  名称  分类：用途）");
    for (int32_t i = 0; i < count; ++i) {
        const ToolDef& tool = *tools[i];
        guide.line(L"  %d  %ls  %ls：%ls", tool.number, tool.name, tool.category,
                   tool.description != nullptr ? tool.description : L"");
    }
    guide.blank();

    guide.line(L"三、各程序说明");
    guide.blank();
    for (int32_t i = 0; i < count; ++i)
        writeTool(guide, *tools[i]);

    guide.line(L"四、记录文件");
    guide.line(L"  每个程序的记录保存在当前 Windows 用户自己的文件夹：");
    guide.line(L"    %ls", recordsFolder().c_str());
    guide.line(L"  文件名为“T”加工具编号，如 %ls（各程序的文件见第三部分）。",
               count > 0 ? recordFileOf(tools[0]->number).c_str() : L"");
    guide.line(L"  文件为 UTF-8 编码的 CSV，可用 Excel 打开；首次保存时自动创建文件夹与表头，");
    guide.line(L"  之后每次保存追加一行：时间、工具、各项输入与结果。");
    guide.line(L"  记录文件属于临床记录：升级本套件或在“程序和功能”中卸载它，都不会修改或删除记录文件。");
    guide.line(L"  请按本院规定备份；更换电脑时，复制整个 records 文件夹即可。");
    guide.line(L"  若文件被其他程序（如 Excel）占用，保存会失败并提示“记录保存失败”，关闭后重试。");
    guide.blank();

    guide.line(L"五、自检（--selftest）");
    guide.line(L"  供信息科或部署工具在不打开窗口的情况下确认程序可以运行：");
    guide.line(L"    \"<程序名>.exe\" --selftest out.txt");
    guide.line(
        L"  程序按默认输入计算一次，把结果写入 out.txt（UTF-8）后退出；省略文件名时写入当前文件夹的 %ls。",
        kDefaultSelfTestName);
    guide.line(L"  文件第一行为 TOOL|<工具编号>|<程序名>|<分类>，例如 TOOL|%d|%ls|%ls。",
               count > 0 ? tools[0]->number : 0, count > 0 ? tools[0]->name : L"",
               count > 0 ? tools[0]->category : L"");
    guide.line(L"  退出码：");
    guide.line(L"    %d  全部结果计算成功", kExitOk);
    guide.line(L"    %d  有结果计算失败", kExitOutputFailed);
    guide.line(L"    %d  无法写入结果文件", kExitFileNotWritten);
    guide.blank();

    guide.line(L"六、验证报告（%ls.html）", kValidationReportName);
    guide.line(
        L"  列出每个工具的数据（输入、合理范围、公式、判读规则）与全部算例：每条算例的输入、预期结果、");
    guide.line(L"  本套件计算引擎在构建时算出的结果及“√ 一致”或“× 不一致”；无算例的工具列出其自检结果。");
    guide.line(L"  供药事管理与药物治疗学委员会等审核各项计算如何核对。用任一浏览器打开，可直接打印（A4）。");
    guide.line(L"  位置：安装版在安装文件夹与“开始”菜单“TavoMedSuite”文件夹（快捷方式“%ls”）；",
               kValidationReportName);
    guide.line(L"  免安装版在压缩包中，与各程序同一文件夹；Linux 版在 /opt/tavomedsuite。");
    guide.blank();

    guide.line(L"七、免责声明");
    guide.block(L"  ", kDisclaimer);
    return guide.take();
}

std::wstring composeProgramList(const ToolDef* const* tools, int32_t count) {
    std::wstring list;
    wchar_t line[kLineCapacity];
    for (int32_t i = 0; i < count; ++i) {
        formatText(line, kLineCapacity, L"%d|%ls|%ls|%ls\n", tools[i]->number, tools[i]->name,
                   tools[i]->category, tools[i]->description != nullptr ? tools[i]->description : L"");
        list += line;
    }
    return list;
}

std::string encodeUtf8(const std::wstring& text, bool byteOrderMark) {
    // Three bytes per unit at most where wchar_t is UTF-16, four where it is UTF-32.
    std::string bytes(4 * text.size() + 4, '\0');
    const int32_t length = convertToUtf8(text.c_str(), bytes.data(), static_cast<int32_t>(bytes.size()));
    if (length < 0) return std::string();
    bytes.resize(static_cast<size_t>(length));
    return byteOrderMark ? "\xEF\xBB\xBF" + bytes : bytes;
}
