#pragma once
// What a user command did, the same for the window that ran it and for kvr27: how
// it ended, the messages it showed in their order, how its transfers ended, the
// files it left, the channels it left out, and the note that says all that in words.
#include "core/MessageSink.h"
#include "link/TransferOutcome.h"
#include "link/WriteVerification.h"

#include <optional>
#include <string>
#include <vector>

namespace kvr27 {

enum class CommandEnd {
    Done,      // the command did its work
    Declined,  // the user said Cancel to its question or its file dialog: nothing changed
    Cancelled, // the user cancelled a read: nothing changed
    Failed,    // it did not do its work; its messages say why
};

// One message box as the command showed it.
struct CommandMessage {
    std::string Text;
    MessageIcon Icon = MessageIcon::None;
    std::string Detail;
    bool Question = false;
    bool Answer = false; // a question's answer: true for OK
    bool operator==(const CommandMessage&) const = default;
};

// The files a command left ("" for none), and why its trace was not saved.
struct CommandFiles {
    std::string Backup; // the radio's contents before a write
    std::string BackupProblem; // why no backup could be made, when none was
    std::string Trace;  // every exchange of the command
    std::string TraceProblem;
    std::string Output; // the file it saved or exported
    std::string Source; // the file it loaded or imported
};

struct [[nodiscard]] CommandReport {
    CommandEnd End = CommandEnd::Done;
    std::vector<CommandMessage> Messages;
    // How its transfers ended: the first failure, else the last success; nothing
    // when no transfer ran.
    std::optional<TransferOutcome> Transfer;
    CommandFiles Files;
    // The channels (0 to 99) a write left out for their frequency.
    std::vector<int> LeftOut;
    // A write command: every write the radio acknowledged, in order (empty when
    // nothing was written); nothing for another command.
    std::optional<SentBlocks> Written;
    // What a file command or Print did, for its note ("Saved", "Printed 2 pages"):
    // the note adds the file's name.
    std::string Action;

    bool ok() const { return End == CommandEnd::Done; }
};

// The report of a command that ended before it began: the user said Cancel, or a
// transfer was running.
inline CommandReport DeclinedReport()
{
    CommandReport report;
    report.End = CommandEnd::Declined;
    return report;
}

// Passes every message on to the user and keeps it in a report, in order.
class ReportingMessageSink : public MessageSink {
public:
    ReportingMessageSink(MessageSink& user, CommandReport& report) : user_(user), report_(report) {}
    void notify(const std::string& text, MessageIcon icon = MessageIcon::None,
                const std::string& detail = {}) override
    {
        report_.Messages.push_back({text, icon, detail});
        user_.notify(text, icon, detail);
    }
    bool ask(const std::string& text, const std::string& detail = {}) override
    {
        const bool answer = user_.ask(text, detail);
        report_.Messages.push_back({text, MessageIcon::None, detail, true, answer});
        return answer;
    }

private:
    MessageSink& user_;
    CommandReport& report_;
};

} // namespace kvr27
