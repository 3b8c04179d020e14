#pragma once
// The history of the document: every change the user makes to the radio image is one
// named step that holds the whole image before and after it (about 5 KB each) and the
// channel grid's selection around it, so undo and redo restore both exactly. Plain
// data without windows, so the tool and the tests use it as the windows do.
#include "image/RadioImage.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace kvr27 {

// The channel grid's current cell, selected columns and selected rows.
struct GridSelection {
    int Row = 1;
    int Col = 11;
    int ColSel = 1;
    std::vector<int> Channels; // as ChannelGrid::Selected
    bool operator==(const GridSelection&) const = default;
};

// One change of the image: its name for the Edit menu ("Enable All"), the image
// before and after, and the grid's selection before and after.
struct DocumentStep {
    std::string Name;
    RadioImage Before;
    RadioImage After;
    GridSelection SelectionBefore;
    GridSelection SelectionAfter;
};

// The steps done and undone since the history began, and the clean point: the
// revision (number of steps done) at the last load, read or save.
class DocumentHistory {
public:
    // The oldest steps beyond this many are forgotten.
    static constexpr std::size_t KeptSteps = 100;

    // A new history (a load, a read, the model's start-up values): no steps, clean.
    void begin();
    // Records a step just done; the steps undone before it are dropped.
    void push(DocumentStep step);
    // The step an undo or a redo would restore, or nullptr when there is none.
    const DocumentStep* undoable() const;
    const DocumentStep* redoable() const;
    // Moves back or forward one step and returns it; only when undoable()/redoable().
    const DocumentStep& undo();
    const DocumentStep& redo();
    // The image was saved: this revision is the clean point.
    void markClean();
    // Whether the image differs from its clean point, so that the question before a
    // command that replaces the image is asked.
    bool unsaved() const { return clean_ != done_; }
    // The last step done takes a change the program derived from it afterwards (the
    // current channel recomputed on leaving the grid) into its After image.
    void amendLast(const RadioImage& image);

private:
    std::deque<DocumentStep> steps_;
    std::size_t done_ = 0;                 // steps_[0, done_) are done
    std::optional<std::size_t> clean_ = 0; // none once the clean point is forgotten or undone away
};

} // namespace kvr27
