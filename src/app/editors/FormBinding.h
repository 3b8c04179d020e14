#pragma once
// Binds a form state's text boxes, lists and option groups (described by the tables
// of src/editors) to their widgets: shows the state without firing the widgets'
// signals, and hands the user's changes to an editor. Shared by the VFO window and
// the channel dialog.
#include "app/editors/EditorWidgets.h"
#include "editors/FormFields.h"
#include "image/FormControls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>

#include <map>
#include <span>
#include <string>
#include <vector>

namespace kvr27::app {

// Editor: textChanged(TextId, std::string), gotFocus(TextId) -> TextSelection,
// lostFocus(TextId), stepLostFocus(), listSelected(ListId, int),
// optionSelected(OptionId, int).
template <class Form, class Editor, class TextId, class ListId, class OptionId>
class FormBinding {
public:
    // `changed` runs after every forwarded event, to show the new state.
    FormBinding(Editor& editor, std::function<void()> changed) : editor_(editor), changed_(std::move(changed)) {}

    QLineEdit* addTextBox(QGroupBox* frame, TextId id, std::span<const TextBoxField<Form>> table,
                          const char* unit = nullptr, const QString& unitName = {})
    {
        const TextBoxField<Form>& field = table[static_cast<std::size_t>(id)];
        QLabel* label = nullptr;
        QLineEdit* edit = AddTextBox(frame, field.Name, field.Kind, unit, unitName, &label);
        texts_.push_back({edit, field.Field});
        control(frame);
        control(edit);
        if (label)
            control(label);
        QObject::connect(edit, &QLineEdit::textChanged, edit, [this, id](const QString& text) {
            editor_.textChanged(id, text.toStdString());
            changed_();
        });
        new FocusEvents(
            edit,
            [this, id, edit](Qt::FocusReason reason) {
                const TextSelection selection = editor_.gotFocus(id);
                auto select = [edit, selection] { edit->setSelection(selection.start, selection.length); };
                select();
                // A click places the cursor after the focus has come: select once more.
                if (reason == Qt::MouseFocusReason)
                    QTimer::singleShot(0, edit, select);
            },
            [this, id] {
                editor_.lostFocus(id);
                changed_();
            });
        return edit;
    }

    QComboBox* addList(QGroupBox* frame, ListId id, std::span<const ListField<Form>> table, bool isStepBox = false)
    {
        const ListField<Form>& field = table[static_cast<std::size_t>(id)];
        QComboBox* list = AddList(frame, field.Name, field.Items);
        lists_.push_back({list, field.Field});
        control(frame);
        control(list);
        QObject::connect(list, &QComboBox::activated, list, [this, id](int index) {
            editor_.listSelected(id, index);
            changed_();
        });
        if (isStepBox)
            new FocusEvents(list, {}, [this] {
                editor_.stepLostFocus();
                changed_();
            });
        return list;
    }

    // The options' captions are the table's unless `captions` gives them.
    QButtonGroup* addOptions(QGroupBox* frame, OptionId id, std::span<const OptionField<Form>> table,
                             const std::vector<std::string_view>& captions = {})
    {
        const OptionField<Form>& field = table[static_cast<std::size_t>(id)];
        QButtonGroup* group =
            AddOptions(frame, field.Name, captions.empty() ? std::span<const std::string_view>(field.Options) : captions);
        options_.push_back({group, field.Field});
        control(frame);
        for (QAbstractButton* option : group->buttons())
            control(option);
        QObject::connect(group, &QButtonGroup::idToggled, group, [this, id](int index, bool checked) {
            if (!checked)
                return;
            editor_.optionSelected(id, index);
            changed_();
        });
        return group;
    }

    // A further control whose enabled state the form decides (a frame without
    // values of its own).
    void control(QWidget* widget) { controls_[widget->objectName().toStdString()] = widget; }

    // Gives the focus to the first empty box, in the window's order, that can take
    // it: the one a refusal for blank boxes means.
    void focusFirstBlank() const
    {
        for (const auto& [edit, field] : texts_)
            if (edit->text().isEmpty() && edit->isEnabled() && edit->isVisible()) {
                edit->setFocus(Qt::OtherFocusReason);
                return;
            }
    }

    // Shows the form's values and enabled states; widgets already showing their value
    // are left alone, so that typing keeps its cursor.
    void show(const Form& form)
    {
        for (auto& [edit, field] : texts_)
            ShowText(edit, QString::fromStdString(form.*field));
        for (auto& [list, field] : lists_) {
            const QSignalBlocker blocker(list);
            ShowListIndex(list, form.*field);
        }
        for (auto& [group, field] : options_) {
            const QSignalBlocker blocker(group);
            ShowOption(group, form.*field);
        }
        for (auto& [name, widget] : controls_)
            widget->setEnabled(form.Enabled.isEnabled(name));
    }

private:
    Editor& editor_;
    std::function<void()> changed_;
    std::vector<std::pair<QLineEdit*, std::string Form::*>> texts_;
    std::vector<std::pair<QComboBox*, int Form::*>> lists_;
    std::vector<std::pair<QButtonGroup*, int Form::*>> options_;
    std::map<std::string, QWidget*, std::less<>> controls_;
};

} // namespace kvr27::app
