// Tokens a reader takes in two parts: a number's digits and then the rest of it as the next
// field ("8.5" read as a whole number, "north" as a heading). Where reading goes on after
// such a token, it is worth a warning; where it stops, the stop's message names it.
#pragma once

#include "findings.h"
#include "scanned_text.h"

#include <string>
#include <vector>

// Warns of every field before fields[upTo] that begins inside a token.
void ReportSplitTokens(const std::vector<ReadField>& fields, std::size_t upTo,
                       const ScannedText& text, const std::string& file, Findings& findings);

// "'8.5' is not a whole number (the height): the game reads '8'": the token around field
// `index` (which begins inside it) and how the field before took its first part.
std::string SplitToken(const std::vector<ReadField>& fields, std::size_t index,
                       const ScannedText& text);
