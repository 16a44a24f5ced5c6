// Level 8 against the strong level on the phone's class files: compressed size
// and CPU time of each, file by file. The strong level should be the smaller
// and take well under a second for a 64 KiB class.
//   bench_deflate_strong [FILE...]   files instead of the phone's classes
#include "archive_reader.h"
#include "cpu_time.h"
#include "deflate.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Figures {
    size_t size = 0;
    double seconds = 1e30;
};

// Best of three runs.
Figures measure(Deflater& d, const Bytes& input, int level) {
    Figures f;
    Bytes out;
    for (int run = 0; run < 3; ++run) {
        const double start = cpuSeconds();
        deflateBuffer(d, input.data(), input.size(), level, out);
        f.seconds = std::min(f.seconds, cpuSeconds() - start);
        f.size = out.size();
    }
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files(argv + 1, argv + argc);
    if (files.empty()) {
        for (const auto& entry : std::filesystem::directory_iterator(ORB_PHONE_CLASS_FOLDER))
            if (entry.path().extension() == ".class") files.push_back(entry.path().string());
        std::sort(files.begin(), files.end());
    }
    const auto d = std::make_unique<Deflater>();
    std::printf("%-40s %8s | %8s %8s | %8s %8s | %7s\n", "file", "bytes", "level-8", "ms", "strong", "ms",
                "saved");
    for (const std::string& file : files) {
        const Bytes input = readWholeFile(file);
        const Figures eight = measure(*d, input, 8);
        const Figures strong = measure(*d, input, strongPackLevel);
        std::printf("%-40s %8zu | %8zu %8.1f | %8zu %8.1f | %6.2f%%\n",
                    std::filesystem::path(file).filename().string().c_str(), input.size(), eight.size,
                    eight.seconds * 1e3, strong.size, strong.seconds * 1e3,
                    100.0 * (1.0 - double(strong.size) / double(eight.size)));
    }
    return 0;
}
