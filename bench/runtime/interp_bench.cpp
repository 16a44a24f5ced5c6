// Statements per second of the interpreter on CPU-bound program images, run
// headless in-process; and the 10,000,000-step For loop against yabasic on the
// same machine in the same run. Times are processor time, so that other work
// on the machine does not distort the figures.
#include "headless_host.h"
#include "interp.h"
#include "run_modules.h"
#include "silent_backend.h"
#include "startup.h"
#include "work_protocol.h"

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::string format(const char* f, int a = 0, int b = 0, int c = 0, int d = 0) {
    char text[256];
    std::snprintf(text, sizeof text, f, a, b, c, d);
    return text;
}

// The codes the compiler writes for `For v = 1 TO end` ... `Next` around the
// body: labels 1 (top), 2 (exit) and 3 (body), condition targets 0.
std::string forLoop(int slot, int end, const std::string& body) {
    return format("v4%.4dm01x\n~b0003~a0001\nq1\n", slot) + format("v1%.4dq>=m0%dxq70000\n", slot, end) +
           "q40000\n\n~b0002\nq50000\n" + format("v4%.4dv1%.4dm+m01x\n~a0003\n", slot, slot) + body +
           "~b0001\n~a0002\n";
}

std::string image(const std::string& code, const std::string& setup, int highestLabel = 3, int highestProcedure = 0,
                  int highestTarget = 1) {
    return "w01VXB\n~c0000\n\n" + code + "1f\n~a0000\n" + setup + "1d\n" +
           format("w10360w20640w30000w40001w50001w60000w7%.4dw8%.4dw9%.4dwA%.4dwx0011", highestLabel, highestTarget,
                  highestTarget, highestProcedure);
}

struct Case {
    const char* name;
    std::string image;
};

Case cases[] = {
    {"integer For loop, s = s + i, 10,000,000 times",
     image("L1:v40000m00x\n" + forLoop(1, 10000000, "L3:v40000v10000m+v10001\n"), "va0002_0000_0001\n")},
    {"float arithmetic, f# = f# * 0.5 + 1.25, 2,000,000 times",
     image(forLoop(0, 2000000, "v50000v20000m*m10.5xm+m11.25x\n"), "va0001_0000_0000\nvb0001_0000_0000\n")},
    {"string building with Len, 1,000,000 times",
     image(forLoop(0, 1000000,
                   "v60000v30000m+m\"ab\"\nq1\nc0091d3v30000edxq>>\nm0200xq70001\nq40001\n\nv60000m\"\"\nq50001\n"),
           "va0001_0000_0000\nvc0001_0000_0000\n")},
    {"array element read and write, 2,000,000 times",
     image(forLoop(0, 2000000, "a10002_0099v10000m%m0100xea40002_0099v10000m%m0100xem+v10000\n"),
           "va0102_0000_0101\n")},
    {"procedure call x = Add[x, 1], 1,000,000 times",
     image("~b0004\n~d0001~c0005v45000p10ev45001p11e\nvp1v15000m+v15001\n1x\n~a0005\nva0002_5000_5001\n1d\n~a0004\n" +
               forLoop(1, 1000000, "v40000d00001d1v10000ed1m01xedx\n"),
           "va0002_0000_0001\n", 5, 1)},
    {"DATA: Restore and five reads, 200,000 times",
     image(forLoop(1, 200000,
                   "h40004\nv40000v10000m+c0068dx\nv40000v10000m+c0068dx\nv40000v10000m+c0068dx\n"
                   "v40000v10000m+c0068dx\nv40000v10000m+c0068dx\n") +
               "~a0004\nh11e h12e h13e h14e h15e\n",
           "va0002_0000_0001\n", 4)},
};

double processorSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Run {
    double seconds;
    uint64_t steps;
};

Run runImage(const std::string& text) {
    HeadlessHost host;
    Interp in(host);
    if (loadImageText(text, in.image)) {
        std::fprintf(stderr, "benchmark image does not load\n");
        std::exit(1);
    }
    const double start = processorSeconds(RUSAGE_SELF);
    runLoadedProgram(in, 8 * 1024 * 1024);
    const Run run{processorSeconds(RUSAGE_SELF) - start, in.steps};
    if (in.noError) {
        std::fprintf(stderr, "benchmark image did not reach its End\n");
        std::exit(1);
    }
    return run;
}

