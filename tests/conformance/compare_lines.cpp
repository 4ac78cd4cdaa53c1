// Line and token comparison with a tolerance for floats.
#include "compare_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <optional>

namespace {

// A whole token read as a decimal float; hexadecimal tokens (HRESULTs, FVFs) stay exact.
std::optional<float> ParseFloat(std::string_view token) {
    const std::string text(token);
    char* end = nullptr;
    const float value = std::strtof(text.c_str(), &end);
    if (text.empty() || text.find_first_of("xX") != std::string::npos ||
        end != text.c_str() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// A float's bits as integers ordered like the floats, +0 and -0 both 0.
int64_t OrderedBits(float value) {
    int32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits >= 0 ? int64_t{bits} : -int64_t{bits & 0x7fffffff};
}

bool FloatsClose(float expected, float actual) {
    if (std::isnan(expected) || std::isnan(actual) || std::isinf(expected) || std::isinf(actual)) {
        return std::isnan(expected) ? std::isnan(actual) : expected == actual;
    }
    const bool nearZero = std::fabs(expected) <= kNearZero && std::fabs(actual) <= kNearZero;
    return (nearZero && std::fabs(double{expected} - double{actual}) <= kMaxAbsoluteDifference) ||
           std::llabs(OrderedBits(expected) - OrderedBits(actual)) <= kMaxUlps;
}

std::vector<std::string_view> SplitTokens(std::string_view line) {
    std::vector<std::string_view> tokens;
    for (size_t start = line.find_first_not_of(" \t"); start != std::string_view::npos;) {
        const size_t end = std::min(line.find_first_of(" \t", start), line.size());
        tokens.push_back(line.substr(start, end - start));
        start = line.find_first_not_of(" \t", end);
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
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(kept),
                 [&](const std::string& line) { return IsInformational(line) == informational; });
    return kept;
}

} // namespace

bool TokensMatch(std::string_view expected, std::string_view actual) {
    const std::optional<float> expectedValue = ParseFloat(expected);
    const std::optional<float> actualValue = ParseFloat(actual);
    return expected == actual ||
           (expectedValue && actualValue && FloatsClose(*expectedValue, *actualValue));
}

bool LinesMatch(std::string_view expected, std::string_view actual) {
    const std::vector<std::string_view> expectedTokens = SplitTokens(expected);
    const std::vector<std::string_view> actualTokens = SplitTokens(actual);
    return std::equal(expectedTokens.begin(), expectedTokens.end(), actualTokens.begin(),
                      actualTokens.end(), TokensMatch);
}

bool IsInformational(std::string_view line) {
    return line.starts_with("info ");
}

std::string_view LabelOf(std::string_view line) {
    return line.substr(0, line.find(':'));
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const bool crlf = end > start && text[end - 1] == '\r';
        lines.emplace_back(text.substr(start, end - start - (crlf ? 1 : 0)));
        start = end + 1;
    }
    return lines;
}

ComparisonReport CompareOutputs(const std::vector<std::string>& expected,
                                const std::vector<std::string>& actual) {
    ComparisonReport report;
    for (bool informational : {false, true}) {
        const std::vector<std::string> left = Select(expected, informational);
        const std::vector<std::string> right = Select(actual, informational);
        for (size_t i = 0; i < std::max(left.size(), right.size()); ++i) {
            const std::string* l = i < left.size() ? &left[i] : nullptr;
            const std::string* r = i < right.size() ? &right[i] : nullptr;
            if (informational) {
                if (!l || !r || *l != *r) {
                    AppendDifference(report.details, "informational, not compared", l, r);
                }
            } else if (l && r && LinesMatch(*l, *r)) {
                ++report.passed;
            } else {
                ++report.failed;
                AppendDifference(report.details, "differs", l, r);
            }
        }
    }
    return report;
}
