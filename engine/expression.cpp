#include "engine/expression.h"

#include <cmath>
#include <cstring>

#include "engine/number.h"

namespace {

// Own classifiers: the language's classes are ASCII only, and VT and FF are no blanks.
bool isBlank(char c) {
    // Every blank is at most ' ': most characters are rejected by one test.
    return c <= ' ' && (c == ' ' || c == '\t' || c == '\n' || c == '\r');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool isNameChar(char c) {
    return isNameStart(c) || isDigit(c);
}

// NaN is true; 0.0 and -0.0 are false.
bool isTrue(double v) {
    return !(v == 0.0);
}
double truth(bool b) {
    return b ? 1.0 : 0.0;
}

// Blanks are skipped after every token read, and once before the first: the
// cursor never rests on a blank, so no level has to skip them itself.
void skipBlanks(ExprState& s) {
    while (isBlank(*s.cursor))
        ++s.cursor;
}

void moveOn(ExprState& s, int32_t count) {
    s.cursor += count;
    skipBlanks(s);
}

bool accept(ExprState& s, char c) {
    if (*s.cursor != c) return false;
    moveOn(s, 1);
    return true;
}

bool acceptPair(ExprState& s, const char* op) {
    if (s.cursor[0] != op[0] || s.cursor[1] != op[1]) return false;
    moveOn(s, 2);
    return true;
}

// One recursive level; past the limit it fails at once, reading nothing.
struct NestingLevel {
    ExprState& state;
    bool entered;
    explicit NestingLevel(ExprState& s) : state(s), entered(s.depth < kMaxNestingDepth) {
        if (entered) {
            ++state.depth;
        } else {
            state.failed = 1;
        }
    }
    ~NestingLevel() {
        if (entered) --state.depth;
    }
    NestingLevel(const NestingLevel&) = delete;
    NestingLevel& operator=(const NestingLevel&) = delete;
};

double parseAnd(ExprState& s);
double parseComparison(ExprState& s);
double parseSum(ExprState& s);
double parseProduct(ExprState& s);
double parsePower(ExprState& s);
double parseUnary(ExprState& s);
double parsePrimary(ExprState& s);
double readNumberAtCursor(ExprState& s);
double readName(ExprState& s);
double readCall(ExprState& s, const char* name);
double lookUpVariable(ExprState& s, const char* name, int32_t length);
double applyFunction1(const char* name, double x, int32_t* failed);
double applyFunction2(const char* name, double a, double b, int32_t* failed);

// <expression> = <and> {"||" <and>} ["?" <expression> ":" <expression>]
double parseExpression(ExprState& s) {
    NestingLevel level(s);
    if (!level.entered) return 0.0;
    double x = parseAnd(s);
    while (acceptPair(s, "||")) {
        const double y = parseAnd(s);
        x = truth(isTrue(x) || isTrue(y));
    }
    if (!accept(s, '?')) return x;
    // Both branches are read and evaluated; errors in either count.
    const double whenTrue = parseExpression(s);
    if (!accept(s, ':')) s.failed = 1;
    const double whenFalse = parseExpression(s);
    return isTrue(x) ? whenTrue : whenFalse;
}

// <and> = <comparison> {"&&" <comparison>}
double parseAnd(ExprState& s) {
    double x = parseComparison(s);
    while (acceptPair(s, "&&")) {
        const double y = parseComparison(s);
        x = truth(isTrue(x) && isTrue(y));
    }
    return x;
}

// <comparison> = <sum> [("<=" | ">=" | "==" | "!=" | "<" | ">") <sum>]
double parseComparison(ExprState& s) {
    const double a = parseSum(s);
    const char c = *s.cursor;
    if (c != '<' && c != '>' && c != '=' && c != '!') return a;
    if (acceptPair(s, "<=")) return truth(a <= parseSum(s));
    if (acceptPair(s, ">=")) return truth(a >= parseSum(s));
    if (acceptPair(s, "==")) return truth(a == parseSum(s));
    if (acceptPair(s, "!=")) return truth(a != parseSum(s));
    if (accept(s, '<')) return truth(a < parseSum(s));
    if (accept(s, '>')) return truth(a > parseSum(s));
    return a;
}

// <sum> = <product> {("+" | "-") <product>}
double parseSum(ExprState& s) {
    double x = parseProduct(s);
    for (;;) {
        const char op = *s.cursor;
        if (op != '+' && op != '-') return x;
        moveOn(s, 1);
        const double y = parseProduct(s);
        x = op == '+' ? x + y : x - y;
    }
}

// <product> = <power> {("*" | "/" | "%") <power>}
double parseProduct(ExprState& s) {
    double x = parsePower(s);
    for (;;) {
        const char op = *s.cursor;
        if (op == '*' && s.cursor[1] != '*') {
            moveOn(s, 1);
            x *= parsePower(s);
            continue;
        }
        if (op != '/' && op != '%') return x;
        moveOn(s, 1);
        const double divisor = parsePower(s);
        if (divisor == 0.0) {
            // A zero divisor ends the product: the rest of it is left unread here.
            s.failed = 1;
            return 0.0;
        }
        x = op == '/' ? x / divisor : std::fmod(x, divisor);
    }
}

// <power> = <unary> ["^" <power>]
double parsePower(ExprState& s) {
    NestingLevel level(s);
    if (!level.entered) return 0.0;
    const double base = parseUnary(s);
    if (!accept(s, '^')) return base;
    return std::pow(base, parsePower(s));
}

// <unary> = ("-" | "+" | "!") <unary> | <primary>
double parseUnary(ExprState& s) {
    NestingLevel level(s);
    if (!level.entered) return 0.0;
    while (*s.cursor == '+')
        moveOn(s, 1);
    if (*s.cursor == '-') {
        moveOn(s, 1);
        return -parseUnary(s);
    }
    if (*s.cursor == '!') {
        moveOn(s, 1);
        return truth(!isTrue(parseUnary(s)));
    }
    return parsePrimary(s);
}

// <primary> = <number> | <name> | <call> | "(" <expression> ")"
double parsePrimary(ExprState& s) {
    const char c = *s.cursor;
    if (c == '(') {
        moveOn(s, 1);
        const double v = parseExpression(s);
        if (!accept(s, ')')) s.failed = 1;
        return v;
    }
    if (isDigit(c) || c == '.') return readNumberAtCursor(s);
    if (isNameStart(c)) return readName(s);
    s.failed = 1;
    return 0.0;
}

double readNumberAtCursor(ExprState& s) {
    const char* end = s.cursor;
    const double value = readNumber(s.cursor, &end);
    if (end == s.cursor) {
        s.failed = 1;
        return 0.0;
    }
    s.cursor = end;
    skipBlanks(s);
    return value;
}

// <name> = <name start> {<name character>}, at most kMaxVarLength read
double readName(ExprState& s) {
    char name[kMaxVarLength + 1];
    int32_t length = 0;
    while (length < kMaxVarLength && isNameChar(*s.cursor))
        name[length++] = *s.cursor++;
    name[length] = '\0';
    skipBlanks(s);
    if (*s.cursor == '(') return readCall(s, name);
    return lookUpVariable(s, name, length);
}

// <call> = <name> "(" <expression> ["," <expression>] ")"
double readCall(ExprState& s, const char* name) {
    moveOn(s, 1);
    const double a = parseExpression(s);
    if (accept(s, ',')) {
        const double b = parseExpression(s);
        if (!accept(s, ')')) s.failed = 1;
        return applyFunction2(name, a, b, &s.failed);
    }
    if (!accept(s, ')')) s.failed = 1;
    return applyFunction1(name, a, &s.failed);
}

// The name's length is known: compared in place, without a library call.
bool isVariable(const char* var, const char* name, int32_t length) {
    if (var == nullptr) return false;
    for (int32_t i = 0; i < length; ++i) {
        if (var[i] != name[i]) return false;
    }
    return var[length] == '\0';
}

double lookUpVariable(ExprState& s, const char* name, int32_t length) {
    for (int32_t i = 0; i < s.tool->inputCount; ++i) {
        if (isVariable(s.tool->inputs[i].var, name, length)) return s.inputValues[i];
    }
    for (int32_t i = 0; i < s.tool->outputCount; ++i) {
        if (isVariable(s.tool->outputs[i].var, name, length)) return s.outputValues[i];
    }
    s.failed = 1;
    return 0.0;
}

double domainError(int32_t* failed) {
    *failed = 1;
    return 0.0;
}

double fnSqrt(double x, double, int32_t* failed) {
    return x < 0.0 ? domainError(failed) : std::sqrt(x);
}
double fnAbs(double x, double, int32_t*) {
    return std::fabs(x);
}
double fnLog(double x, double, int32_t* failed) {
    return x <= 0.0 ? domainError(failed) : std::log(x);
}
double fnLog10(double x, double, int32_t* failed) {
    return x <= 0.0 ? domainError(failed) : std::log10(x);
}
double fnExp(double x, double, int32_t*) {
    return std::exp(x);
}
double fnFloor(double x, double, int32_t*) {
    return std::floor(x);
}
double fnCeil(double x, double, int32_t*) {
    return std::ceil(x);
}
// Halves round up: round(-2.5) is -2.
double fnRound(double x, double, int32_t*) {
    return std::floor(x + 0.5);
}
// The power of the double nearest 1/3, so cbrt(64) is just below 4.
double fnCbrt(double x, double, int32_t*) {
    const double third = 1.0 / 3.0;
    return x >= 0.0 ? std::pow(x, third) : -std::pow(-x, third);
}
double fnSign(double x, double, int32_t*) {
    return x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : 0.0);
}
double fnMin(double a, double b, int32_t*) {
    return a < b ? a : b;
}
double fnMax(double a, double b, int32_t*) {
    return a > b ? a : b;
}
double fnPow(double a, double b, int32_t*) {
    return std::pow(a, b);
}
double fnMod(double a, double b, int32_t* failed) {
    return b == 0.0 ? domainError(failed) : std::fmod(a, b);
}

struct BuiltinFunction {
    const char* name;
    int32_t argumentCount;
    double (*apply)(double a, double b, int32_t* failed); // b is unused with one argument
};

constexpr BuiltinFunction kFunctions[] = {
    {"sqrt", 1, fnSqrt}, {"abs", 1, fnAbs},     {"log", 1, fnLog},   {"log10", 1, fnLog10},
    {"exp", 1, fnExp},   {"floor", 1, fnFloor}, {"ceil", 1, fnCeil}, {"round", 1, fnRound},
    {"cbrt", 1, fnCbrt}, {"sign", 1, fnSign},   {"min", 2, fnMin},   {"max", 2, fnMax},
    {"pow", 2, fnPow},   {"mod", 2, fnMod},
};

// A name with the wrong number of arguments is undefined.
double applyFunction(const char* name, int32_t argumentCount, double a, double b, int32_t* failed) {
    for (const BuiltinFunction& f : kFunctions) {
        if (f.argumentCount == argumentCount && std::strcmp(f.name, name) == 0) return f.apply(a, b, failed);
    }
    *failed = 1;
    return 0.0;
}

double applyFunction1(const char* name, double x, int32_t* failed) {
    return applyFunction(name, 1, x, 0.0, failed);
}

double applyFunction2(const char* name, double a, double b, int32_t* failed) {
    return applyFunction(name, 2, a, b, failed);
}

} // namespace

double evaluateExpression(const ToolDef& tool, const char* expression, const double* inputValues,
                          const double* outputValues, int32_t* failed) {
    int32_t result = 1;
    double value = 0.0;
    if (expression != nullptr && expression[0] != '\0') {
        ExprState s{&tool, inputValues, outputValues, expression, 0, 0};
        skipBlanks(s);
        value = parseExpression(s);
        skipBlanks(s);
        result = (*s.cursor != '\0' || s.failed != 0 || !std::isfinite(value)) ? 1 : 0;
    }
    if (failed != nullptr) *failed = result;
    return value;
}
