// Feeds every file of the given folders to the fuzz target, in name order: the seed corpus and the
// inputs that once broke it. Built with the ordinary compiler and sanitizers, run as a regular test.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char **argv) {
    namespace fs = std::filesystem;
    int fed = 0;
    for (int a = 1; a < argc; ++a) {
        const std::string arg = argv[a];
        const bool optional = arg.size() > 1 && arg[0] == '?';  // a folder that may be missing or empty
        const fs::path folder = optional ? arg.substr(1) : arg;
        std::vector<fs::path> files;
        if (fs::is_directory(folder))
            for (const auto &entry : fs::directory_iterator(folder))
                if (entry.is_regular_file() && entry.path().filename().string()[0] != '.') files.push_back(entry.path());
        if (files.empty() && !optional) {
            std::fprintf(stderr, "no inputs in %s\n", folder.c_str());
            return 1;
        }
        std::sort(files.begin(), files.end());
        for (const auto &file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            std::printf("%s\n", file.c_str());
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
            ++fed;
        }
    }
    std::printf("%d inputs replayed\n", fed);
    return 0;
}
