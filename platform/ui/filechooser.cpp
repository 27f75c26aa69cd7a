#include "platform/ui/filechooser.h"

#include <QFileDialog>

namespace quorvant::ui {
namespace {

class DialogFileChooser : public FileChooser {
  public:
    QString openFile(QWidget* parent, const QString& caption, const QString& folder,
                     const QString& nameFilter, const QString& initialName) override {
        QFileDialog dialog(parent, caption, folder, nameFilter);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (!initialName.isEmpty()) dialog.selectFile(initialName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return dialog.selectedFiles().front();
    }
    QString saveFile(QWidget* parent, const QString& caption, const QString& startPath,
                     const QString& nameFilter) override {
        return QFileDialog::getSaveFileName(parent, caption, startPath, nameFilter);
    }
    QString folder(QWidget* parent, const QString& caption, const QString& startFolder) override {
        return QFileDialog::getExistingDirectory(parent, caption, startFolder);
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
