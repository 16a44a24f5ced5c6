#include "package_output.h"

#include "jar_entries.h"
#include "replace_file.h"
#include "zip_writer.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {

// The JAR and the JAD under temporary names until both are complete; whatever
// fails, the previous pair stays as it was and no temporary is left.
struct PendingPair {
    fs::path jar, jad, jarTemporary, jadTemporary;

    ~PendingPair() {
        discardTemporary(jarTemporary);
        discardTemporary(jadTemporary);
    }
    PackageOutcome fail(PackageMessage m, const fs::path& file, const std::string& reason) const {
        return {false, m, file.string() + ": " + reason};
    }
};

}  // namespace

PackageOutcome writePackage(const std::string& jarPath, const PackageSettings& settings,
                            const fs::path& programFolder, const fs::path& workFolder) {
    PendingPair pair;
    pair.jar = jarPath;
    pair.jad = jadPath(jarPath);
    std::string reason;
    pair.jarTemporary = createTemporaryBeside(pair.jar, reason);
    if (pair.jarTemporary.empty()) return pair.fail(PackageMessage::CannotCreateJar, pair.jar, reason);
    ZipWriter zip;
    if (zipCreate(zip, pair.jarTemporary.string()) != ZipResult::Ok)
        return pair.fail(PackageMessage::CannotCreateJar, pair.jar, "cannot be created");
    // Phones download and store the JAR, and many refuse large ones: every byte counts.
    zip.packLevel = strongPackLevel;
    const std::string name = midletName(jarPath);
    bool written = true;
    for (std::string_view folder : jarFolderEntries) written = written && zipAddFolder(zip, folder) == ZipResult::Ok;
    if (!replaceFile(workFolder / manifestFileName, manifestText(settings, name), reason))
        return {false, PackageMessage::JarFileError, reason};
    for (const JarFileEntry& e : jarFileEntries(settings, programFolder, workFolder)) {
        // A source that cannot be opened is left out without a word; a failed
        // write, though, would leave a broken JAR, which must not pass as done.
        ZipResult r = zipAddFile(zip, e.name, e.source.string());
        written = written && (r == ZipResult::Ok || r == ZipResult::CannotOpen);
    }
    written = zipClose(zip) == ZipResult::Ok && written;
    if (!written) return pair.fail(PackageMessage::JarFileError, pair.jar, "cannot be written completely (disk full?)");
    if (!syncFile(pair.jarTemporary, reason)) return pair.fail(PackageMessage::JarFileError, pair.jar, reason);
    std::error_code error;
    auto jarSize = fs::file_size(pair.jarTemporary, error);
    if (error) return pair.fail(PackageMessage::JarFileError, pair.jar, error.message());

    pair.jadTemporary = createTemporaryBeside(pair.jad, reason);
    if (pair.jadTemporary.empty() ||
        !writeWholeFile(pair.jadTemporary, jadText(settings, name, static_cast<long long>(jarSize)), reason))
        return pair.fail(PackageMessage::CannotCreateJad, pair.jad, reason);
    if (!renameOver(pair.jarTemporary, pair.jar, reason)) return pair.fail(PackageMessage::JarFileError, pair.jar, reason);
    pair.jarTemporary.clear();
    if (!renameOver(pair.jadTemporary, pair.jad, reason))
        return pair.fail(PackageMessage::CannotCreateJad, pair.jad, reason);
    pair.jadTemporary.clear();
    return {true, PackageMessage::None, {}};
}

const char* packageMessageText(PackageMessage m) {
    switch (m) {
        case PackageMessage::CannotCreateJar: return "Cannot create JAR file";
        case PackageMessage::JarFileError: return "JAR file error";
        case PackageMessage::CannotCreateJad: return "Cannot create JAD file";
        case PackageMessage::None: break;
    }
    return "";
}
