// Writes a tree of small files for timing scans: folders of a fixed number of
// files, sizes spread over a few kilobytes, a share of exact copies and a
// share of files that match another's size and head but differ in one byte.
//
// usage: make_tree FOLDER FILES [COPY_PERCENT [SEED]]
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr int filesPerFolder = 1000;

std::string Content(std::mt19937_64& random, std::size_t size)
{
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_tree FOLDER FILES [COPY_PERCENT [SEED]]\n");
        return 2;
    }
    const std::string root = argv[1];
    const long files = std::atol(argv[2]);
    const int copyPercent = argc > 3 ? std::atoi(argv[3]) : 10;
    std::mt19937_64 random(argc > 4 ? std::strtoull(argv[4], nullptr, 10) : 1);
    ::mkdir(root.c_str(), 0755);

    std::vector<std::string> recent;  // contents that copies and near-copies are made from
    for (long i = 0; i < files; ++i) {
        const std::string folder = root + "/d" + std::to_string(i / filesPerFolder);
        if (i % filesPerFolder == 0)
            ::mkdir(folder.c_str(), 0755);
        std::string bytes;
        const int kind = static_cast<int>(random() % 100);
        if (!recent.empty() && kind < copyPercent) {
            bytes = recent[random() % recent.size()];
        } else if (!recent.empty() && kind < 2 * copyPercent) {
            bytes = recent[random() % recent.size()];
            if (!bytes.empty())
                bytes[random() % bytes.size()] ^= 1;
        } else {
            bytes = Content(random, random() % 8192);
            if (recent.size() < 1000)
                recent.push_back(bytes);
            else
                recent[random() % recent.size()] = bytes;
        }
        if (!WriteFile(folder + "/f" + std::to_string(i), bytes)) {
            std::perror(folder.c_str());
            return 1;
        }
    }
    return 0;
}
