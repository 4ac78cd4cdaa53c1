#include "check.h"

#include "catalog/catalog.h"
#include "game_content.h"
#include "level_checks.h"
#include "list_checks.h"
#include "scanned_text.h"

#include <algorithm>
#include <chrono>
#include <map>

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A level's file as reports name it: below levels/, with '/' between folders.
std::string LevelFile(const std::string& name) {
    std::string file = "levels/" + name;
    std::replace(file.begin(), file.end(), '\\', '/');
    return file;
}

// The solver's verdict on a level without a plan, as one sentence.
std::string NoPlan(const SolveOutcome& search, const SolveLimits& limits) {
    char message[160];
    if (search.complete) {
        std::snprintf(message, sizeof message, "the level cannot be won");
    } else {
        std::snprintf(message, sizeof message,
                      "no way to win the level was found in %g s of search with up to %d shots",
                      limits.maxSeconds, limits.maxShots);
    }
    std::string sentence = message;
    for (std::size_t i = 0; i < search.whyNot.size(); ++i) {
        sentence += (i == 0 ? ": " : "; ") + search.whyNot[i];
    }
    return sentence;
}

// Checks one level and, when it reads cleanly, searches for a plan.
LevelResult CheckLevel(const LevelEntry& entry, int index, const LevelContext& context,
                       CCatalog& catalog, const CheckOptions& options, Findings& findings) {
    LevelResult result;
    result.index = index;
    result.name = entry.name;
    result.file = LevelFile(entry.name);
    const DataText data = ReadDataText("levels\\" + entry.name);
    if (data.status != TextStatus::Read) {
        findings.Error("levels.txt", entry.line,
                       "level file " + Quoted(result.file) +
                           (data.status == TextStatus::CannotOpen
                                ? " is missing"
                                : " is larger than 64 MiB and is not checked"));
        return result;
    }
    result.found = true;
    const LevelSummary summary = CheckLevelText(data.text, result.file, context, findings);
    result.width = summary.width;
    result.height = summary.height;
    result.readCleanly = summary.readCleanly;
    if (result.readCleanly && options.solve) {
        const auto started = std::chrono::steady_clock::now();
        result.search = SolveLevel(catalog, "levels\\" + entry.name, options.limits);
        result.searchSeconds = SecondsSince(started);
        if (!result.search->plan) {
            findings.Error(result.file, 0, NoPlan(*result.search, options.limits));
        }
    }
    return result;
}

} // namespace

int CheckReport::Count(Severity severity) const {
    return static_cast<int>(std::count_if(findings.begin(), findings.end(), [&](const Finding& f) {
        return f.severity == severity;
    }));
}

CheckReport CheckContent(const std::filesystem::path& folder, const CheckOptions& options) {
    const auto started = std::chrono::steady_clock::now();
    CheckReport report;
    report.folder = folder.string();
    Findings findings;
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        findings.Error(report.folder, 0, "is not a content folder: no such folder");
        report.findings = findings.All();
        return report;
    }
    {
        GameContent content(folder);
        const ListsOutcome lists = CheckLists(content.Catalog(), findings);
        CheckRequiredNames(lists, findings);
        LevelContext context{lists.style0, lists.models, lists.modelsList, {}};
        for (const auto& [name, model] : content.Catalog().m_models) {
            if (model.pMesh) {
                context.loadedModels.insert(name);
            }
        }
        // A level listed twice is checked once; its second place shares the result.
        std::map<std::string, std::size_t> checked;
        for (std::size_t i = 0; i < lists.levels.size(); ++i) {
            const LevelEntry& entry = lists.levels[i];
            const auto [first, isFirst] = checked.emplace(entry.name, report.levels.size());
            if (isFirst) {
                report.levels.push_back(CheckLevel(entry, static_cast<int>(i), context,
                                                   content.Catalog(), options, findings));
                report.searchSeconds += report.levels.back().searchSeconds;
            } else {
                LevelResult again = report.levels[first->second];
                again.index = static_cast<int>(i);
                report.levels.push_back(again);
            }
        }
    }
    report.findings = findings.Sorted();
    report.checkSeconds = SecondsSince(started);
    return report;
}
