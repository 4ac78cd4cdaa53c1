#include "report.h"

#include <cstdio>

namespace {

// A JSON string: quotes, backslashes and control characters escaped, and bytes outside ASCII
// as \u00XX, so that any name read from a file gives valid JSON.
std::string String(const std::string& text) {
    std::string json = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20 || byte >= 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", seconds);
    return text;
}

std::string Field(const char* name, const std::string& value) {
    return String(name) + ": " + value;
}

std::string Bool(bool value) {
    return value ? "true" : "false";
}

std::string FindingJson(const Finding& finding) {
    return "{" + Field("file", String(finding.file)) + ", " +
           Field("line", std::to_string(finding.line)) + ", " +
           Field("severity", String(finding.severity == Severity::Error ? "error" : "warning")) +
           ", " + Field("message", String(finding.message)) + "}";
}

std::string PlanJson(const Plan& plan) {
    std::string shots;
    for (const PlannedShot& shot : plan.shots) {
        shots += std::string(shots.empty() ? "" : ", ") + "{" +
                 Field("frame", std::to_string(shot.frame)) + ", " +
                 Field("seconds", Seconds(static_cast<double>(shot.frame) / kFramesPerSecond)) +
                 ", " + Field("x", std::to_string(shot.x)) + ", " +
                 Field("y", std::to_string(shot.y)) + "}";
    }
    return "{" + Field("shots", "[" + shots + "]") + ", " +
           Field("win_frame", std::to_string(plan.winFrame)) + ", " +
           Field("win_seconds", Seconds(static_cast<double>(plan.winFrame) / kFramesPerSecond)) +
           ", " + Field("score", std::to_string(plan.score)) + "}";
}

std::string LevelJson(const LevelResult& level) {
    std::string json =
        "{" + Field("index", std::to_string(level.index)) + ", " +
        Field("name", String(level.name)) + ", " + Field("file", String(level.file)) + ", " +
        Field("found", Bool(level.found)) + ", " + Field("width", std::to_string(level.width)) +
        ", " + Field("height", std::to_string(level.height)) + ", " +
        Field("read_cleanly", Bool(level.readCleanly)) + ", " +
        Field("searched", Bool(level.search.has_value()));
    if (level.search) {
        std::string whyNot;
        for (const std::string& reason : level.search->whyNot) {
            whyNot += (whyNot.empty() ? "" : ", ") + String(reason);
        }
        json += ", " + Field("plan", level.search->plan ? PlanJson(*level.search->plan) : "null") +
                ", " + Field("why_not", "[" + whyNot + "]") + ", " +
                Field("search_complete", Bool(level.search->complete)) + ", " +
                Field("states_visited", std::to_string(level.search->statesVisited)) + ", " +
                Field("search_seconds", Seconds(level.searchSeconds));
    }
    return json + "}";
}

} // namespace

std::string JsonReport(const CheckReport& report) {
    std::string json = "{\n  " + Field("folder", String(report.folder)) + ",\n  " +
                       Field("passed", Bool(report.Passed())) + ",\n  " +
                       Field("errors", std::to_string(report.Count(Severity::Error))) + ",\n  " +
                       Field("warnings", std::to_string(report.Count(Severity::Warning))) +
                       ",\n  " + Field("frames_per_second", std::to_string(kFramesPerSecond)) +
                       ",\n  " + Field("check_seconds", Seconds(report.checkSeconds)) + ",\n  " +
                       Field("search_seconds", Seconds(report.searchSeconds)) + ",\n  " +
                       String("findings") + ": [";
    for (std::size_t i = 0; i < report.findings.size(); ++i) {
        json += (i == 0 ? "\n    " : ",\n    ") + FindingJson(report.findings[i]);
    }
    json += report.findings.empty() ? "],\n  " : "\n  ],\n  ";
    json += String("levels") + ": [";
    for (std::size_t i = 0; i < report.levels.size(); ++i) {
        json += (i == 0 ? "\n    " : ",\n    ") + LevelJson(report.levels[i]);
    }
    json += report.levels.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}
