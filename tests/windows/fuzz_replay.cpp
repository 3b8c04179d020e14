// Runs every fuzz target's property checks over its seed corpus, without libFuzzer:
//   kvr27-fuzz-replay CORPUS
// feeds each file of CORPUS/<target>/ to that target. Built here as a CTest test and
// cross-built for Windows, where it runs under Wine (scripts/windows-check.sh). A
// broken property stops the program with a trap, naming it. Prints a line per target.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// The targets' entry points, renamed by the build (they all have libFuzzer's name).
extern "C" int Replay_fuzz_block_exchange(const std::uint8_t* data, std::size_t size);
extern "C" int Replay_fuzz_channel_csv(const std::uint8_t* data, std::size_t size);
extern "C" int Replay_fuzz_clone_file(const std::uint8_t* data, std::size_t size);
extern "C" int Replay_fuzz_entry_text(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kvr27-fuzz-replay CORPUS\n");
        return 2;
    }
    const struct {
        const char* name;
        int (*run)(const std::uint8_t*, std::size_t);
    } targets[] = {{"fuzz_block_exchange", Replay_fuzz_block_exchange},
                   {"fuzz_channel_csv", Replay_fuzz_channel_csv},
                   {"fuzz_clone_file", Replay_fuzz_clone_file},
                   {"fuzz_entry_text", Replay_fuzz_entry_text}};
    int inputs = 0;
    for (const auto& target : targets) {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(argv[1]) / target.name))
            files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::string input{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            target.run(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
        }
        std::printf("%s: %zu inputs, every property held\n", target.name, files.size());
        inputs += static_cast<int>(files.size());
    }
    // A corpus that went missing must not pass as checked.
    std::printf("kvr27-fuzz-replay: %d inputs\n", inputs);
    return inputs > 0 ? 0 : 1;
}
