// Line and token comparison with a tolerance for floats.
#include "compare_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

// Reads a whole token as a decimal float; hexadecimal tokens (HRESULTs, FVFs) are left to
// exact comparison.
std::optional<float> ParseFloat(std::string_view token) {
    if (token.empty() || token.find_first_of("xX") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string text(token);
    char* end = nullptr;
    const float value = std::strtof(text.c_str(), &end);
    if (end != text.c_str() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Maps a float's bits onto integers that are ordered like the floats, +0 and -0 both to 0.
int64_t OrderedBits(float value) {
    int32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits >= 0 ? int64_t{bits} : -int64_t{bits & 0x7fffffff};
}

bool FloatsClose(float expected, float actual) {
    if (std::isnan(expected) || std::isnan(actual)) {
        return std::isnan(expected) && std::isnan(actual);
    }
    if (std::isinf(expected) || std::isinf(actual)) {
        return expected == actual;
    }
    const bool nearZero = std::fabs(expected) <= kNearZero && std::fabs(actual) <= kNearZero;
    if (nearZero && std::fabs(double{expected} - double{actual}) <= kMaxAbsoluteDifference) {
        return true;
    }
    return std::llabs(OrderedBits(expected) - OrderedBits(actual)) <= kMaxUlps;
}

std::vector<std::string_view> SplitTokens(std::string_view line) {
    std::vector<std::string_view> tokens;
    size_t position = 0;
    while (position < line.size()) {
        const size_t start = line.find_first_not_of(" \t", position);
        if (start == std::string_view::npos) {
            break;
        }
        const size_t end = std::min(line.find_first_of(" \t", start), line.size());
        tokens.push_back(line.substr(start, end - start));
        position = end;
    }
    return tokens;
}

// Shows one differing pair; a missing partner (the outputs' line counts differ) is null.
void AppendDifference(std::string& details, const char* heading, const std::string* expected,
                      const std::string* actual) {
    details += heading;
    details += " [" + std::string(LabelOf(expected ? *expected : *actual)) + "]\n";
    details += "  expected: " + (expected ? *expected : std::string("(no line)")) + "\n";
    details += "  actual:   " + (actual ? *actual : std::string("(no line)")) + "\n";
}

// The informational lines of an output, or all the others.
std::vector<std::string> Select(const std::vector<std::string>& lines, bool informational) {
    std::vector<std::string> kept;
    for (const std::string& line : lines) {
        if (IsInformational(line) == informational) {
            kept.push_back(line);
        }
    }
    return kept;
}

const std::string* At(const std::vector<std::string>& lines, size_t index) {
    return index < lines.size() ? &lines[index] : nullptr;
}

} // namespace

bool TokensMatch(std::string_view expected, std::string_view actual) {
    if (expected == actual) {
        return true;
    }
    const std::optional<float> expectedValue = ParseFloat(expected);
    const std::optional<float> actualValue = ParseFloat(actual);
    return expectedValue && actualValue && FloatsClose(*expectedValue, *actualValue);
}

bool LinesMatch(std::string_view expected, std::string_view actual) {
    const std::vector<std::string_view> expectedTokens = SplitTokens(expected);
    const std::vector<std::string_view> actualTokens = SplitTokens(actual);
    if (expectedTokens.size() != actualTokens.size()) {
        return false;
    }
    for (size_t i = 0; i < expectedTokens.size(); ++i) {
        if (!TokensMatch(expectedTokens[i], actualTokens[i])) {
            return false;
        }
    }
    return true;
}

bool IsInformational(std::string_view line) {
    return line.starts_with("info ");
}

std::string_view LabelOf(std::string_view line) {
    return line.substr(0, line.find(':'));
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const size_t next = end == std::string_view::npos ? text.size() : end + 1;
        end = end == std::string_view::npos ? text.size() : end;
        if (end > start && text[end - 1] == '\r') {
            --end;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = next;
    }
    return lines;
}

ComparisonReport CompareOutputs(const std::vector<std::string>& expected,
                                const std::vector<std::string>& actual) {
    ComparisonReport report;
    const std::vector<std::string> expectedLines = Select(expected, false);
    const std::vector<std::string> actualLines = Select(actual, false);
    for (size_t i = 0; i < std::max(expectedLines.size(), actualLines.size()); ++i) {
        const std::string* expectedLine = At(expectedLines, i);
        const std::string* actualLine = At(actualLines, i);
        if (expectedLine && actualLine && LinesMatch(*expectedLine, *actualLine)) {
            ++report.passed;
        } else {
            ++report.failed;
            AppendDifference(report.details, "differs", expectedLine, actualLine);
        }
    }
    const std::vector<std::string> expectedInfo = Select(expected, true);
    const std::vector<std::string> actualInfo = Select(actual, true);
    for (size_t i = 0; i < std::max(expectedInfo.size(), actualInfo.size()); ++i) {
        const std::string* expectedLine = At(expectedInfo, i);
        const std::string* actualLine = At(actualInfo, i);
        if (!expectedLine || !actualLine || *expectedLine != *actualLine) {
            AppendDifference(report.details, "informational, not compared", expectedLine,
                             actualLine);
        }
    }
    return report;
}
