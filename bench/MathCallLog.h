#pragma once
// The transcendental functions the engine calls, caught on their way to the
// math library. A program linked with the wrapping options of
// bench/CMakeLists.txt sends every call of the engine through the wrappers
// in MathCallLog.cpp, which keep the arguments while a recording runs. The
// recorded calls can then be made again, alone, to time what the engine's
// arithmetic costs at the least.
#include <array>
#include <cstddef>
#include <vector>

enum class MathFunction { Exp, Log, Log10, Pow, Atan, Sin };
inline constexpr std::size_t kMathFunctionCount = 6;
inline constexpr std::array<const char*, kMathFunctionCount> kMathFunctionNames = {"exp", "log", "log10",
                                                                                   "pow", "atan", "sin"};

// The arguments of every recorded call, by function; pow takes two.
struct CMathCallLog {
    std::array<std::vector<double>, kMathFunctionCount> arguments;
    std::vector<double> powExponents;

    const std::vector<double>& Of(MathFunction f) const { return arguments[static_cast<std::size_t>(f)]; }
    std::size_t TotalCalls() const;
};

// Records the engine's calls from now until StopMathRecording, which
// returns them.
void StartMathRecording();
CMathCallLog StopMathRecording();

// Makes every recorded call again, straight to the math library, each
// call's argument independent of the results before it; returns the sum
// of the results so that none can be left out.
double ReplayMathCalls(const CMathCallLog& log);
