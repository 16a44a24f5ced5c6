#include "work_folder.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

struct WorkFolder {
    std::string path;
    WorkFolder() {
        std::string pattern = "/tmp/orb-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) std::abort();
        path = pattern;
    }
    ~WorkFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

}  // namespace

const std::string& fuzzWorkFolder() {
    static const WorkFolder folder;
    return folder.path;
}
