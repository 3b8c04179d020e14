// Runs every fuzz target's property checks over its seed corpus, without libFuzzer:
//   kvr27-fuzz-replay CORPUS
// feeds each file of CORPUS/<target>/ to that target. Built here as a CTest test and
// cross-built for Windows, where it runs under Wine (scripts/windows-check.sh). A
// broken property stops the program with a trap, naming it.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// The targets' entry points, renamed by the build (they all have libFuzzer's name).
#define KVR27_REPLAYED(target) extern "C" int Replay_##target(const std::uint8_t* data, std::size_t size);
KVR27_REPLAYED(fuzz_block_exchange)
KVR27_REPLAYED(fuzz_channel_csv)
KVR27_REPLAYED(fuzz_clone_file)
KVR27_REPLAYED(fuzz_entry_text)

int main(int argc, char** argv)
{
    const std::pair<const char*, int (*)(const std::uint8_t*, std::size_t)> targets[] = {
        {"fuzz_block_exchange", Replay_fuzz_block_exchange}, {"fuzz_channel_csv", Replay_fuzz_channel_csv},
        {"fuzz_clone_file", Replay_fuzz_clone_file}, {"fuzz_entry_text", Replay_fuzz_entry_text}};
    int inputs = 0;
    for (const auto& [name, run] : targets) {
        int count = 0;
        const std::filesystem::path folder = std::filesystem::path(argc > 1 ? argv[1] : ".") / name;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string input{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            run(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
            ++count;
        }
        std::printf("%s: %d inputs, every property held\n", name, count);
        inputs += count;
    }
    // A corpus that went missing must not pass as checked.
    std::printf("kvr27-fuzz-replay: %d inputs\n", inputs);
    return inputs > 0 ? 0 : 1;
}
