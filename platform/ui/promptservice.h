#pragma once

#include <QString>

#include <deque>
#include <vector>

class QWidget;

namespace quorvant::ui {

enum class PromptKind { Information, Exclamation, Stop, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Yes, No, Cancel };

// Every message box of the program goes through here, so tests can answer them.
class PromptService {
  public:
    virtual ~PromptService() = default;
    virtual PromptAnswer ask(QWidget* parent, PromptKind kind, const QString& text, const QString& title) = 0;

    // The service in use: message boxes unless a test installed its own.
    static PromptService& current();
    // Installs service (not owned); nullptr restores the message boxes.
    static void install(PromptService* service);
};

// Shows text through the current service; the title defaults to the program's name.
PromptAnswer Prompt(PromptKind kind, const QString& text, QWidget* parent = nullptr,
                    const QString& title = QStringLiteral("Quorvant"));

// A service for tests: records every text asked and answers from a queue (Ok/Yes when empty).
class ScriptedPrompts : public PromptService {
  public:
    ScriptedPrompts() { install(this); }
    ~ScriptedPrompts() override { install(nullptr); }

    PromptAnswer ask(QWidget* parent, PromptKind kind, const QString& text, const QString& title) override;

    struct Asked {
        PromptKind kind;
        QString text;
        QString title;
    };
    std::deque<PromptAnswer> answers;
    std::vector<Asked> asked;
};

} // namespace quorvant::ui
