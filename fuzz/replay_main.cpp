// Feeds every file of the given folders to the fuzz target: replays the seeds in plain
// builds, where libFuzzer is not at hand. A violated rule aborts, failing the test.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    int dateien = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& eintrag : std::filesystem::directory_iterator(argv[i])) {
            if (!eintrag.is_regular_file())
                continue;
            std::ifstream in(eintrag.path(), std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            ++dateien;
        }
    }
    std::printf("%d files replayed\n", dateien);
    return dateien > 0 ? 0 : 1; // an empty or missing corpus is a mistake
}
