// Compares the conformance program's output from two builds, line by line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Tokens that both read as decimal floats agree within kMaxUlps units in the last place, or,
// both no larger than kNearZero, within kMaxAbsoluteDifference (rounding leaves -4.4e-08 for
// a zero). Any NaN matches any NaN; an infinity only itself. Other tokens must be equal.
inline constexpr int kMaxUlps = 8;
inline constexpr double kNearZero = 1e-3;
inline constexpr double kMaxAbsoluteDifference = 1e-6;

bool TokensMatch(std::string_view expected, std::string_view actual);
bool LinesMatch(std::string_view expected, std::string_view actual);

// Lines starting "info " are shown, never compared. A label is all before the first ':'.
bool IsInformational(std::string_view line);
std::string_view LabelOf(std::string_view line);
// The lines of a text, without their line ends (LF or CR LF).
std::vector<std::string> SplitLines(std::string_view text);

struct ComparisonReport {
    int passed = 0;
    int failed = 0;
    std::string details; // one block per differing line pair, then the informational lines
};

// Pairs the compared lines of both outputs in order; a line without a partner fails.
ComparisonReport CompareOutputs(const std::vector<std::string>& expected,
                                const std::vector<std::string>& actual);
