// What the checker reports: problems found in a content folder, each with its file and line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class Severity { Error, Warning };

struct Finding {
    std::string file; // relative to the content folder, '/' between folders
    int line;         // 1 and up; 0 when the finding concerns the whole file
    Severity severity;
    std::string message;
    bool operator==(const Finding&) const = default;
};

// The findings of one check, in the order they were found.
class Findings {
public:
    void Error(const std::string& file, int line, std::string message);
    void Warning(const std::string& file, int line, std::string message);
    // How many errors concern that file.
    int ErrorsIn(const std::string& file) const;
    const std::vector<Finding>& All() const { return findings_; }
    // Files in the order their first finding was made, each file's findings by line.
    std::vector<Finding> Sorted() const;

private:
    std::vector<Finding> findings_;
};

// A token or name as a message shows it: in single quotes, bytes outside printable ASCII as
// \xNN, cut short after 40 characters, so that junk in a file cannot garble the report.
std::string Quoted(std::string_view text);
