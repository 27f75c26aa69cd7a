#include "app/ui/helpwindow.h"

#include "app/ui/programart.h"

#include <QKeyEvent>
#include <QTextDocument>

// Resources of a static library are registered by hand, outside any namespace.
static void RegisterHelpResources() {
    Q_INIT_RESOURCE(quorvant);
}

namespace quorvant::ui {

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    RegisterHelpResources();
    setObjectName(QStringLiteral("HelpTopics"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Quorvant Help"));
    setWindowIcon(ProgramIcon());
    setOpenExternalLinks(false);
    setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
    document()->setDocumentMargin(18);
    resize(640, 560);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

} // namespace quorvant::ui
