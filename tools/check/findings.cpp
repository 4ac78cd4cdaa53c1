#include "findings.h"

#include <algorithm>
#include <cstdio>
#include <map>

void Findings::Error(const std::string& file, int line, std::string message) {
    findings_.push_back({file, line, Severity::Error, std::move(message)});
}

void Findings::Warning(const std::string& file, int line, std::string message) {
    findings_.push_back({file, line, Severity::Warning, std::move(message)});
}

int Findings::ErrorsIn(const std::string& file) const {
    return static_cast<int>(
        std::count_if(findings_.begin(), findings_.end(), [&](const Finding& f) {
            return f.file == file && f.severity == Severity::Error;
        }));
}

std::vector<Finding> Findings::Sorted() const {
    std::map<std::string, std::size_t> rank;
    for (const Finding& finding : findings_) {
        rank.emplace(finding.file, rank.size());
    }
    std::vector<Finding> sorted = findings_;
    std::stable_sort(sorted.begin(), sorted.end(), [&](const Finding& a, const Finding& b) {
        const std::size_t rankA = rank.at(a.file);
        const std::size_t rankB = rank.at(b.file);
        return rankA != rankB ? rankA < rankB : a.line < b.line;
    });
    return sorted;
}

std::string Quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::string quoted = "'";
    for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7f) {
            quoted += static_cast<char>(byte);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            quoted += escaped;
        }
    }
    if (text.size() > kShown) {
        quoted += "...";
    }
    return quoted + "'";
}
