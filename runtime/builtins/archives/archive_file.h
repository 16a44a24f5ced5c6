// The archive file: one line per record in list order, "%d:%s\n" for a record
// with text and "%d:\n" for a deleted one. Read and written here only.
#pragma once

#include "archives.h"

#include <cstdio>

// Reads records from an open file, putting each at the front of the store.
void readArchiveFile(std::FILE* f, std::deque<ArchiveRecord>& records);

// Writes every record in list order; false when any write fails.
bool writeArchiveFile(std::FILE* f, const std::deque<ArchiveRecord>& records);

// The next number a new record gets: one above the highest in the store.
int32_t nextRecordNumber(const std::deque<ArchiveRecord>& records);
