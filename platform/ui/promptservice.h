#pragma once

#include <QString>

#include <deque>
#include <vector>

class QWidget;

namespace quorvant::ui {

// SaveDiscardCancel shows the platform's Save, Discard and Cancel buttons, ApplyDiscardCancel its Apply,
// Discard and Cancel buttons; both answer Yes, No, Cancel. OpenCancel answers Yes for Open;
// RecoverDiscardLater shows Recover, Discard and Later and answers Yes, No, Cancel. YesNoRisky is YesNo
// where Yes gives up a safeguard: No is the default, so Enter never says Yes.
enum class PromptKind {
    Information,
    Exclamation,
    Stop,
    YesNo,
    YesNoCancel,
    SaveDiscardCancel,
    ApplyDiscardCancel,
    OpenCancel,
    RecoverDiscardLater,
    YesNoRisky
};
enum class PromptAnswer { Ok, Yes, No, Cancel };

// Every message box of the program goes through here, so tests can answer them.
class PromptService {
  public:
    virtual ~PromptService() = default;
    // detail, when not empty, is shown on request below the text (the files a command wrote, say).
    virtual PromptAnswer ask(QWidget* parent, PromptKind kind, const QString& text, const QString& title,
                             const QString& detail) = 0;

    // The service in use: message boxes unless a test installed its own.
    static PromptService& current();
    // Installs service (not owned); nullptr restores the message boxes.
    static void install(PromptService* service);
};

// Shows text through the current service; the title defaults to the program's name.
PromptAnswer Prompt(PromptKind kind, const QString& text, QWidget* parent = nullptr,
                    const QString& title = QStringLiteral("Quorvant"), const QString& detail = QString());

// A service for tests: records every text asked and answers from a queue (Ok/Yes when empty).
class ScriptedPrompts : public PromptService {
  public:
    ScriptedPrompts() { install(this); }
    ~ScriptedPrompts() override { install(nullptr); }

    PromptAnswer ask(QWidget* parent, PromptKind kind, const QString& text, const QString& title,
                     const QString& detail) override;

    struct Asked {
        PromptKind kind;
        QString text;
        QString title;
        QString detail;
    };
    std::deque<PromptAnswer> answers;
    std::vector<Asked> asked;
};

} // namespace quorvant::ui
