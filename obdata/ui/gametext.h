#pragma once

#include <QString>
#include <QValidator>

#include <optional>
#include <string>

class QLineEdit;

namespace quorvant::ui {

// Text of the game's files (Latin-1 bytes) to show: every byte stays one character.
QString GameText(const std::string& bytes);

// The game's Latin-1 bytes of text the user typed or pasted; nothing when a character does not fit,
// and then refused, when given, names it.
std::optional<std::string> GameTextFrom(const QString& text, QString* refused = nullptr);

// Keeps out of a field every character the game's files cannot hold, whether typed, pasted or
// dropped: the change does not happen, and a tip at the field names the character, the way a
// desktop field tells of a character it does not take.
class GameTextValidator : public QValidator {
    Q_OBJECT
  public:
    explicit GameTextValidator(QLineEdit* field);
    State validate(QString& text, int& position) const override;

  private:
    QLineEdit* field_;
};

// Gives field a GameTextValidator.
void TakeGameTextOnly(QLineEdit* field);

} // namespace quorvant::ui
