#pragma once

#include <QString>

#include <deque>

class QWidget;

namespace quorvant::ui {

// The file dialogs, behind a service so tests can answer them without a modal loop.
class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // An empty result means the user cancelled.
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& folder,
                             const QString& nameFilter, const QString& initialName) = 0;
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& startPath,
                             const QString& nameFilter) = 0;
    virtual QString folder(QWidget* parent, const QString& caption, const QString& startFolder) = 0;

    static FileChooser& current();
    static void install(FileChooser* chooser);
};

// A chooser for tests: answers from a queue (empty, that is cancelled, when it runs out).
class ScriptedFileChooser : public FileChooser {
  public:
    ScriptedFileChooser() { install(this); }
    ~ScriptedFileChooser() override { install(nullptr); }
    QString openFile(QWidget*, const QString&, const QString& folder, const QString&,
                     const QString& initialName) override;
    QString saveFile(QWidget*, const QString&, const QString& startPath, const QString&) override;
    QString folder(QWidget*, const QString&, const QString& startFolder) override;

    std::deque<QString> answers;
    QString lastFolder;
    QString lastInitialName;

  private:
    QString next();
};

} // namespace quorvant::ui
