// Files the media tests write and read. Every test process has a folder of its
// own, so that tests running in parallel never share a file, and removes it
// when its tests are done.
#pragma once

#include <string>

std::string testFile(const std::string& name);
std::string readWholeFile(const std::string& path);
void writeWholeFile(const std::string& path, const std::string& bytes);
