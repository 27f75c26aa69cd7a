#include "obdata/ui/gametext.h"

#include "obdata/latin1text.h"

#include <QLineEdit>
#include <QToolTip>

namespace quorvant::ui {

QString GameText(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::optional<std::string> GameTextFrom(const QString& text, QString* refused) {
    std::string reason;
    std::optional<std::string> latin1 = Utf8ToLatin1(text.toStdString(), &reason);
    if (!latin1 && refused) *refused = QString::fromStdString(reason);
    return latin1;
}

GameTextValidator::GameTextValidator(QLineEdit* field) : QValidator(field), field_(field) {}

QValidator::State GameTextValidator::validate(QString& text, int&) const {
    QString refused;
    if (GameTextFrom(text, &refused)) return Acceptable;
    QToolTip::showText(field_->mapToGlobal(QPoint(0, field_->height())), refused, field_);
    return Invalid;
}

void TakeGameTextOnly(QLineEdit* field) {
    field->setValidator(new GameTextValidator(field));
}

} // namespace quorvant::ui
