// The files of a user whose folder has a non-ASCII name, on this system as it is:
// built here as a CTest test and cross-built for Windows, where it runs under Wine
// (scripts/windows-check.sh). Save and load, replacing a file, a read-only file, a
// file another program holds open (Windows), a folder in a file's place, setup.ini
// and the dated backups, all in "José".
// Prints one line per check and "kvr27-file-check: N passed, N failed".
#include "commands/FileMenuCommands.h"
#include "core/DatedFiles.h"
#include "core/PathText.h"
#include "core/SetupIni.h"
#include "support/RecordingMessageSink.h"

#include <algorithm>
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif
#include <cstdio>
#include <chrono>
#include <ctime>

using namespace kvr27;
namespace fs = std::filesystem;
using Names = std::vector<std::string>;

namespace {

int passed = 0, failed = 0;

void Check(bool holds, const char* what)
{
    ++(holds ? passed : failed);
    std::printf("%s %s\n", holds ? "ok  " : "FAIL", what);
}

std::string Read(const fs::path& file)
{
    std::string text;
    return ReadWholeFile(file, text).ok() ? text : "(unreadable)";
}

Names Listed(const fs::path& folder)
{
    Names names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(Utf8FromPath(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

int main()
{
    const fs::path root = fs::temp_directory_path() / ("kvr27-file-check-" + std::to_string(std::time(nullptr)));
    const fs::path user = root / PathFromUtf8("Jos\xC3\xA9");
    fs::create_directories(user);
    Check(Listed(root) == Names{"Jos\xC3\xA9"}, "the folder's name on disk is \"José\"");

    AppState state, loaded;
    StartWithModel(state, 0);
    StartWithModel(loaded, 0);
    loaded.Image.Channels.at(0).Enabled = !state.Image.Channels.at(0).Enabled;
    test::RecordingMessageSink messages;
    const fs::path clone = user / PathFromUtf8("radio-Jos\xC3\xA9.r27");
    const CommandReport saved = SaveCloneFile(state, clone, messages);
    Check(saved.ok() && saved.Files.Output.ends_with("Jos\xC3\xA9" + std::string(1, fs::path::preferred_separator) +
                                                     "radio-Jos\xC3\xA9.r27"),
          "save names the file in UTF-8");
    Check(LoadCloneFile(loaded, clone, messages).ok() && loaded.Image.Channels == state.Image.Channels,
          "load reads the saved channels back");
    Check(!LoadCloneFile(loaded, user / "missing.r27", messages).ok() &&
              messages.shown.back().detail.starts_with(Utf8FromPath(user / "missing.r27") + ": "),
          "a missing file's message names it in UTF-8");

    Check(ReplaceFileAtomically(user / "old.txt", "old").ok() && ReplaceFileAtomically(user / "old.txt", "new").ok() &&
              Read(user / "old.txt") == "new" && Listed(user) == Names{"old.txt", "radio-Jos\xC3\xA9.r27"},
          "an existing file is replaced, no temporary file is left");

    fs::permissions(user / "old.txt", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const FileResult refused = ReplaceFileAtomically(user / "old.txt", "lost");
    Check(refused.Reason == "The file is read-only" && Read(user / "old.txt") == "new",
          "a read-only file is refused and kept");
    fs::permissions(user / "old.txt", fs::perms::owner_write, fs::perm_options::add);

#ifdef _WIN32
    {
        // As a spreadsheet holds a CSV file it has open: shared with no one.
        const HANDLE held = CreateFileW((user / "old.txt").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        std::string ignored;
        Check(held != INVALID_HANDLE_VALUE && ReplaceFileAtomically(user / "old.txt", "lost").Reason == FileInUseReason &&
                  ReadWholeFile(user / "old.txt", ignored).Reason == FileInUseReason,
              "a file another program holds open is said to be in use");
        CloseHandle(held);
    }
#endif

    std::string content;
    Check(ReadWholeFile(user, content).Failed == FileResult::Step::Open &&
              ReplaceFileAtomically(user, "x").Failed == FileResult::Step::Open && fs::is_directory(user),
          "a folder is neither read nor replaced");

    const fs::path ini = user / "config" / SetupIniName;
    fs::create_directories(ini.parent_path());
    Check(WriteSetupIni(ini, 2).ok() && Read(ini) == "3\r\n" && ReadSetupIni(ini) == 2, "setup.ini in \"José\"");

    const auto when = std::chrono::sys_days{std::chrono::December / 7 / 2026};
    for (const char* text : {"1", "2", "3"})
        static_cast<void>(SaveDatedFile(user / "backups", "KV-R27PA", when, ".r27", text, 2));
    const Names backups = Listed(user / "backups");
    Check(backups.size() == 2 && backups[1].ends_with("-3.r27") && Read(user / "backups" / backups[1]) == "3" &&
              Read(user / "backups" / backups[0]) == "2",
          "dated backups: -2, -3 within a second, the newest two kept");

    std::error_code ignored;
    fs::remove_all(root, ignored);
    std::printf("kvr27-file-check: %d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
