// The check's report in its two forms: text the way compilers write their diagnostics
// (file:line: error: what), with a line per level and the times; and the same as JSON for
// other tools, whose plans the end-to-end tests replay in the game.
#pragma once

#include "check.h"

#include <string>

// "file:line: severity: message", or "file: severity: message" for the whole file.
std::string FindingLine(const Finding& finding);

std::string TextReport(const CheckReport& report);
std::string JsonReport(const CheckReport& report);
