// The user guide: every tool, input and number of the suite in it, in the
// bytes Notepad reads on any Windows.
#include <gtest/gtest.h>

#include <cwchar>
#include <iterator>
#include <string>
#include <vector>

#include "app/self_test.h"
#include "app/user_guide.h"
#include "launcher/launcher_model.h"
#include "launcher/recent_tools.h"
#include "reports/custom_report.h"
#include "tools/suite.h"
#include "ui/window_model.h"

namespace {

struct ToolCase {
    int32_t number;
    int32_t codeCount; // numbers its numbered inputs take
};
// The tools whose inputs take numbers; every other tool takes none.
constexpr ToolCase kToolCases[] = {
    {203, 6}, {204, 6}, {205, 4}, {206, 10}, {211, 6},
};

int32_t codeCountOf(int32_t number) {
    for (const ToolCase& c : kToolCases)
        if (c.number == number) return c.codeCount;
    return 0;
}

std::wstring suiteGuide() {
    std::vector<const ToolDef*> tools;
    for (const SuiteTool& entry : kSuiteTools)
        tools.push_back(&entry.tool());
    return composeUserGuide(tools.data(), static_cast<int32_t>(tools.size()));
}

bool contains(const std::wstring& text, const std::wstring& part) {
    return text.find(part) != std::wstring::npos;
}

TEST(UserGuide, DescribesEveryToolItsInputsAndItsNumbers) {
    const std::wstring guide = suiteGuide();
    for (int32_t i = 0; i < kSuiteToolCount; ++i) {
        const ToolDef& tool = kSuiteTools[i].tool();
        SCOPED_TRACE(tool.number);
        const std::wstring number = std::to_wstring(tool.number);
        for (const std::wstring& part :
             {L"【" + number + L"】" + tool.name + L"\r\n",
              L"程序文件：" + std::wstring(tool.name) + L".exe\r\n",
              L"分类：" + std::wstring(tool.category) + L"\r\n", std::wstring(tool.reference),
              std::wstring(tool.description != nullptr ? tool.description : L""),
              std::wstring(tool.caution != nullptr ? tool.caution : L""),
              L"%LOCALAPPDATA%\\TavoMedSuite\\records\\T" + number + L".csv\r\n"}) {
            EXPECT_TRUE(contains(guide, part)) << part.size();
        }
        for (int32_t k = 0; k < tool.inputCount; ++k) {
            const InputField& input = tool.inputs[k];
            EXPECT_TRUE(contains(guide, L"· " + std::wstring(input.label) + L"：")) << k;
            if (hasPlausibleRange(input)) {
                wchar_t line[200];
                wchar_t shown[3][32];
                formatInputText(input, input.defaultValue, shown[0], 32);
                formatInputText(input, input.plausibleMin, shown[1], 32);
                formatInputText(input, input.plausibleMax, shown[2], 32);
                if (input.isDate)
                    std::swprintf(line, 200, L"· %ls：日期（年-月-日），默认%ls，合理范围 %ls–%ls\r\n",
                                  input.label,
                                  input.fillToday ? L"当天" : (std::wstring(L" ") + shown[0]).c_str(),
                                  shown[1], shown[2]);
                else if (input.unit != nullptr)
                    std::swprintf(line, 200, L"· %ls：单位 %ls，默认 %g，合理范围 %g–%g %ls\r\n", input.label,
                                  input.unit, input.defaultValue, input.plausibleMin, input.plausibleMax,
                                  input.unit);
                else
                    std::swprintf(line, 200, L"· %ls：默认 %g，合理范围 %g–%g\r\n", input.label,
                                  input.defaultValue, input.plausibleMin, input.plausibleMax);
                EXPECT_TRUE(contains(guide, line)) << k;
            }
            for (int32_t c = 0; c < input.choiceCount; ++c) {
                wchar_t item[160];
                std::swprintf(item, 160, L"\r\n        %g %ls\r\n", input.choices[c].value,
                              input.choices[c].text);
                EXPECT_TRUE(contains(guide, item)) << k << " " << c;
            }
        }

        const std::vector<GuideCode> codes = toolCodes(tool);
        ASSERT_EQ(codeCountOf(tool.number), static_cast<int32_t>(codes.size()));
        for (size_t k = 0; k < codes.size(); ++k) {
            EXPECT_EQ(static_cast<int32_t>(k) + 1, codes[k].number);
            EXPECT_FALSE(codes[k].meaning.empty()) << k;
            EXPECT_TRUE(contains(guide, L"    " + std::to_wstring(codes[k].number) + L" = " +
                                            codes[k].meaning + L"\r\n"))
                << k;
        }
    }
}

TEST(UserGuide, DrugTableAgreesWithTheCaution) {
    int32_t checked = 0;
    for (const SuiteTool& entry : kSuiteTools) {
        const ToolDef& tool = entry.tool();
        if (tool.reportKind != report_kind::InfusionCompatibility) continue;
        const std::vector<GuideCode> table = toolCodes(tool);
        const std::vector<GuideCode> caution = cautionCodes(tool);
        ASSERT_EQ(table.size(), caution.size());
        for (size_t k = 0; k < table.size(); ++k) {
            EXPECT_EQ(table[k].number, caution[k].number);
            EXPECT_EQ(table[k].meaning, caution[k].meaning) << k;
        }
        ++checked;
    }
    EXPECT_EQ(1, checked);
}

TEST(UserGuide, ReadsNumberListsFromTheCaution) {
    struct Case {
        const wchar_t* caution;
        std::vector<GuideCode> codes;
    };
    const Case cases[] = {
        {nullptr, {}},
        {L"无编号说明。", {}},
        {L"类别编号：1 甲 乙 2 丙/丁 10 戊。其余 3 己。", {{1, L"甲 乙"}, {2, L"丙/丁"}, {10, L"戊"}}},
        {L"编号：7 维生素C", {{7, L"维生素C"}}},
    };
    for (const Case& c : cases) {
        const ToolDef tool = {1, L"t", nullptr, L"c", L"r", c.caution, 0, nullptr, 0, nullptr, 0, nullptr, 0};
        const std::vector<GuideCode> codes = cautionCodes(tool);
        ASSERT_EQ(c.codes.size(), codes.size()) << (c.caution != nullptr ? c.caution : L"null");
        for (size_t k = 0; k < codes.size(); ++k) {
            EXPECT_EQ(c.codes[k].number, codes[k].number);
            EXPECT_EQ(c.codes[k].meaning, codes[k].meaning);
        }
    }
}

TEST(UserGuide, StatesUnlistedDrugsSelfTestExitCodesAndTheDisclaimer) {
    const std::wstring guide = suiteGuide();
    for (const std::wstring& part : {
             std::wstring(L"    其他编号 = ") + kUnlistedDrugName + L"\r\n",
             std::wstring(L"--selftest out.txt\r\n"),
             L"    " + std::to_wstring(kExitOk) + L"  全部结果计算成功\r\n",
             L"    " + std::to_wstring(kExitOutputFailed) + L"  有结果计算失败\r\n",
             L"    " + std::to_wstring(kExitFileNotWritten) + L"  无法写入结果文件\r\n",
             std::wstring(L"  本工具为临床辅助计算/记录工具，结果不能替代医师诊疗判断，\r\n"
                          L"  具体用药与处置请结合患者实际情况及本院规范执行。\r\n"),
         }) {
        EXPECT_TRUE(contains(guide, part)) << part.size();
    }
}

TEST(UserGuide, BeginsWithTheLauncher) {
    EXPECT_EQ(0u, suiteGuide().find(std::wstring(kUserGuideTitle) + L"\r\n\r\n从“" + kLauncherTitle +
                                    L"”开始\r\n"));
}

TEST(UserGuide, SaysHowToSearchByInitialsWhatRecentIsAndHowTabMoves) {
    const std::wstring guide = suiteGuide();
    for (const std::wstring& part : {
             std::wstring(L"拼音首字母，如“jgqc”找到肌酐清除率"),
             std::wstring(L"  4. 最近使用：搜索框为空时，列表顶部“") + kRecentHeading + L"”下",
             std::wstring(L"其下“") + kAllToolsHeading + L"”为完整列表",
             std::wstring(L"按 Tab 到下一项（Shift+Tab 回上一项）"),
         })
        EXPECT_TRUE(contains(guide, part)) << part.size();
}

TEST(UserGuide, BytesCarryTheMarkAndOnlyCrLf) {
    const std::string bytes = encodeUtf8(suiteGuide(), true);
    ASSERT_GT(bytes.size(), 3u);
    EXPECT_EQ("\xEF\xBB\xBF", bytes.substr(0, 3));
    EXPECT_EQ(std::string::npos, bytes.find("\xEF\xBB\xBF", 3));
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << i;
        } else if (bytes[i] == '\r') {
            EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << i;
        }
    }
}

} // namespace
