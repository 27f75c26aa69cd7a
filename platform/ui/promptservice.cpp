#include "platform/ui/promptservice.h"

#include <QMessageBox>

namespace quorvant::ui {
namespace {

class MessageBoxPrompts : public PromptService {
  public:
    PromptAnswer ask(QWidget* parent, PromptKind kind, const QString& text, const QString& title) override {
        switch (kind) {
        case PromptKind::Information:
            QMessageBox::information(parent, title, text);
            return PromptAnswer::Ok;
        case PromptKind::Exclamation:
            QMessageBox::warning(parent, title, text);
            return PromptAnswer::Ok;
        case PromptKind::Stop:
            QMessageBox::critical(parent, title, text);
            return PromptAnswer::Ok;
        case PromptKind::YesNo:
            return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) ==
                           QMessageBox::Yes
                       ? PromptAnswer::Yes
                       : PromptAnswer::No;
        case PromptKind::YesNoCancel: {
            auto b = QMessageBox::question(parent, title, text,
                                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            return b == QMessageBox::Yes  ? PromptAnswer::Yes
                   : b == QMessageBox::No ? PromptAnswer::No
                                          : PromptAnswer::Cancel;
        }
        }
        return PromptAnswer::Ok;
    }
};

PromptService* g_installed = nullptr;

} // namespace

PromptService& PromptService::current() {
    static MessageBoxPrompts boxes;
    return g_installed ? *g_installed : boxes;
}

void PromptService::install(PromptService* service) {
    g_installed = service;
}

PromptAnswer Prompt(PromptKind kind, const QString& text, QWidget* parent, const QString& title) {
    return PromptService::current().ask(parent, kind, text, title);
}

PromptAnswer ScriptedPrompts::ask(QWidget*, PromptKind kind, const QString& text, const QString& title) {
    asked.push_back({kind, text, title});
    if (answers.empty())
        return kind == PromptKind::YesNo || kind == PromptKind::YesNoCancel ? PromptAnswer::Yes
                                                                            : PromptAnswer::Ok;
    PromptAnswer a = answers.front();
    answers.pop_front();
    return a;
}

} // namespace quorvant::ui
