#include "app/ui/helpwindow.h"

#include "app/ui/programart.h"
#include "platform/ui/windowplacement.h"

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
    // Wide enough for the keyboard table and the longer lines without wrapping every few words.
    resize(820, 680);
}

void HelpWindow::ShowTopic(const QString& topic, QWidget* owner) {
    if (!placed_) {
        PlaceOver(this, owner);
        placed_ = true;
    }
    QUrl page(QStringLiteral("qrc:/help/index.html"));
    if (!topic.isEmpty()) page.setFragment(topic);
    setSource(page);
    if (!topic.isEmpty()) scrollToAnchor(topic);
    show();
    raise();
    activateWindow();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

} // namespace quorvant::ui
