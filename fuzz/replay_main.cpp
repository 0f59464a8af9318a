// yomogi_fuzz_replay TARGET PATH...: runs the fuzz target over every file named, or every file of
// each directory named (its seed corpus, or a fuzzer's findings), once each. A crash or a broken
// rule ends it as it would end the fuzzer; an empty corpus is a failure, so that every target
// keeps seeds.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_target.h"

namespace fs = std::filesystem;

namespace {

std::map<std::string, FuzzEntry>& targets() {
    static std::map<std::string, FuzzEntry> table;
    return table;
}

}  // namespace

FuzzRegistration::FuzzRegistration(const char* name, FuzzEntry entry) { targets()[name] = entry; }

int main(int argc, char** argv) {
    if (argc < 3 || !targets().count(argv[1])) {
        std::fprintf(stderr, "usage: %s TARGET FILE-OR-DIRECTORY...\ntargets:", argv[0]);
        for (const auto& [name, entry] : targets()) std::fprintf(stderr, " %s", name.c_str());
        std::fprintf(stderr, "\n");
        return 2;
    }
    const FuzzEntry entry = targets()[argv[1]];
    std::vector<fs::path> inputs;
    for (int i = 2; i < argc; ++i) {
        // The targets work in a scratch directory of their own: names are taken from here first.
        const fs::path named = fs::absolute(argv[i]);
        if (fs::is_directory(named)) {
            for (const auto& file : fs::directory_iterator(named))
                if (file.is_regular_file()) inputs.push_back(file.path());
        } else {
            inputs.push_back(named);
        }
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "%s: no inputs for %s\n", argv[0], argv[1]);
        return 1;
    }
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "%s: cannot read %s\n", argv[0], input.c_str());
            return 1;
        }
        std::stringstream bytes;
        bytes << file.rdbuf();
        const std::string data = bytes.str();
        entry(reinterpret_cast<const uint8_t*>(data.data()), data.size());
    }
    std::printf("%s: %zu inputs replayed\n", argv[1], inputs.size());
    return 0;
}
