#include "package_output.h"

#include "jar_entries.h"
#include "zip_writer.h"

#include <fstream>
#include <system_error>

namespace {

bool writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return !out.fail();
}

}  // namespace

PackageOutcome writePackage(const std::string& jarPath, const PackageSettings& settings,
                            const std::filesystem::path& programFolder, const std::filesystem::path& workFolder) {
    ZipWriter zip;
    if (zipCreate(zip, jarPath) != ZipResult::Ok) return {false, PackageMessage::CannotCreateJar};
    const std::string name = midletName(jarPath);
    bool written = true;
    for (std::string_view folder : jarFolderEntries) written = written && zipAddFolder(zip, folder) == ZipResult::Ok;
    // After a failure no half-made JAR is left behind.
    auto jarFileError = [&]() -> PackageOutcome {
        std::error_code ignored;
        std::filesystem::remove(jarPath, ignored);
        return {false, PackageMessage::JarFileError};
    };
    if (!writeText(workFolder / "man.dat", manifestText(settings, name))) {
        zipClose(zip);
        return jarFileError();
    }
    for (const JarFileEntry& e : jarFileEntries(settings, programFolder, workFolder)) {
        // A source that cannot be opened is left out without a word; a failed
        // write, though, would leave a broken JAR, which must not pass as done.
        ZipResult r = zipAddFile(zip, e.name, e.source.string());
        written = written && (r == ZipResult::Ok || r == ZipResult::CannotOpen);
    }
    written = zipClose(zip) == ZipResult::Ok && written;
    std::error_code error;
    auto jarSize = std::filesystem::file_size(jarPath, error);
    if (!written || error) return jarFileError();
    if (!writeText(jadPath(jarPath), jadText(settings, name, static_cast<long long>(jarSize))))
        return {false, PackageMessage::CannotCreateJad};
    return {true, PackageMessage::None};
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
