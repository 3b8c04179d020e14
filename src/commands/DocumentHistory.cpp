#include "commands/DocumentHistory.h"

#include <utility>

namespace kvr27 {

void DocumentHistory::begin()
{
    steps_.clear();
    done_ = 0;
    clean_ = 0;
}

void DocumentHistory::push(DocumentStep step)
{
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    // A clean point among the dropped steps can no longer be reached.
    if (clean_ && *clean_ > done_)
        clean_.reset();
    steps_.push_back(std::move(step));
    ++done_;
    if (steps_.size() > KeptSteps) {
        steps_.pop_front();
        --done_;
        if (clean_)
            clean_ = *clean_ == 0 ? std::nullopt : std::optional<std::size_t>(*clean_ - 1);
    }
}

const DocumentStep* DocumentHistory::undoable() const
{
    return done_ > 0 ? &steps_[done_ - 1] : nullptr;
}

const DocumentStep* DocumentHistory::redoable() const
{
    return done_ < steps_.size() ? &steps_[done_] : nullptr;
}

const DocumentStep& DocumentHistory::undo()
{
    return steps_.at(--done_);
}

const DocumentStep& DocumentHistory::redo()
{
    return steps_.at(done_++);
}

void DocumentHistory::markClean()
{
    clean_ = done_;
}

void DocumentHistory::amendLast(const RadioImage& image)
{
    if (done_ > 0)
        steps_[done_ - 1].After = image;
}

} // namespace kvr27
