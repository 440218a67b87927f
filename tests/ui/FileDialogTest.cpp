#include "ui/common/QtUserDialogs.h"
#include "ui/datafiles/FileCommandTexts.h"

#include <QComboBox>
#include <QFile>
#include <QFileSystemModel>
#include <QListView>
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

// Lets the dialog's folder model work until `listing` shows, or five seconds pass.
QStringList waitForListing(QFileDialog& dialog, const QStringList& listing) {
    for (int waited = 0; listed(dialog) != listing && waited < 5000; waited += 10)
        QTest::qWait(10);
    return listed(dialog);
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
    SetUpDataFileDialog(dialog, {OpenTitle(), DataFileFilter(), QString()}, QFileDialog::AcceptOpen);
    QDir::setCurrent(previous);
    EXPECT_EQ(dialog.windowTitle(), OpenTitle());
    EXPECT_EQ(dialog.nameFilters(), QStringList({"Data Files (*.DAT)", "All Files (*.*)"}));
    EXPECT_EQ(dialog.selectedNameFilter(), "Data Files (*.DAT)");
    auto* model = dialog.findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    dialog.show();
    const QStringList dataFiles{"B.DAT", "a.dat", "c.Dat"};
    EXPECT_EQ(waitForListing(dialog, dataFiles), dataFiles);
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Down); // the user picks "All Files (*.*)"
    EXPECT_EQ(dialog.selectedNameFilter(), "All Files (*.*)");
    const QStringList allFiles{"B.DAT", "a.dat", "c.Dat", "notes.txt", "plain"};
    EXPECT_EQ(waitForListing(dialog, allFiles), allFiles);
}

// A name typed without an extension is saved with the data files' one, so that the Open dialog's
// filter shows the file afterwards; a name with an extension of its own keeps it.
TEST(FileDialog, ANameTypedWithoutAnExtensionIsSavedWithTheDefaultOne) {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    for (const auto& [typed, saved] : {std::pair{"mynav", "mynav.DAT"}, std::pair{"old.dat", "old.dat"}}) {
        QFileDialog dialog;
        SetUpDataFileDialog(dialog,
                            {SaveTitle(), DataFileFilter(), QLatin1String(typed), QStringLiteral("DAT")},
                            QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.selectedFiles(), QStringList{dir.filePath(QLatin1String(saved))});
    }
    QDir::setCurrent(previous);
}
