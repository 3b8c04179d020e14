#include "files/SettingsDifferences.h"

#include "core/UserText.h"
#include "editors/VfoFields.h"
#include "files/CloneFile.h"
#include "image/ChannelGrid.h"

#include <algorithm>

namespace kvr27 {

namespace {

// A blank box reads as such, not as nothing.
std::string BoxText(const std::string& text) { return text.empty() ? KVR27_TEXT("Values", "(blank)") : text; }

template <class Field>
std::string ControlName(const Field& field)
{
    return field.Group.empty() ? std::string(field.Caption) : std::string(field.Group) + " / " + std::string(field.Caption);
}

std::string ListText(const ListField<VfoForm>& list, int code)
{
    return std::string(code < 0 ? UnknownLabel : LabelAt(list.Items, static_cast<unsigned>(code)));
}

std::string OptionText(const OptionField<VfoForm>& group, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= group.Options.size() ||
        group.Options[static_cast<std::size_t>(index)].empty())
        return KVR27_TEXT("Values", "(none)");
    return std::string(group.Options[static_cast<std::size_t>(index)]);
}

std::string InUse(bool enabled) { return enabled ? KVR27_TEXT("Values", "in use") : KVR27_TEXT("Values", "not in use"); }

// VFO values that no control shows.
bool ShownByNoWindow(const CloneFileField& field)
{
    return field.Channel < 0 && (field.Name == "VfoReserved1" || field.Name == "VfoReserved2" ||
                                 field.Name == "CurrentChannel" || field.Name.starts_with("ExtraBytes"));
}

std::string FileName(const CloneFileField& field)
{
    return field.Channel < 0 ? field.Name : "channel " + std::to_string(field.Channel) + " " + field.Name;
}

} // namespace

std::vector<SettingsDifference> SettingsDifferences(const RadioImage& left, const VfoForm& leftForm,
                                                    const RadioImage& right, const VfoForm& rightForm)
{
    std::vector<SettingsDifference> found;
    const auto add = [&found](std::string name, std::string a, std::string b, int channel = -1,
                              std::string setting = {}) {
        if (a != b)
            found.push_back({std::move(name), std::move(a), std::move(b), channel, std::move(setting)});
    };
    for (const auto& box : VfoTextBoxes)
        add(ControlName(box), BoxText(leftForm.*box.Field), BoxText(rightForm.*box.Field));
    for (const auto& list : VfoListBoxes)
        add(ControlName(list), ListText(list, leftForm.*list.Field), ListText(list, rightForm.*list.Field));
    for (const auto& group : VfoOptionGroups)
        add(ControlName(group), OptionText(group, leftForm.*group.Field), OptionText(group, rightForm.*group.Field));

    for (int n = 0; n < ChannelTable::Count; ++n) {
        const ChannelRecord& a = left.Channels.at(n);
        const ChannelRecord& b = right.Channels.at(n);
        const std::string channel = "channel " + std::to_string(n);
        add(channel, InUse(a.Enabled), InUse(b.Enabled), n);
        const auto textsA = ChannelRowTexts(a, left.ModelName);
        const auto textsB = ChannelRowTexts(b, right.ModelName);
        // A channel in use in neither file still keeps its values.
        const std::string prefix = channel + (a.Enabled || b.Enabled ? " " : " (not in use) ");
        for (std::size_t col = 0; col < textsA.size(); ++col) {
            const std::string header(ChannelGridHeader(static_cast<int>(col) + 1, left.ModelName));
            add(prefix + header, textsA[col], textsB[col], n, header);
        }
    }

    const std::vector<CloneFileEntry> linesA = CloneFileEntries(left);
    const std::vector<CloneFileEntry> linesB = CloneFileEntries(right);
    const bool inWords = !found.empty();
    for (std::size_t i = 0; i < linesA.size(); ++i) {
        if (!inWords || ShownByNoWindow(linesA[i].Field))
            add(FileName(linesA[i].Field), linesA[i].Text, linesB[i].Text, linesA[i].Field.Channel,
                linesA[i].Field.Channel < 0 ? std::string() : linesA[i].Field.Name);
    }
    return found;
}

} // namespace kvr27
