#include "core/Dialogs.h"

#include "core/UserText.h"

#include "core/PathText.h"

#include <filesystem>
#include <system_error>

namespace kvr27 {

namespace {

// The question before a name the dialog did not see replaces a file.
std::string ReplaceQuestion(const std::filesystem::path& name)
{
    return TranslatedFormat("Messages", KVR27_TEXT("Messages", "The file \"%1\" already exists.\rDo you want to replace it?"), {Utf8FromPath(name)});
}

bool Exists(const std::filesystem::path& name)
{
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(name, error));
}

} // namespace

std::string FilterExtension(std::string_view filter)
{
    const std::size_t bar = filter.find('|');
    if (bar == std::string_view::npos)
        return {};
    std::string_view pattern = filter.substr(bar + 1);
    pattern = pattern.substr(0, pattern.find_first_of("|;"));
    while (!pattern.empty() && pattern.front() == ' ')
        pattern.remove_prefix(1);
    while (!pattern.empty() && pattern.back() == ' ')
        pattern.remove_suffix(1);
    if (!pattern.starts_with("*.") || pattern.find_first_of("*?", 2) != std::string_view::npos)
        return {};
    return std::string(pattern.substr(2));
}

std::string NameWithExtension(const std::string& name, std::string_view extension, bool replace)
{
    if (name.empty() || extension.empty())
        return name;
    const std::size_t folderEnd = name.find_last_of("/\\");
    const std::size_t dot = name.rfind('.');
    const bool hasExtension = dot != std::string::npos && (folderEnd == std::string::npos || dot > folderEnd + 1);
    if (hasExtension && !replace)
        return name;
    return (hasExtension ? name.substr(0, dot) : name) + "." + std::string(extension);
}

// The path with the extension, as NameWithExtension gives it for the name's text.
std::filesystem::path PathWithExtension(const std::filesystem::path& name, std::string_view extension, bool replace)
{
    return PathFromUtf8(NameWithExtension(Utf8FromPath(name), extension, replace));
}

std::optional<std::filesystem::path> Dialogs::openFile(const std::string& filter)
{
    auto chosen = chooseFileToOpen(filter, PathWithExtension(lastFileName_, FilterExtension(filter), true));
    if (chosen)
        lastFileName_ = lastByExtension_[FilterExtension(filter)] = *chosen;
    return chosen;
}

std::optional<std::filesystem::path> Dialogs::saveFile(const std::string& filter, MessageSink& messages)
{
    const std::string extension = FilterExtension(filter);
    const auto chosen = chooseFileToSave(filter, PathWithExtension(lastFileName_, extension, true));
    if (!chosen)
        return std::nullopt;
    // The dialog asked about the name as chosen; a name given the extension here is
    // another file, which it did not ask about.
    std::filesystem::path name = PathWithExtension(*chosen, extension, false);
    if (name != *chosen && Exists(name) && !messages.ask(ReplaceQuestion(name)))
        return std::nullopt;
    lastFileName_ = lastByExtension_[extension] = name;
    return name;
}

std::filesystem::path Dialogs::pdfFileName(const std::string& filter) const
{
    const auto last = lastByExtension_.find(FilterExtension(filter));
    return last == lastByExtension_.end() ? std::filesystem::path() : PathWithExtension(last->second, "pdf", true);
}

} // namespace kvr27
