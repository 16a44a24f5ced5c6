// Test and benchmark data made on the spot, so that no big binary files live
// in the repository. Every maker is deterministic for a given seed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

struct CorpusFile {
    std::string name;
    Bytes data;
};

Bytes makeText(size_t size, uint32_t seed);         // English-like prose in paragraphs
Bytes makeSource(size_t size, uint32_t seed);       // BASIC-like program text
Bytes makePng(int width, int height, uint32_t seed);  // a valid RGBA PNG: gradients, shapes, a little noise
Bytes makeClassFile(size_t size, uint32_t seed);    // a Java class file in shape: constant pool and bytecode
Bytes makeRandom(size_t size, uint32_t seed);
Bytes makeRun(size_t size, uint8_t value);

// Everything the round-trip tests put into an archive.
std::vector<CorpusFile> roundTripCorpus();

// What a phone package holds: class files, PNGs, a manifest and a data file.
std::vector<CorpusFile> jarLikeCorpus();
