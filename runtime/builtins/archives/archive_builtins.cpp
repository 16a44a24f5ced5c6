// Archive built-ins (codes 136 to 143), handed to the archive module.
#include "archives.h"
#include "arguments.h"
#include "groups.h"
#include "modules.h"
#include "report.h"

namespace {

ValueKind reportIfFailed(Interp& in, ArchiveResult result) {
    if (result) report(in, *result);
    return ValueKind::None;
}

}  // namespace

ValueKind archiveBuiltin(Interp& in, int32_t code) {
    Archives& a = in.modules->archives;
    switch (code) {
        case 136: return reportIfFailed(in, openArchive(a, stringArg(in, 0), intArg(in, 1)));
        case 137: return reportIfFailed(in, addEntry(a, stringArg(in, 0)));
        case 138: {
            std::string text;
            if (ArchiveResult failed = getEntry(a, intArg(in, 0), text)) return reportIfFailed(in, failed);
            return returnString(in, text);
        }
        case 139: return reportIfFailed(in, closeArchive(a));
        case 140: return reportIfFailed(in, deleteEntry(a, intArg(in, 0)));
        case 141: return reportIfFailed(in, setEntry(a, intArg(in, 0), stringArg(in, 1)));
        case 142: {
            int32_t count = 0;
            if (ArchiveResult failed = entryCount(a, count)) return reportIfFailed(in, failed);
            return returnInt(in, count);
        }
        case 143: return reportIfFailed(in, deleteArchive(a, stringArg(in, 0)));
        default: return ValueKind::None;
    }
}
