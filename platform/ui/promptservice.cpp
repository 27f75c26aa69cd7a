#include "platform/ui/promptservice.h"

#include <QMessageBox>
#include <QPushButton>

namespace quorvant::ui {
namespace {

QMessageBox::Icon IconOf(PromptKind kind) {
    switch (kind) {
    case PromptKind::Information:
        return QMessageBox::Information;
    case PromptKind::Exclamation:
    case PromptKind::YesNoRisky:
        return QMessageBox::Warning;
    case PromptKind::Stop:
        return QMessageBox::Critical;
    default:
        return QMessageBox::Question;
    }
}

QMessageBox::StandardButtons ButtonsOf(PromptKind kind) {
    switch (kind) {
    case PromptKind::YesNo:
    case PromptKind::YesNoRisky:
        return QMessageBox::Yes | QMessageBox::No;
    case PromptKind::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptKind::SaveDiscardCancel:
        return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    case PromptKind::ApplyDiscardCancel:
        return QMessageBox::Apply | QMessageBox::Discard | QMessageBox::Cancel;
    case PromptKind::OpenCancel:
        return QMessageBox::Open | QMessageBox::Cancel;
    case PromptKind::RecoverDiscardLater:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    default:
        return QMessageBox::Ok;
    }
}

PromptAnswer AnswerOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
    case QMessageBox::Save:
    case QMessageBox::Apply:
    case QMessageBox::Open:
        return PromptAnswer::Yes;
    case QMessageBox::No:
    case QMessageBox::Discard:
        return PromptAnswer::No;
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    default:
        return PromptAnswer::Ok;
    }
}

class MessageBoxPrompts : public PromptService {
  public:
    PromptAnswer ask(QWidget* parent, PromptKind kind, const QString& text, const QString& title,
                     const QString& detail) override {
        QMessageBox box(IconOf(kind), title, text, ButtonsOf(kind), parent);
        if (!detail.isEmpty()) box.setDetailedText(detail);
        if (kind == PromptKind::SaveDiscardCancel) box.setDefaultButton(QMessageBox::Save);
        if (kind == PromptKind::ApplyDiscardCancel) box.setDefaultButton(QMessageBox::Apply);
        // Closing a question box with Escape or its close button means the safe answer.
        if (kind == PromptKind::YesNo || kind == PromptKind::YesNoRisky) box.setEscapeButton(QMessageBox::No);
        if (kind == PromptKind::YesNoRisky) box.setDefaultButton(QMessageBox::No);
        if (kind == PromptKind::OpenCancel) box.setDefaultButton(QMessageBox::Cancel);
        if (kind == PromptKind::RecoverDiscardLater) {
            box.button(QMessageBox::Yes)->setText(QStringLiteral("&Recover"));
            box.button(QMessageBox::No)->setText(QStringLiteral("&Discard"));
            box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Later"));
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::Cancel);
        }
        return AnswerOf(box.exec());
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

PromptAnswer Prompt(PromptKind kind, const QString& text, QWidget* parent, const QString& title,
                    const QString& detail) {
    return PromptService::current().ask(parent, kind, text, title, detail);
}

PromptAnswer ScriptedPrompts::ask(QWidget*, PromptKind kind, const QString& text, const QString& title,
                                  const QString& detail) {
    asked.push_back({kind, text, title, detail});
    if (answers.empty())
        return kind == PromptKind::YesNo || kind == PromptKind::YesNoRisky ||
                       kind == PromptKind::YesNoCancel || kind == PromptKind::SaveDiscardCancel ||
                       kind == PromptKind::ApplyDiscardCancel || kind == PromptKind::OpenCancel ||
                       kind == PromptKind::RecoverDiscardLater
                   ? PromptAnswer::Yes
                   : PromptAnswer::Ok;
    PromptAnswer a = answers.front();
    answers.pop_front();
    return a;
}

} // namespace quorvant::ui
