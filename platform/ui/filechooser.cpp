#include "platform/ui/filechooser.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QTreeView>

#include <algorithm>

namespace quorvant::ui {
namespace {

// Qt's own dialog (used where the desktop offers none) opens too narrow for a name, a size and a
// date side by side, and with its name field selected, so the first key typed replaces it.
void MakeReadable(QFileDialog& dialog) {
    dialog.setViewMode(QFileDialog::Detail);
    QScreen* screen =
        dialog.parentWidget() ? dialog.parentWidget()->screen() : QGuiApplication::primaryScreen();
    QSize room = screen ? screen->availableGeometry().size() : QSize(1024, 768);
    dialog.resize(std::min(900, room.width() * 9 / 10), std::min(560, room.height() * 8 / 10));
    QTimer::singleShot(0, &dialog, [&dialog] {
        if (auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
            QHeaderView* header = view->header();
            header->setStretchLastSection(false);
            header->setSectionResizeMode(0, QHeaderView::Stretch);
            for (int column = 1; column < header->count(); ++column)
                header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
        }
        if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) name->end(false);
    });
}

QString Run(QFileDialog& dialog) {
    MakeReadable(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

class DialogFileChooser : public FileChooser {
  public:
    QString openFile(QWidget* parent, const QString& caption, const QString& folder,
                     const QString& nameFilter, const QString& initialName) override {
        QFileDialog dialog(parent, caption, folder, nameFilter);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (!initialName.isEmpty()) dialog.selectFile(initialName);
        return Run(dialog);
    }
    QString saveFile(QWidget* parent, const QString& caption, const QString& startPath,
                     const QString& nameFilter) override {
        QFileDialog dialog(parent, caption, startPath, nameFilter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        return Run(dialog);
    }
    QString folder(QWidget* parent, const QString& caption, const QString& startFolder) override {
        QFileDialog dialog(parent, caption, startFolder);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        return Run(dialog);
    }
};

FileChooser* g_installed = nullptr;

} // namespace

FileChooser& FileChooser::current() {
    static DialogFileChooser dialogs;
    return g_installed ? *g_installed : dialogs;
}

void FileChooser::install(FileChooser* chooser) {
    g_installed = chooser;
}

QString ScriptedFileChooser::next() {
    if (answers.empty()) return {};
    QString a = answers.front();
    answers.pop_front();
    return a;
}

QString ScriptedFileChooser::openFile(QWidget*, const QString&, const QString& folder, const QString&,
                                      const QString& initialName) {
    lastFolder = folder;
    lastInitialName = initialName;
    return next();
}

QString ScriptedFileChooser::saveFile(QWidget*, const QString&, const QString& startPath, const QString&) {
    lastFolder = startPath;
    return next();
}

QString ScriptedFileChooser::folder(QWidget*, const QString&, const QString& startFolder) {
    lastFolder = startFolder;
    return next();
}

} // namespace quorvant::ui
