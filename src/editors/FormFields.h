#pragma once
// Descriptions of a form state's controls, shared by the editors and their windows:
// the control's object name and the member of the form state that holds its value.
#include "editors/EntryRules.h"
#include "image/Labels.h"

#include <string>
#include <string_view>

namespace kvr27 {

// A text box of kind Kind holding Form::*Field.
template <class Form>
struct TextBoxField {
    std::string_view Name;
    FieldKind Kind;
    std::string Form::*Field;
};

// A drop-down list whose items are a label table and whose value is the stored code.
template <class Form>
struct ListField {
    std::string_view Name;
    LabelTable Items;
    int Form::*Field;
};

// An option group; its options are named Name + "_" + index.
template <class Form>
struct OptionField {
    std::string_view Name;
    int Form::*Field;
};

} // namespace kvr27
