#include "app/editors/EditorWidgets.h"

#include "image/FormControls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>

namespace kvr27::app {

namespace {

// Line height of the 8 pt system font the arrangement was drawn for, in twips.
constexpr int ReferenceLineTwips = 195;

// The dynamic property of a text box that holds its kind's typing length.
constexpr const char* TypingLimitProperty = "kvr27TypingLimit";

// A box takes at most its kind's length from the user (a paste is cut to what fits),
// or the length of a longer text the program set, so that such a text is never cut
// and can only get shorter.
void FitMaxLength(QLineEdit* edit, qsizetype textLength)
{
    const int limit = std::max(edit->property(TypingLimitProperty).toInt(), static_cast<int>(textLength));
    // Setting it sets the text again, which forgets the box's own typing undo.
    if (edit->maxLength() != limit)
        edit->setMaxLength(limit);
}

QHBoxLayout* FrameLayout(QGroupBox* frame)
{
    if (auto* layout = qobject_cast<QHBoxLayout*>(frame->layout()))
        return layout;
    return new QHBoxLayout(frame);
}

} // namespace

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ShownValue(std::string_view value)
{
    return QCoreApplication::translate("Values", std::string(value).c_str());
}

int Twips(const QWidget* widget, int twips)
{
    return twips * widget->fontMetrics().height() / ReferenceLineTwips;
}

void SetColumnWidths(QGridLayout* grid, int count, int width)
{
    for (int col = 0; col < count; ++col) {
        grid->setColumnMinimumWidth(col, width);
        grid->setColumnStretch(col, 1);
    }
}

QGroupBox* MakeFrame(QWidget* parent, const QString& objectName, const char* caption)
{
    auto* frame = new QGroupBox(QCoreApplication::translate("Controls", caption), parent);
    frame->setObjectName(objectName);
    frame->setAccessibleName(frame->title());
    return frame;
}

QLineEdit* AddTextBox(QGroupBox* frame, std::string_view name, FieldKind kind, const char* unit,
                      const QString& unitName, QLabel** unitLabel)
{
    auto* edit = new QLineEdit(frame);
    edit->setObjectName(ToQString(name));
    edit->setAccessibleName(frame->title());
    edit->setProperty(TypingLimitProperty, MaxLength(kind));
    FitMaxLength(edit, 0);
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [edit](const QString& text) { FitMaxLength(edit, text.size()); });
    QHBoxLayout* layout = FrameLayout(frame);
    layout->addWidget(edit, 1);
    if (unit) {
        auto* label = new QLabel(QString::fromLatin1(unit), frame);
        label->setObjectName(unitName);
        layout->addWidget(label);
        if (unitLabel)
            *unitLabel = label;
    }
    return edit;
}

QComboBox* AddList(QGroupBox* frame, std::string_view name, LabelTable items)
{
    auto* list = new QComboBox(frame);
    list->setObjectName(ToQString(name));
    list->setAccessibleName(frame->title());
    list->setMaxVisibleItems(12);
    for (std::string_view item : items)
        list->addItem(ShownValue(item));
    FrameLayout(frame)->addWidget(list, 1);
    return list;
}

QButtonGroup* AddOptions(QGroupBox* frame, std::string_view name, std::span<const std::string_view> captions)
{
    auto* group = new QButtonGroup(frame);
    group->setObjectName(ToQString(name));
    QHBoxLayout* layout = FrameLayout(frame);
    int index = 0;
    for (std::string_view caption : captions) {
        if (caption.empty())
            break;
        auto* option = new QRadioButton(ShownValue(caption), frame);
        option->setObjectName(QStringLiteral("%1_%2").arg(ToQString(name)).arg(index));
        group->addButton(option, index++);
        layout->addWidget(option);
    }
    layout->addStretch(1);
    return group;
}

QPushButton* MakeCommandButton(QWidget* parent, int index, const char* caption, CommandKind kind)
{
    auto* button = new QPushButton(QCoreApplication::translate("Controls", caption), parent);
    button->setObjectName(QStringLiteral("Command1_%1").arg(index));
    button->setAutoDefault(false);
    button->setMinimumWidth(Twips(button, 1695));
    if (kind == CommandKind::DropsEdits)
        button->setFocusPolicy(Qt::TabFocus);
    return button;
}

void FocusForCommand(QPushButton* button)
{
    if (button->focusPolicy() & Qt::ClickFocus)
        button->setFocus(Qt::OtherFocusReason);
}

void ShowText(QLineEdit* edit, const QString& text)
{
    if (edit->text() == text)
        return;
    FitMaxLength(edit, text.size());
    const QSignalBlocker blocker(edit);
    edit->setText(text);
}

void ShowListIndex(QComboBox* list, int index)
{
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

void ShowOption(QButtonGroup* group, int index)
{
    if (QAbstractButton* option = group->button(index)) {
        option->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* option : group->buttons())
        option->setChecked(false);
    group->setExclusive(true);
}

FocusEvents::FocusEvents(QWidget* widget, std::function<void(Qt::FocusReason)> gotFocus,
                         std::function<void()> lostFocus)
    : QObject(widget), gotFocus_(std::move(gotFocus)), lostFocus_(std::move(lostFocus))
{
    widget->installEventFilter(this);
}

bool FocusEvents::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    // A list's popup or a context menu takes the focus for a moment: no change. So
    // does another window, but a box that gets the focus when its window becomes
    // active (opening it, coming back from a message) is got as any other way.
    if (reason == Qt::PopupFocusReason)
        return false;
    if (reason == Qt::ActiveWindowFocusReason && event->type() == QEvent::FocusOut)
        return false;
    if (event->type() == QEvent::FocusIn && gotFocus_)
        gotFocus_(reason);
    else if (event->type() == QEvent::FocusOut && lostFocus_)
        lostFocus_();
    return false;
}

} // namespace kvr27::app
