#include "build_fixture.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <unistd.h>

namespace fs = std::filesystem;

void HostileBuild::SetUp() {
    dir = fs::temp_directory_path() / ("orb-hostile-" + std::to_string(::getpid()) + "-" +
                                       testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir / "work");
}

void HostileBuild::TearDown() {
    if (mounted) std::system(("umount '" + disk.string() + "'").c_str());
    fs::remove_all(dir);
}

void HostileBuild::write(const std::string& name, const std::string& text) {
    fs::create_directories((dir / name).parent_path());
    std::ofstream(dir / name, std::ios::binary) << text;
}

std::string HostileBuild::read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

CommandRun HostileBuild::run(const std::string& arguments) {
    std::string limit;
    // dash counts the limit in blocks of 512 bytes; an ignored SIGXFSZ makes the write fail instead.
    if (fileSizeLimitKiB > 0) limit = "trap '' XFSZ; ulimit -f " + std::to_string(fileSizeLimitKiB * 2) + "; ";
    std::string work = arguments.starts_with("--work") ? "" : "--work work ";
    return runOrbbasic(dir, ORB_PROGRAM_FOLDER "/orbbasic", work + arguments, limit);
}

void HostileBuild::mountSmallDisk(int kib) {
    disk = dir / "disk";
    fs::create_directories(disk);
    std::string command = "mount -t tmpfs -o size=" + std::to_string(kib) + "k tmpfs '" + disk.string() + "' 2>/dev/null";
    mounted = std::system(command.c_str()) == 0;
    if (mounted) {
        std::cout << "full disk: a tmpfs of " << kib << " KiB\n";
    } else {
        fileSizeLimitKiB = kib;
        std::cout << "full disk: the mount was refused; injected as a file-size limit of " << kib << " KiB\n";
    }
}

void HostileBuild::writeRandomFile(const std::string& name, std::size_t size) {
    std::mt19937 random(12345);
    std::string bytes(size, '\0');
    for (char& b : bytes) b = char(random());
    write(name, bytes);
}

int temporaryFilesIn(const fs::path& folder) {
    int count = 0;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().filename().string().starts_with(".")) ++count;
    return count;
}
