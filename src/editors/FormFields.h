#pragma once
// Descriptions of a form state's controls, shared by the editors and their windows:
// the control's object name and the member of the form state that holds its value.
#include "editors/EntryRules.h"
#include "image/Labels.h"

#include <array>
#include <string>
#include <string_view>

namespace kvr27 {

// A text box of kind Kind holding Form::*Field.
// Caption: the caption of the frame around the control; Group: the caption of a frame
// around that frame, if any. Both empty where the window names its frames itself.
template <class Form>
struct TextBoxField {
    std::string_view Name;
    FieldKind Kind;
    std::string Form::*Field;
    std::string_view Caption = {};
    std::string_view Group = {};
};

// A drop-down list whose items are a label table and whose value is the stored code.
template <class Form>
struct ListField {
    std::string_view Name;
    LabelTable Items;
    int Form::*Field;
    std::string_view Caption = {};
    std::string_view Group = {};
};

// An option group; its options are named Name + "_" + index, and Options holds
// their captions by index (empty past the last).
template <class Form>
struct OptionField {
    std::string_view Name;
    int Form::*Field;
    std::string_view Caption = {};
    std::string_view Group = {};
    std::array<std::string_view, 3> Options = {};
};

} // namespace kvr27
