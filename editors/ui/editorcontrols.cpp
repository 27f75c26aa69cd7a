#include "editors/ui/editorcontrols.h"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>

namespace quorvant::ui {

QStringList ListEntries(const std::vector<std::string>& list) {
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(list.size()));
    for (const std::string& entry : list) entries.push_back(QString::fromStdString(entry));
    return entries;
}

QStringList ListEntries(std::span<const char* const> list) {
    QStringList entries;
    for (const char* entry : list) entries.push_back(QString::fromLatin1(entry));
    return entries;
}

int ShownPosition(const QComboBox* list, int position) {
    return position >= 0 && position < list->count() ? position : -1;
}

void SelectQuietly(QComboBox* list, int position) {
    QSignalBlocker block(list);
    list->setCurrentIndex(position);
}

int SelectShown(QComboBox* list, int position) {
    const int shown = ShownPosition(list, position);
    SelectQuietly(list, shown);
    return shown;
}

bool ChosenOtherThan(const QComboBox* list, int shown) {
    return list->currentIndex() >= 0 && list->currentIndex() != shown;
}

EditorButtons::EditorButtons(QDialog* dialog, const Texts& texts, std::function<void(UnitMove)> move) {
    const QString record = QString::fromLatin1(texts.record);
    constexpr std::array<const char*, 4> kTexts = {"<<", "<", ">", ">>"};
    const std::array<QString, 4> helps = {
        QStringLiteral("Stores this %1 and goes to %1 1.").arg(record),
        QStringLiteral("Stores this %1 and goes to the one before.").arg(record),
        QStringLiteral("Stores this %1 and goes to the next one.").arg(record),
        QStringLiteral("Stores this %1 and goes to the last one.").arg(record)};
    constexpr std::array<UnitMove, 4> kMoves = {UnitMove::First, UnitMove::Previous, UnitMove::Next,
                                                UnitMove::Last};
    for (std::size_t m = 0; m < 4; ++m) {
        moves[m] = EditorButton(1059 + static_cast<int>(m), QString::fromLatin1(kTexts[m]), helps[m]);
        QObject::connect(moves[m], &QPushButton::clicked, dialog, [move, step = kMoves[m]] { move(step); });
    }
    copy = EditorButton(texts.copyId, QStringLiteral("&Copy"), QString::fromLatin1(texts.copyHelp));
    paste = EditorButton(texts.pasteId, QStringLiteral("&Paste"), QString::fromLatin1(texts.pasteHelp));
    ok = EditorButton(1, QStringLiteral("OK"),
                      QStringLiteral("Keeps every change made to the %1s since the editor opened and closes "
                                     "it.")
                          .arg(record));
    ok->setDefault(true);
    cancel = EditorButton(2, QStringLiteral("Cancel"), QString::fromLatin1(texts.cancelHelp));
    help = AddFieldHelp(dialog, QString::fromLatin1(texts.record) + QLatin1Char('s'));
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

void EditorButtons::Enable(const MoveButtons& enabled) {
    moves[0]->setEnabled(enabled.first);
    moves[1]->setEnabled(enabled.previous);
    moves[2]->setEnabled(enabled.next);
    moves[3]->setEnabled(enabled.last);
}

void EditorButtons::AppendTo(std::vector<QWidget*>& tabOrder) const {
    for (QPushButton* move : moves) tabOrder.push_back(move);
    for (QPushButton* button : {copy, paste, ok, cancel, help}) tabOrder.push_back(button);
}

} // namespace quorvant::ui
