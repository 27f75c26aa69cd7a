#include "tools/screenshots/shotfile.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
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

bool SaveWithPopup(QWidget* window, QWidget* popup, const QString& name,
                   const std::function<bool(QWidget*, const QString&)>& save) {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    QPixmap picture = window->grab();
    {
        QPainter painter(&picture);
        painter.drawPixmap(popup->pos() - window->mapToGlobal(QPoint(0, 0)), popup->grab());
    }
    QLabel shown;
    shown.setPixmap(picture);
    shown.setFixedSize(picture.deviceIndependentSize().toSize());
    return save(&shown, name);
}

} // namespace quorvant::ui
