#pragma once
// The one seam through which the core speaks to the user: notices and OK/Cancel
// questions. The window title ("<ModelName> Clone Utility") is added by the
// implementation, in one place (MessageTitle).
#include <string>
#include <string_view>

namespace kvr27 {

// Icons a message box may carry. Notices and questions have none; the two link
// failures carry the exclamation icon, the refusal of a second copy the critical one.
enum class MessageIcon { None, Exclamation, Critical };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows a notice with an OK button. Two-line texts separate their lines with "\r".
    // `detail` says more about it (where, and why) below the text, which stays as
    // it is; empty for none.
    virtual void notify(const std::string& text, MessageIcon icon = MessageIcon::None,
                        const std::string& detail = {}) = 0;
    // Asks an OK/Cancel question without an icon, `detail` below it as for notify;
    // true means OK.
    virtual bool ask(const std::string& text, const std::string& detail = {}) = 0;
};

// Shows nothing and answers every question with Cancel: for a fill whose texts all
// pass their filters (the model's start-up values) or that only puts back what the
// user has been told about already.
class SilentMessageSink : public MessageSink {
public:
    void notify(const std::string&, MessageIcon = MessageIcon::None, const std::string& = {}) override {}
    bool ask(const std::string&, const std::string& = {}) override { return false; }
};

// The title of every message box: the model name followed by " Clone Utility", or
// "KV-R27 Clone Utility" while no model has been chosen yet.
std::string MessageTitle(std::string_view modelName);

} // namespace kvr27
