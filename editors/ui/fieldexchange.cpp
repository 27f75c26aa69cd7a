#include "editors/ui/fieldexchange.h"

#include "platform/ui/promptservice.h"

#include <QLineEdit>

namespace quorvant::ui {

void FieldExchange::Show(Binding& binding) {
    binding.shown = QString::number(binding.get());
    if (binding.edit->text() != binding.shown) binding.edit->setText(binding.shown);
}

void FieldExchange::Show() {
    invalid_ = nullptr;
    for (Binding& binding : bindings_) Show(binding);
}

void FieldExchange::Show(QLineEdit* edit) {
    for (Binding& binding : bindings_)
        if (binding.edit == edit) Show(binding);
}

bool FieldExchange::Read(QWidget* messageParent) {
    invalid_ = nullptr;
    for (Binding& binding : bindings_) {
        const QString text = binding.edit->text();
        if (text == binding.shown) continue;
        const std::string bytes = text.toStdString();
        std::optional<long long> value = ApplyFieldRule(bytes, binding.rule);
        if (!value) {
            invalid_ = binding.edit;
            Prompt(PromptKind::Exclamation, QString::fromStdString(FieldRuleMessage(binding.rule, bytes)),
                   messageParent);
            FocusInvalid();
            return false;
        }
        binding.set(*value);
        binding.shown = text;
    }
    return true;
}

void FieldExchange::FocusInvalid() {
    if (!invalid_) return;
    invalid_->setFocus(Qt::OtherFocusReason);
    invalid_->selectAll();
}

} // namespace quorvant::ui
