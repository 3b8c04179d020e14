#pragma once
// The message boxes of the program: the core's notices and OK/Cancel questions shown
// as QMessageBox, titled after the model that the radio image holds at that moment.
#include "core/MessageSink.h"
#include "image/RadioImage.h"

namespace kvr27 {

class QtMessageSink : public MessageSink {
public:
    // The title follows image.ModelName, so boxes shown before a model is chosen
    // carry the program's own name.
    explicit QtMessageSink(const RadioImage& image);

    void notify(const std::string& text, MessageIcon icon = MessageIcon::None,
                const std::string& detail = {}) override;
    bool ask(const std::string& text, const std::string& detail = {}) override;

private:
    const RadioImage& image_;
};

} // namespace kvr27
