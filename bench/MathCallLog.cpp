#include "MathCallLog.h"

#include <utility>

// The wrapped functions as the linker names them: __real_ is the math
// library's own function, __wrap_ what the engine's calls reach instead.
extern "C" {
double __real_exp(double);
double __real_log(double);
double __real_log10(double);
double __real_pow(double, double);
double __real_atan(double);
double __real_sin(double);
}

namespace {

bool recording = false;
CMathCallLog recorded;

inline void Note(MathFunction f, double x)
{
    if (recording) [[unlikely]]
        recorded.arguments[static_cast<std::size_t>(f)].push_back(x);
}

}  // namespace

// The engine's call of name reaches __wrap_name, which notes the argument
// and calls the library's function.
#define DORVAN_WRAP_MATH(name, function)                 \
    extern "C" double __wrap_##name(double x)            \
    {                                                    \
        Note(MathFunction::function, x);                 \
        return __real_##name(x);                         \
    }

DORVAN_WRAP_MATH(exp, Exp)
DORVAN_WRAP_MATH(log, Log)
DORVAN_WRAP_MATH(log10, Log10)
DORVAN_WRAP_MATH(atan, Atan)
DORVAN_WRAP_MATH(sin, Sin)

extern "C" double __wrap_pow(double x, double y)
{
    if (recording) [[unlikely]]
        recorded.powExponents.push_back(y);
    Note(MathFunction::Pow, x);
    return __real_pow(x, y);
}

std::size_t CMathCallLog::TotalCalls() const
{
    std::size_t calls = 0;
    for (const std::vector<double>& list : arguments)
        calls += list.size();
    return calls;
}

void StartMathRecording()
{
    recorded = CMathCallLog{};
    recording = true;
}

CMathCallLog StopMathRecording()
{
    recording = false;
    return std::exchange(recorded, CMathCallLog{});
}

namespace {

template <typename Function>
double SumOver(const std::vector<double>& arguments, Function f)
{
    double sum = 0.0;
    for (double x : arguments)
        sum += f(x);
    return sum;
}

}  // namespace

double ReplayMathCalls(const CMathCallLog& log)
{
    auto of = [&log](MathFunction f) -> const std::vector<double>& { return log.Of(f); };
    double sum = SumOver(of(MathFunction::Exp), __real_exp) + SumOver(of(MathFunction::Log), __real_log) +
                 SumOver(of(MathFunction::Log10), __real_log10) + SumOver(of(MathFunction::Atan), __real_atan) +
                 SumOver(of(MathFunction::Sin), __real_sin);
    const std::vector<double>& bases = of(MathFunction::Pow);
    for (std::size_t i = 0; i < bases.size(); ++i)
        sum += __real_pow(bases[i], log.powExponents[i]);
    return sum;
}
