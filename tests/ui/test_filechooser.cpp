#include "platform/ui/filechooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

using namespace quorvant::ui;

namespace {

TEST(FileChooserDialog, OpensWideInDetailWithTheNameFieldNotSelected) {
    QTemporaryDir folder;
    bool looked = false;
    QTimer::singleShot(200, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        looked = true;
        EXPECT_GE(dialog->width(), 700); // the offscreen screen is 800 wide
        EXPECT_EQ(dialog->viewMode(), QFileDialog::Detail);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        EXPECT_TRUE(name && name->text() == "OB*;MOB*" && !name->hasSelectedText());
        dialog->reject();
    });
    EXPECT_TRUE(FileChooser::current()
                    .openFile(nullptr, QStringLiteral("Open"), folder.path(),
                              QStringLiteral("OB files (OB* MOB*)"), QStringLiteral("OB*;MOB*"))
                    .isEmpty());
    EXPECT_TRUE(looked);
}

} // namespace
