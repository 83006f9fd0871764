// Replays every kept input of tests/fuzz/<reader>/ through its reader: the
// seeds (valid files our own writers made, named "valid-*") must be taken,
// and the inputs that once found a fault must read without one now.
#include <dirent.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_readers.h"

static std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return names;
    while (dirent* entry = readdir(dir))
        if (entry->d_name[0] != '.') names.push_back(entry->d_name);
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

int main(int argc, char** argv) {
    std::string root = argc > 1 ? argv[1] : "tests/fuzz";
    int failures = 0, replayed = 0;
    for (int r = 0; FuzzReaderName(r); r++) {
        const char* reader = FuzzReaderName(r);
        std::vector<std::string> names = FilesIn(root + "/" + reader);
        int seeds = 0;
        for (const std::string& name : names) {
            std::ifstream in(root + "/" + reader + "/" + name, std::ios::binary);
            std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            int took = FeedReader(reader, bytes.data(), bytes.size());
            replayed++;
            if (name.rfind("valid-", 0) == 0) {
                seeds++;
                if (took != 1) {
                    std::fprintf(stderr, "%s: the seed %s was refused\n", reader, name.c_str());
                    failures++;
                }
            }
        }
        if (seeds == 0) {
            std::fprintf(stderr, "%s: no valid seed in %s/%s\n", reader, root.c_str(), reader);
            failures++;
        }
    }
    std::printf("%d inputs replayed, %d failures\n", replayed, failures);
    return failures == 0 ? 0 : 1;
}
