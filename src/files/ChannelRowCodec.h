#pragma once
// One channel as a row of the grid's 12 texts, the form the channel CSV and the
// clipboard share: a line split into its fields at a separator (a field in double
// quotes read as a spreadsheet writes it), fields joined again, and the 12 texts read
// into a channel record by the import's rules.
#include "image/RadioImage.h"

#include <string>
#include <string_view>
#include <vector>

namespace kvr27 {

// The fields of one line, or why the line cannot be split.
struct RowFields {
    std::vector<std::string> Fields;
    std::string Fault; // empty when the line was split

    bool ok() const { return Fault.empty(); }
};

// Splits a line at every `separator`. A field that starts with a double quote is
// read up to its closing quote, separators included, with a doubled quote inside
// standing for one quote; a quote anywhere else is an ordinary character. A quoted
// field that is not closed, or has text after its closing quote, is a fault.
RowFields SplitRowFields(std::string_view line, char separator);

// The fields joined by `separator`, each as it is (the grid's texts need no quotes).
std::string JoinRowFields(const std::vector<std::string>& fields, char separator);

// A field of a row that the import refuses: its grid column (1..11) and why.
struct ChannelRowFault {
    int Column = 0;
    std::string Why; // empty when the row was taken in

    bool ok() const { return Why.empty(); }
};

// Reads a row of the grid's 12 texts (the "No" text is not read) into `record` as
// the channel import does: an empty "Frequency(ch)" only disables the channel;
// otherwise every field is read, labels by exact text with the image's VfoDefaults
// for one that is no label, "Frequency(ch)" and "mode" by the model, and the record
// is enabled. In "Frequency(ch)" and "Shift Freq" a decimal comma is read as a point.
// Refuses a "mode" that names no channel of the model ("--" for any, "LPD" for all
// but the PMR-only variant, "PMR" for the models with PMR channels) and a number
// field that is no number or does not fit; `record` may then be partly written.
ChannelRowFault ReadChannelRow(const std::vector<std::string>& fields, const RadioImage& image,
                               ChannelRecord& record);

} // namespace kvr27
