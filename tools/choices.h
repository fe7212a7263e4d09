// Item lists that several tools share: "否" scores 0 and "是" the item's
// points; sex coded as the formulas read it; the RASS levels; how often in the
// last two weeks, as the two questionnaires score it.
#pragma once

#include "engine/tool.h"

constexpr InputChoice kNoYes1[] = {{0.0, L"否"}, {1.0, L"是"}};
constexpr InputChoice kNoYes2[] = {{0.0, L"否"}, {2.0, L"是"}};
constexpr InputChoice kNoYes3[] = {{0.0, L"否"}, {3.0, L"是"}};
constexpr InputChoice kSex[] = {{1.0, L"男"}, {2.0, L"女"}};

constexpr InputChoice kRassLevels[] = {
    {-5.0, L"不可唤醒（对任何刺激无反应）"}, {-4.0, L"深度镇静（仅身体刺激有反应）"},
    {-3.0, L"中度镇静（闻声有反应无对视）"}, {-2.0, L"轻度镇静（闻声对视<10秒）"},
    {-1.0, L"昏昏欲睡（闻声对视≥10秒）"},    {0.0, L"清醒平静"},
    {1.0, L"不安焦虑（动作不剧烈）"},        {2.0, L"躁动（频繁乱动/人机对抗）"},
    {3.0, L"非常躁动（拉拽/拔管或攻击）"},   {4.0, L"有攻击性（明显暴力危及医护）"},
};
constexpr InputChoice kTwoWeekFrequency[] = {
    {0.0, L"完全不会"},
    {1.0, L"好几天"},
    {2.0, L"一半以上的天数"},
    {3.0, L"几乎每天"},
};
