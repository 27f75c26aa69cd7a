#pragma once

#include <QDialog>

#include <filesystem>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace quorvant::ui {

class CUnitView;
class Workspace;

// File > Revert To: the active document's file as last saved and each of its backups, newest first,
// with the date, the size and how many fields differ from the document. Revert makes the document
// hold the chosen version as one undo step; nothing is written until Save.
class RevertToDialog : public QDialog {
    Q_OBJECT
  public:
    RevertToDialog(Workspace& workspace, CUnitView& view, const std::filesystem::path& backupRoot,
                   QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }

  public slots:
    void accept() override;

  private:
    void AddVersion(const QString& label, const QString& date, const std::filesystem::path& path);

    Workspace& workspace_;
    CUnitView& view_;
    QTreeWidget* list_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* revert_ = nullptr;
};

} // namespace quorvant::ui
