#include "gamemgr/ui/slotrenamedelegate.h"

#include "obdata/latin1text.h"

#include <QLineEdit>
#include <QToolTip>
#include <QValidator>

namespace quorvant::ui {
namespace {

// Refuses a text holding a character beyond Latin-1, keeping the reason for the refusal.
class Latin1Validator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        std::string why;
        if (Latin1FromText(input, why)) return Acceptable;
        refusal_ = QString::fromStdString(why);
        return Invalid;
    }
    const QString& refusal() const { return refusal_; }

  private:
    mutable QString refusal_;
};

} // namespace

std::optional<std::string> Latin1FromText(const QString& text, std::string& why) {
    QByteArray utf8 = text.toUtf8();
    return Utf8ToLatin1(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), &why);
}

QWidget* CSlotRenameDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) return editor;
    auto* validator = new Latin1Validator(line);
    line->setValidator(validator);
    connect(line, &QLineEdit::inputRejected, line, [line, validator] {
        QToolTip::showText(line->mapToGlobal(QPoint(0, line->height())), validator->refusal(), line);
    });
    return editor;
}

void CSlotRenameDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor)) emit renamed(index.row(), line->text());
}

} // namespace quorvant::ui
