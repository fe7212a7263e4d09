// Item lists that several tools share: "否" scores 0 and "是" the item's
// points; sex coded as the formulas read it.
#pragma once

#include "engine/tool.h"

constexpr InputChoice kNoYes1[] = {{0.0, L"否"}, {1.0, L"是"}};
constexpr InputChoice kNoYes2[] = {{0.0, L"否"}, {2.0, L"是"}};
constexpr InputChoice kNoYes3[] = {{0.0, L"否"}, {3.0, L"是"}};
constexpr InputChoice kSex[] = {{1.0, L"男"}, {2.0, L"女"}};
