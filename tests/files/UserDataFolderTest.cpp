#include "files/UserDataFolder.h"
#include "files/UnsavedCopyFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zg {
namespace {

class UserDataMove : public ::testing::Test {
  protected:
    QString earlier() const { return dir_.filePath("old"); }
    QString folder() const { return dir_.filePath("new"); }
    static void put(const QString& file, const QByteArray& text) {
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
    }
    static QByteArray read(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }

  private:
    QTemporaryDir dir_;
};

// A name taken in the new folder no longer keeps a file back: it moves under the first free
// name, and the presets among them are named for the user (copies are offered anyway).
TEST_F(UserDataMove, AFileWhoseNameIsTakenMovesUnderAFreeOne) {
    put(earlier() + "/presets/Mine.DAT", "earlier");
    put(earlier() + "/presets/Other.DAT", "other");
    put(folder() + "/presets/Mine.DAT", "newer");
    put(folder() + "/presets/Mine (2).DAT", "newer 2");
    put(earlier() + "/unsaved-7.DAT", "earlier copy");
    put(earlier() + "/unsaved-7.name", "/home/me/plane.DAT");
    put(folder() + "/unsaved-7.DAT", "newer copy");

    const auto renamed = MoveEarlierUserData(folder(), {earlier()});

    ASSERT_EQ(renamed.size(), 1u);
    EXPECT_EQ(renamed[0].from, earlier() + "/presets/Mine.DAT");
    EXPECT_EQ(renamed[0].to, folder() + "/presets/Mine (3).DAT");
    EXPECT_EQ(read(folder() + "/presets/Mine (3).DAT"), "earlier");
    EXPECT_EQ(read(folder() + "/presets/Mine.DAT"), "newer");
    EXPECT_EQ(read(folder() + "/presets/Other.DAT"), "other");
    EXPECT_FALSE(QFileInfo::exists(earlier())) << "everything moved";
    const auto copies = UnsavedCopyFolder(folder()).leftCopies({});
    ASSERT_EQ(copies.size(), 2u);
    const auto moved = std::find_if(copies.begin(), copies.end(),
                                    [](const LeftCopy& c) { return c.file.endsWith("unsaved-7 (2).DAT"); });
    ASSERT_NE(moved, copies.end());
    EXPECT_EQ(moved->belongedTo, "/home/me/plane.DAT");
    EXPECT_EQ(read(folder() + "/unsaved-7.DAT"), "newer copy");
}

// A copy that cannot be moved (here a link in its place that leads nowhere) keeps its name file
// beside it, so that both can move together another time.
TEST_F(UserDataMove, ACopyThatCannotMoveKeepsItsNameFile) {
    put(earlier() + "/unsaved-8.DAT", "copy");
    put(earlier() + "/unsaved-8.name", "/home/me/boat.DAT");
    QDir().mkpath(folder());
    ASSERT_TRUE(QFile::link(folder() + "/nowhere/x", folder() + "/unsaved-8.DAT"));

    MoveEarlierUserData(folder(), {earlier()});

    EXPECT_EQ(read(earlier() + "/unsaved-8.DAT"), "copy");
    EXPECT_EQ(read(earlier() + "/unsaved-8.name"), "/home/me/boat.DAT");
    EXPECT_FALSE(QFileInfo::exists(folder() + "/unsaved-8.name"));
}

} // namespace
} // namespace zg
