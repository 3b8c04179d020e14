#pragma once
// Building blocks of the editor windows: sizes in twips that follow the font, named
// frames, text boxes, lists and option groups, and the
// focus events the entry rules need.
#include "editors/EntryRules.h"
#include "image/Labels.h"

#include <QObject>
#include <QString>

#include <functional>
#include <initializer_list>
#include <span>
#include <string_view>

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QWidget;

namespace kvr27::app {

QString ToQString(std::string_view text);

// A value of a list or option ("On", "None", "Hi") in the user's language; values
// that are numbers, tones or radio terms ("TSQ", "67.0Hz") have no translation and
// show as they are. Files and the clipboard keep the English values.
QString ShownValue(std::string_view value);

// A length in twips as pixels for the widget's font: the arrangement keeps its
// proportions when fonts or the screen density grow.
int Twips(const QWidget* widget, int twips);

// Gives the first `count` columns of a grid of frames the same least width.
void SetColumnWidths(QGridLayout* grid, int count, int width);

// A frame of a control array ("Frame1_6"), named for assistive tools by its caption,
// which is marked in the catalog's context "Controls" and shown in the user's language.
QGroupBox* MakeFrame(QWidget* parent, const QString& objectName, const char* caption);

// A text box of the kind inside a frame, named by the frame's caption, with an
// optional unit label ("(MHz)") after it. Typing stops at the kind's length and a
// paste is cut to what fits; a longer text set by the program (ShowText) is never cut.
QLineEdit* AddTextBox(QGroupBox* frame, std::string_view name, FieldKind kind, const char* unit = nullptr,
                      const QString& unitName = {}, QLabel** unitLabel = nullptr);

// A drop-down list of the label table inside a frame, named by the frame's caption.
QComboBox* AddList(QGroupBox* frame, std::string_view name, LabelTable items);

// Option buttons "<name>_0".."<name>_n" inside a frame, one per caption up to the
// first empty one; the group's ids are the indices.
QButtonGroup* AddOptions(QGroupBox* frame, std::string_view name, std::span<const std::string_view> captions);

// What a command button does with the edits in the window's boxes.
enum class CommandKind {
    // OK, a transfer: the box left runs its leave rules first, as on any click.
    TakesEdits,
    // Cancel: a click takes no focus, so no leave rule runs and nothing is said about
    // a value that is thrown away (Tab still reaches the button).
    DropsEdits,
};

// A command button of a control array ("Command1_2"); its caption is marked and
// shown as a frame's.
QPushButton* MakeCommandButton(QWidget* parent, int index, const char* caption,
                               CommandKind kind = CommandKind::TakesEdits);
// Before a button's command: a button that takes the edits takes the focus, so the
// focused box runs its leave rules first also when the command comes by keyboard
// (Enter on the default button); one that drops them leaves the focus alone.
void FocusForCommand(QPushButton* button);

// Shows a text the program sets in a box, without firing its change signal; the box's
// typing length stays right for the new text.
void ShowText(QLineEdit* edit, const QString& text);

// Shows `index` in a list, or no selection for a code outside its items.
void ShowListIndex(QComboBox* list, int index);
// Checks option `index` of a group, or none for NoSelection or a code outside it.
void ShowOption(QButtonGroup* group, int index);

// Reports a widget's focus changes: every way of getting the focus (Tab, a click, a
// rule, the window becoming active); losing it only inside the window (moving to
// another window or opening a list's popup is no loss).
class FocusEvents : public QObject {
public:
    FocusEvents(QWidget* widget, std::function<void(Qt::FocusReason)> gotFocus, std::function<void()> lostFocus);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(Qt::FocusReason)> gotFocus_;
    std::function<void()> lostFocus_;
};

} // namespace kvr27::app
