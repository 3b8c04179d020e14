#pragma once
// Plain state shared by the window form states: which named controls are disabled.
// Control names are the widgets' object names (a control array element is written
// "Frame1_6" for Frame1(6)).
#include <map>
#include <string>
#include <string_view>

namespace kvr27 {

// Value of an option group or list with nothing selected.
inline constexpr int NoSelection = -1;

class EnabledStates {
public:
    // Controls never set are enabled, as they were created.
    bool isEnabled(std::string_view control) const;
    void set(std::string_view control, bool enabled);
    const std::map<std::string, bool, std::less<>>& all() const { return states_; }

    bool operator==(const EnabledStates&) const = default;

private:
    std::map<std::string, bool, std::less<>> states_;
};

} // namespace kvr27
