// Writes a patched game class and its package data for a hand-made program,
// so the phone tests can package, verify and run it without the compiler.
// The listings name their pool entries through the generated table.
//
//   phone_fixture PROGRAM_FOLDER OUTPUT_FOLDER
#include "class_patch.h"
#include "template_pool.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr std::string_view game = "program/TheGameCanvas";

// "$hi $lo" of a pool index; a missing entry stops the build of the fixture.
std::string ref(PoolKind kind, std::string_view name, std::string_view descriptor) {
    int index = templatePoolIndex(kind, game, name, descriptor);
    if (index == 0) {
        std::fprintf(stderr, "no pool entry for %.*s\n", static_cast<int>(name.size()), name.data());
        std::exit(1);
    }
    char text[16];
    std::snprintf(text, sizeof text, "$%02X $%02X", index >> 8, index & 0xFF);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const std::string printInt = "$B6 " + ref(PoolKind::Method, "printInt", "(I)V") + "\n";
    const std::string intResult = ref(PoolKind::Field, "intResult", "I");
    const std::string line = ref(PoolKind::Field, "line", "I");
    const std::string frame = ref(PoolKind::Field, "frame", "Lprogram/locals;");
    const std::string runProc = ref(PoolKind::Method, "runProc", "(Lprogram/locals;I)I");

    // Prints 5, skips a 1 on a forward branch, counts 3 2 1 down on a
    // backward one, calls procedure 1 (prints 42) and ends on line 7.
    std::string main =
        "$2A $10 $05 " + printInt +
        "$03 $99 _L0002\n"
        "$2A $04 " + printInt +
        ":L0002\n$09 $40\n"
        "$2A $10 $07 $B5 " + line + "\n"
        "$2A $06 $B5 " + intResult + "\n"
        ":L0003\n$09 $40\n"
        "$2A $2A $B4 " + intResult + " " + printInt +
        "$2A $2A $B4 " + intResult + " $04 $64 $B5 " + intResult + "\n"
        "$2A $B4 " + intResult + " $9A _L0003\n"
        "$2A $2A $B4 " + frame + " $04 $B6 " + runProc + " $57\n"
        ":L0000\n$09 $40\n";
    // Dispatch on the procedure number; each procedure leaves by its exit label.
    std::string procedures =
        "$1C $04 $9F _P0001\n"
        "$03 $AC\n"
        ":P0001\n$09 $42\n"
        "$2A $10 $2A " + printInt +
        "$A7 _XP0001\n"
        ":XP0001\n$09 $42\n";

    PatchResult r = patchGameClassFile(argv[1], argv[2], main, procedures);
    if (!r.ok) {
        std::fprintf(stderr, "patching failed: %s\n", patchMessageText(r.message));
        return 1;
    }
    std::ofstream data(std::string(argv[2]) + "/orb16.dat", std::ios::binary);
    data << "\nw10360w20640w30000w40001w50001w60000w70003w80000w90000wA0001wx0011";
    return data ? 0 : 1;
}
