// Compares our level-8 compressor with zlib at levels 6 and 9, entry by entry
// as an archive would, and prints compressed size and MB/s (of CPU time) for
// each corpus.
// Targets: size within 0.5% of zlib level 9, speed at least zlib level 9's.
//   bench_deflate [FILE...]   extra files form one more corpus, "files"
#include "archive_reader.h"
#include "corpus.h"
#include "cpu_time.h"
#include "deflate.h"

#include <cstdio>
#include <memory>
#include <zlib.h>

namespace {

struct Corpus {
    std::string name;
    std::vector<CorpusFile> files;
};

struct Figures {
    uint64_t compressed = 0;
    double seconds = 1e30;
};

size_t zlibSize(const Bytes& input, int level, Bytes& out) {
    z_stream s{};
    deflateInit2(&s, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    out.resize(deflateBound(&s, uLong(input.size())));
    s.next_in = const_cast<Bytef*>(input.data());
    s.avail_in = uInt(input.size());
    s.next_out = out.data();
    s.avail_out = uInt(out.size());
    deflate(&s, Z_FINISH);
    const size_t n = s.total_out;
    deflateEnd(&s);
    return n;
}

// Best of three runs over the whole corpus; level 0 means ours at level 8.
Figures measure(const Corpus& corpus, int zlibLevel, Deflater& d) {
    Figures f;
    Bytes out;
    for (int run = 0; run < 3; ++run) {
        uint64_t total = 0;
        const double start = cpuSeconds();
        for (const CorpusFile& file : corpus.files) {
            if (zlibLevel == 0) {
                deflateBuffer(d, file.data.data(), file.data.size(), 8, out);
                total += out.size();
            } else {
                total += zlibSize(file.data, zlibLevel, out);
            }
        }
        const double seconds = cpuSeconds() - start;
        f.compressed = total;
        f.seconds = std::min(f.seconds, seconds);
    }
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Corpus> corpora;
    corpora.push_back({"large text", {{"text", makeText(8 << 20, 100)}}});
    corpora.push_back({"source code", {{"source", makeSource(2 << 20, 101)}}});
    corpora.push_back({"jar-like mix", jarLikeCorpus()});
    corpora.push_back({"round-trip set", roundTripCorpus()});
    if (argc > 1) {
        Corpus files{"files", {}};
        for (int i = 1; i < argc; ++i) files.files.push_back({argv[i], readWholeFile(argv[i])});
        corpora.push_back(files);
    }

    const auto d = std::make_unique<Deflater>();
    std::printf("%-16s %10s | %12s %8s | %12s %8s | %12s %8s | %9s %9s\n", "corpus", "bytes", "ours-8",
                "MB/s", "zlib-6", "MB/s", "zlib-9", "MB/s", "size/z9", "speed/z9");
    for (const Corpus& c : corpora) {
        uint64_t bytes = 0;
        for (const CorpusFile& f : c.files) bytes += f.data.size();
        const Figures ours = measure(c, 0, *d);
        const Figures z6 = measure(c, 6, *d);
        const Figures z9 = measure(c, 9, *d);
        const auto mbs = [&](const Figures& f) { return double(bytes) / 1e6 / f.seconds; };
        std::printf("%-16s %10llu | %12llu %8.1f | %12llu %8.1f | %12llu %8.1f | %8.3f%% %8.2fx\n", c.name.c_str(),
                    (unsigned long long)bytes, (unsigned long long)ours.compressed, mbs(ours),
                    (unsigned long long)z6.compressed, mbs(z6), (unsigned long long)z9.compressed, mbs(z9),
                    100.0 * (double(ours.compressed) / double(z9.compressed) - 1.0), mbs(ours) / mbs(z9));
    }
    return 0;
}
