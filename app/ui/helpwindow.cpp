#include "app/ui/helpwindow.h"

#include "app/ui/programart.h"

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
    resize(640, 560);
}

} // namespace quorvant::ui
