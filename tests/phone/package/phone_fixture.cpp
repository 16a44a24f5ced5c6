// Packages one of the hand-made programs below as OUTPUT_FOLDER/fixture.jar
// (with its JAD), through class patching and the package output, so the
// phone tests can verify and run it. The listings name their pool entries
// through the generated table.
//
//   phone_fixture PROGRAM_FOLDER OUTPUT_FOLDER PROGRAM
#include "class_patch.h"
#include "package_output.h"
#include "template_pool.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

constexpr std::string_view game = "program/TheGameCanvas";

// "$hi $lo" of a pool index; a missing entry stops the fixture.
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

std::string call(std::string_view name, std::string_view descriptor) {
    return "$B6 " + ref(PoolKind::Method, name, descriptor) + "\n";
}

std::string step(int line) { return "$2A $10 $0" + std::to_string(line) + " " + call("step", "(I)V"); }

struct Program {
    std::string main, procedures, data;
};

// Prints 5, skips a 1 on a forward branch, counts 3 2 1 down on a backward
// one, calls procedure 1 (prints 42) and ends on line 7.
Program controlFlow() {
    const std::string printInt = call("printInt", "(I)V");
    const std::string intResult = ref(PoolKind::Field, "intResult", "I");
    const std::string frame = ref(PoolKind::Field, "frame", "Lprogram/locals;");
    Program p;
    p.main = "$2A $10 $05 " + printInt +
             "$03 $99 _L0002\n"
             "$2A $04 " + printInt +
             ":L0002\n$09 $40\n" + step(7) +
             "$2A $06 $B5 " + intResult + "\n"
             ":L0003\n$09 $40\n"
             "$2A $2A $B4 " + intResult + " " + printInt +
             "$2A $2A $B4 " + intResult + " $04 $64 $B5 " + intResult + "\n"
             "$2A $B4 " + intResult + " $9A _L0003\n"
             "$2A $2A $B4 " + frame + " $04 " + call("runProc", "(Lprogram/locals;I)I") + "$57\n"
             ":L0000\n$09 $40\n";
    // Dispatch on the procedure number; each procedure leaves by its exit label.
    p.procedures = "$1C $04 $9F _P0001\n"
                   "$03 $AC\n"
                   ":P0001\n$09 $42\n"
                   "$2A $10 $2A " + printInt +
                   "$A7 _XP0001\n"
                   ":XP0001\n$09 $42\n";
    p.data = "\n";
    return p;
}

// Reads 7, the float 2.5 as an integer, the integer 9 as a float and a
// string; restores to the label before the 9, reads 9 and the string again,
// and runs out of data on line 5.
Program data() {
    const std::string readInt = "$2A $2A " + call("bReadDataInt", "()I") + call("printInt", "(I)V");
    const std::string readFloat = "$2A $2A " + call("bReadDataFloat", "()F") + call("printFloat", "(F)V");
    const std::string readString = "$2A $2A " + call("bReadDataString", "()Ljava/lang/String;") +
                                   call("print", "(Ljava/lang/String;)V");
    Program p;
    p.main = step(3) + readInt + readInt + readFloat + readString +
             "$2A $04 " + call("restoreTo", "(I)V") + readInt + readString + step(5) + readInt +
             ":L0000\n$09 $40\n";
    p.data = "h17\nh22.5\n_0001:\nh19\nh3hi\"\n\n";
    return p;
}

// Loops forever on line 4 until the user chooses Exit.
Program endless() {
    Program p;
    p.main = ":L0001\n$09 $40\n" + step(4) + "$A7 _L0001\n:L0000\n$09 $40\n";
    p.data = "\n";
    return p;
}

// Procedure 1 calls itself without end: the phone's stack runs out, which
// ends the program with "Out of memory" on the calling line 6.
Program recursion() {
    const std::string runProc = call("runProc", "(Lprogram/locals;I)I");
    Program p;
    p.main = step(6) + "$2A $2A $B4 " + ref(PoolKind::Field, "frame", "Lprogram/locals;") + " $04 " + runProc +
             "$57\n:L0000\n$09 $40\n";
    p.procedures = "$1C $04 $9F _P0001\n"
                   "$03 $AC\n"
                   ":P0001\n$09 $42\n"
                   "$2A $2B $04 " + runProc + "$57\n"
                   ":XP0001\n$09 $42\n";
    p.data = "\n";
    return p;
}

// The same prints as text.image: "Hello", 42, 2.5, an empty string (next
// line) and a line that wraps, then Update; texts come from the package data's pool.
Program text() {
    auto printString = [&](int n) {
        const std::string iconst = "$0" + std::to_string(3 + n);   // iconst_0 to iconst_5
        return "$2A $2A " + iconst + " " + call("stringConstant", "(I)Ljava/lang/String;") +
               call("print", "(Ljava/lang/String;)V");
    };
    Program p;
    p.main = step(1) + printString(0) + step(2) + "$2A $10 $2A " + call("printInt", "(I)V") + step(3) +
             "$2A $08 $86 $0D $6E " + call("printFloat", "(F)V") + step(4) + printString(1) + step(5) +
             printString(2) + step(6) + "$2A " + call("bUpdate", "()V") + ":L0000\n$09 $40\n";
    p.data = "\n@s=3:\nsHello\ns\nsNext line, long enough to wrap at the right edge of the screen!\n";
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    std::string name = argv[3];
    Program p;
    if (name == "control_flow") p = controlFlow();
    else if (name == "data") p = data();
    else if (name == "endless") p = endless();
    else if (name == "recursion") p = recursion();
    else if (name == "text") p = text();
    else return 2;
    PatchResult r = patchGameClassFile(argv[1], argv[2], p.main, p.procedures);
    if (!r.ok) {
        std::fprintf(stderr, "patching failed: %s\n", patchMessageText(r.message));
        return 1;
    }
    {
        std::ofstream out(std::string(argv[2]) + "/orb16.dat", std::ios::binary);
        out << p.data << "w10360w20640w30000w40001w50001w60000w70003w80000w90000wA0001wx0011";
        if (!out) return 1;
    }
    PackageOutcome o = writePackage(std::string(argv[2]) + "/fixture.jar", PackageSettings{}, argv[1], argv[2]);
    if (!o.complete) {
        std::fprintf(stderr, "packaging failed: %s\n", packageMessageText(o.message));
        return 1;
    }
    return 0;
}
