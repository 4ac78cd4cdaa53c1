// Writing the generated style into a content folder, and comparing a content folder with it.
#pragma once

#include "content_file.h"

#include <filesystem>
#include <string>
#include <vector>

// Replaces `folder` by exactly these files. False (with a message) when a file cannot be
// written.
bool WriteFolder(const std::filesystem::path& folder, const std::vector<ContentFile>& files,
                 std::string& error);

// The differences between `folder` and these files, one line each: files that differ, are
// missing, or are there without being generated. Empty when they agree byte for byte.
std::vector<std::string> CompareFolder(const std::filesystem::path& folder,
                                       const std::vector<ContentFile>& files);
