// Archive built-ins, handed to the archive module.
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

ValueKind archiveBuiltin(Interp& in, Builtin code) {
    Archives& a = in.modules->archives;
    switch (code) {
        case Builtin::OpenArchive: return reportIfFailed(in, openArchive(a, stringArg(in, 0), intArg(in, 1)));
        case Builtin::AddEntry: return reportIfFailed(in, addEntry(a, stringArg(in, 0)));
        case Builtin::GetEntry: {
            std::string text;
            if (ArchiveResult failed = getEntry(a, intArg(in, 0), text)) return reportIfFailed(in, failed);
            return returnString(in, text);
        }
        case Builtin::CloseArchive: return reportIfFailed(in, closeArchive(a));
        case Builtin::DeleteEntry: return reportIfFailed(in, deleteEntry(a, intArg(in, 0)));
        case Builtin::SetEntry: return reportIfFailed(in, setEntry(a, intArg(in, 0), stringArg(in, 1)));
        case Builtin::EntryCount: {
            int32_t count = 0;
            if (ArchiveResult failed = entryCount(a, count)) return reportIfFailed(in, failed);
            return returnInt(in, count);
        }
        case Builtin::DeleteArchive: return reportIfFailed(in, deleteArchive(a, stringArg(in, 0)));
        default: return ValueKind::None;
    }
}
