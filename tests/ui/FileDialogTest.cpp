#include "ui/FileCommandTexts.h"
#include "ui/QtUserDialogs.h"

#include <QFile>
#include <QFileSystemModel>
#include <QListView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace zg;

namespace {

// The names the dialog lists in its folder view.
QStringList listed(QFileDialog& dialog) {
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    QStringList names;
    if (!view)
        return names;
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < view->model()->rowCount(root); ++row)
        names << view->model()->index(row, 0, root).data().toString();
    names.sort();
    return names;
}

} // namespace

TEST(FileDialog, DataFilesFilterListsEveryCaseOfTheExtensionAndAllFilesListsEverything) {
    QTemporaryDir dir;
    for (const char* name : {"a.dat", "B.DAT", "c.Dat", "notes.txt", "plain"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QFileDialog dialog;
    SetUpDataFileDialog(dialog, {kOpenTitle, kDataFileFilter, QString()}, QFileDialog::AcceptOpen);
    QDir::setCurrent(previous);
    EXPECT_EQ(dialog.windowTitle(), kOpenTitle);
    EXPECT_EQ(dialog.nameFilters(), QStringList({"Data Files (*.DAT)", "All Files (*.*)"}));
    EXPECT_EQ(dialog.selectedNameFilter(), "Data Files (*.DAT)");
    auto* model = dialog.findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
    dialog.show();
    if (loaded.isEmpty()) {
        ASSERT_TRUE(loaded.wait(5000));
    }
    QTRY_COMPARE_WITH_TIMEOUT(listed(dialog), QStringList({"B.DAT", "a.dat", "c.Dat"}), 5000);
    dialog.selectNameFilter(QStringLiteral("All Files (*.*)"));
    QTRY_COMPARE_WITH_TIMEOUT(listed(dialog).size(), 5, 5000);
}