double yabasicSeconds() {
    const std::string program = "/tmp/orb_bench_loop.yab";
    if (FILE* f = std::fopen(program.c_str(), "w")) {
        std::fputs("s = 0\nfor i = 1 to 10000000\n  s = s + i\nnext i\n", f);
        std::fclose(f);
    }
    const double start = processorSeconds(RUSAGE_CHILDREN);
    const int status = std::system(("yabasic " + program + " > /dev/null 2>&1").c_str());
    const double t = processorSeconds(RUSAGE_CHILDREN) - start;
    std::remove(program.c_str());
    return status == 0 ? t : -1.0;
}

// A straight program of many lines, as a big game's main program looks to
// the loader, with an If every eleventh line; it runs through once.
std::string longProgram(int lines) {
    std::string body;
    int target = 0;
    for (int line = 1; line <= lines; ++line) {
        body += format("L%d:v40000v10000m+m0%dx\n", line, line % 100);
        if (line % 11 == 0) {
            body += format("q1\nv10000q<<m0%dxq7%.4d\nq4%.4d\n", line, target, target) +
                    format("v40001m01x\nq5%.4d\n", target);
            ++target;
        }
    }
    return image(body, "va0002_0000_0001\n", 3, 0, target);
}

// Runs the image with the built-in modules, silent and without waits, for
// at most maxSteps statements (0: to its end), from the folder, and prints what its decoded and compiled forms
// hold then.
void printDecodedSize(const char* what, const std::string& text, uint64_t maxSteps,
                      const std::filesystem::path& folder = {}) {
    HeadlessHost host;
    Interp in(host);
    if (loadImageText(text, in.image)) {
        std::printf("%s: the image does not load\n", what);
        return;
    }
    settleScreen(in);
    in.maxSteps = maxSteps;
    SkippingClock clock;
    RunModules modules(in, clock, silentBackend());
    if (modules.startPhone(SOURCE_DIR "/data/", "") || !modules.startModules()) {
        std::printf("%s: the phone does not start\n", what);
        return;
    }
    // A program's files are named from its folder.
    const std::filesystem::path started = std::filesystem::current_path();
    if (!folder.empty()) std::filesystem::current_path(folder);
    runLoadedProgram(in, 8 * 1024 * 1024);
    std::filesystem::current_path(started);
    const double image = static_cast<double>(text.size());
    const size_t decoded = in.image.codes.bytes();
    const size_t compiled = fastStepsBytes(in.fastSteps);
    std::printf("%-26s image %9zu B, decoded %10zu B (%.1f x), fast steps %10zu B (%.1f x) after %llu statements\n",
                what, text.size(), decoded, static_cast<double>(decoded) / image, compiled,
                static_cast<double>(compiled) / image, static_cast<unsigned long long>(in.steps));
}

// The largest program of the tests and examples, compiled by this build's compiler.
std::string largestTestImage() {
    const std::string work = "/tmp/orb_bench_decoded";
    std::system(("mkdir -p " + work).c_str());
    const std::string command =
        std::string(ORBBASIC_PATH) + " --work " + work + " --test " + SOURCE_DIR "/examples/game/game.orb > /dev/null";
    if (std::system(command.c_str()) != 0) return {};
    std::string text;
    if (FILE* f = std::fopen((work + "/" + std::string(programImageFileName)).c_str(), "rb")) {
        for (int c; (c = std::fgetc(f)) != EOF;)
            if (c != '\r') text.push_back(static_cast<char>(c));
        std::fclose(f);
    }
    std::system(("rm -rf " + work).c_str());
    return text;
}

}  // namespace

int main() {
    std::printf("%-58s %10s %12s %14s\n", "image", "seconds", "statements", "statements/s");
    double loopSeconds = 0;
    for (const Case& c : cases) {
        const Run run = runImage(c.image);
        if (loopSeconds == 0) loopSeconds = run.seconds;
        std::printf("%-58s %10.3f %12llu %14.0f\n", c.name, run.seconds, static_cast<unsigned long long>(run.steps),
                    static_cast<double>(run.steps) / run.seconds);
    }
    std::printf("\nMemory of the decoded form (one record per text position) and of the fast steps:\n");
    const std::string game = largestTestImage();
    if (!game.empty()) printDecodedSize("examples/game/game.orb", game, 2'000'000, SOURCE_DIR "/examples/game");
    printDecodedSize("a 100,000-line program", longProgram(100000), 0);

    const double yabasic = yabasicSeconds();
    if (yabasic < 0) {
        std::printf("\nyabasic is not installed: no comparison\n");
        return 0;
    }
    std::printf("\nFor loop of 10,000,000: orbrt %.3f s, yabasic %.3f s, orbrt speed / yabasic speed = %.2f\n",
                loopSeconds, yabasic, yabasic / loopSeconds);
}
