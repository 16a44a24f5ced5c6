// Replacing a file whole: the new bytes go to a temporary beside it, which is
// renamed over the file only when every byte reached the disk. A full disk, a
// read-only folder or a kill during the write leaves the old file as it was
// and never a short or empty one in its place.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

// Writes `path` through `write` (false from it: the write failed). The
// temporary is "PATH.PID-N.new", unique to the process and the call, so that
// two processes replacing one file never take each other's temporary. On
// failure errno tells why and no temporary is left.
bool replaceFile(const std::string& path, const std::function<bool(std::FILE*)>& write);

// Removes the temporaries of `path` that a process which no longer runs left
// behind (it was killed during a write); those of running processes stay.
void removeStaleTemporaries(const std::string& path);
