#include "tools/screenshots/shotfile.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTextStream>
#include <QWidget>

namespace quorvant::ui {

bool SaveScreenshot(QWidget* widget, const QDir& folder, const QString& name) {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    QString path = folder.filePath(name + QStringLiteral(".png"));
    bool ok = widget->grab().save(path);
    QTextStream(stdout) << (ok ? "wrote " : "FAILED ") << path << Qt::endl;
    return ok;
}

} // namespace quorvant::ui
