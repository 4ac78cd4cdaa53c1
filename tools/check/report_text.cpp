#include "report.h"

#include <cstdio>

namespace {

std::string Format(const char* format, auto... values) {
    char text[256];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::string Plural(int count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

double Seconds(int frame) {
    return static_cast<double>(frame) / kFramesPerSecond;
}

// "levels/first.txt: 8 x 6 tiles, won with 2 shots at 14.50 s, score 50, searched 0.03 s",
// then one line per shot.
std::string LevelLines(const LevelResult& level) {
    if (!level.found) {
        return level.file + ": cannot be read\n";
    }
    std::string lines = level.file + ": " + Format("%d x %d tiles", level.width, level.height);
    if (!level.search) {
        return lines + (level.readCleanly ? ", not searched\n" : ", not searched: it has errors\n");
    }
    const std::string searched = Format(", searched %.2f s", level.searchSeconds);
    if (!level.search->plan) {
        return lines + ", no plan" + searched + "\n";
    }
    const Plan& plan = *level.search->plan;
    lines += ", won with " + Plural(static_cast<int>(plan.shots.size()), "shot") +
             Format(" at %.2f s, score %d", Seconds(plan.winFrame), plan.score) + searched + "\n";
    for (const PlannedShot& shot : plan.shots) {
        lines += Format("    shot at %.2f s (frame %d) at tile (%d, %d)\n", Seconds(shot.frame),
                        shot.frame, shot.x, shot.y);
    }
    return lines;
}

} // namespace

std::string FindingLine(const Finding& finding) {
    const char* severity = finding.severity == Severity::Error ? "error" : "warning";
    const std::string where =
        finding.line > 0 ? finding.file + ":" + std::to_string(finding.line) : finding.file;
    return where + ": " + severity + ": " + finding.message;
}

std::string TextReport(const CheckReport& report) {
    std::string text;
    for (const Finding& finding : report.findings) {
        text += FindingLine(finding) + "\n";
    }
    if (!report.findings.empty()) {
        text += "\n";
    }
    for (const LevelResult& level : report.levels) {
        text += LevelLines(level);
    }
    text += Plural(static_cast<int>(report.levels.size()), "level") + ", " +
            Plural(report.Count(Severity::Error), "error") + ", " +
            Plural(report.Count(Severity::Warning), "warning") +
            Format("; checked in %.2f s (reading %.2f s, searching %.2f s)\n", report.checkSeconds,
                   report.checkSeconds - report.searchSeconds, report.searchSeconds);
    return text;
}
