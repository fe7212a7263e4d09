// The expression language of formulas and rule conditions.
#pragma once

#include <cstdint>

#include "engine/tool.h"

// Deeper nesting fails instead of exhausting the stack; the tool's own texts
// use a handful of levels. Counted per active parseExpression, parsePower and
// parseUnary, so a parenthesis costs three levels and a prefix operator one.
constexpr int32_t kMaxNestingDepth = 256;

// The state of one evaluation.
struct ExprState {
    const ToolDef* tool;
    const double* inputValues;
    const double* outputValues;
    const char* cursor; // next unread character
    int32_t failed;     // 1 after any error, never reset
    int32_t depth;      // active recursive levels
};

// Evaluates an ASCII formula or condition against the tool's input and output
// values. *failed is always written: 0, or 1 on any error, for a null or empty
// text, for text left over and for an infinite or NaN result. The value is
// returned in both cases. Allocates nothing.
double evaluateExpression(const ToolDef& tool, const char* expression, const double* inputValues,
                          const double* outputValues, int32_t* failed);
