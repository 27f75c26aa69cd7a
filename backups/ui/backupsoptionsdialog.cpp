#include "backups/ui/backupsoptionsdialog.h"

#include "backups/backupsetting.h"
#include "platform/ui/dialogbuttons.h"
#include "workspace/ui/dialogcontrols.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quorvant::ui {

BackupsOptionsDialog::BackupsOptionsDialog(Profile& profile, const std::filesystem::path& folder,
                                           QWidget* parent)
    : QDialog(parent), profile_(profile) {
    setObjectName(QStringLiteral("BackupsOptions"));
    setWindowTitle(QStringLiteral("Backups"));
    const int stored = ReadBackupsKept(profile);

    keep_ =
        new QCheckBox(QStringLiteral("&Keep a backup of each OB file before it is first written over"), this);
    keep_->setObjectName(QStringLiteral("keepBackups"));
    keep_->setChecked(stored > 0);
    keep_->setWhatsThis(QStringLiteral(
        "The first time in a session that the editor writes over an OB file (Save, a patch or an import "
        "written to a closed file), it first keeps the file as it was, byte for byte with its time stamp. "
        "File > Revert To brings a backup back."));
    count_ = new QSpinBox(this);
    count_->setObjectName(QStringLiteral("backupCount"));
    count_->setRange(1, kMostBackupsKept);
    count_->setValue(ReadBackupsChosen(profile));
    count_->setEnabled(stored > 0);
    count_->setWhatsThis(QStringLiteral("Older backups of a file are deleted once it has more."));
    connect(keep_, &QCheckBox::toggled, count_, &QSpinBox::setEnabled);

    auto* countLine = new QHBoxLayout;
    auto* countLabel = new QLabel(QStringLiteral("Keep the &last"), this);
    countLabel->setBuddy(count_);
    countLine->addSpacing(20);
    countLine->addWidget(countLabel);
    countLine->addWidget(count_);
    countLine->addWidget(new QLabel(QStringLiteral("backups of each file"), this));
    countLine->addStretch();

    auto* where = new QLabel(QStringLiteral("Backups are kept in %1, never in the game's folders.")
                                 .arg(QDir::toNativeSeparators(QString::fromStdString(folder.string()))),
                             this);
    where->setObjectName(QStringLiteral("backupFolder"));
    where->setWordWrap(true);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);

    QDialogButtonBox* buttons = AddDialogButtons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->addButton(AddFieldHelp(this, QStringLiteral("backups")), QDialogButtonBox::HelpRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(keep_);
    layout->addLayout(countLine);
    layout->addSpacing(6);
    layout->addWidget(where);
    layout->addStretch();
    layout->addWidget(buttons);
    setMinimumWidth(460);
}

void BackupsOptionsDialog::accept() {
    WriteBackupsChoice(profile_, keep_->isChecked(), count_->value());
    QDialog::accept();
}

} // namespace quorvant::ui
