#pragma once

#include "app/diskwatchrules.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

namespace quorvant::ui {

class CChildFrame;

// Watches the file of one open document: a change on disk reloads the document when it is
// unmodified and asks first when it is modified; a file deleted or renamed marks the document
// modified; content that cannot be read as the document's file is named in a message and changes
// nothing.
class DiskWatcher : public QObject {
    Q_OBJECT
  public:
    explicit DiskWatcher(CChildFrame* child);

    // Before a save over the document's own file: asks when the file changed on disk since it was
    // read or saved. False when the user would rather not overwrite it.
    bool ConfirmOverwrite();
    // The document was saved to its file: the file holds its bytes now.
    void Saved();
    // Looks at the file now rather than after the watcher's short delay.
    void CheckNow();

  signals:
    void statusMessage(const QString& text);

  private:
    void Watch();
    void Reload(const std::vector<std::uint8_t>& bytes);
    QString Name() const;

    CChildFrame* child_;
    QFileSystemWatcher watcher_;
    // Writers replace a file in several moves (write, rename); the look waits for them to end.
    QTimer settle_;
    DiskWatchRules rules_;
    bool asking_ = false;
};

} // namespace quorvant::ui
