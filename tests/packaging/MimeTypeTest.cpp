#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The installed type claims a .dat or .DAT file only when it starts as a pattern does, with an
// event value in quotes; other programs' .dat files, binary or text, are left to their owners.
TEST(MimeType, OnlyDataFilesThatStartWithAQuotedEventValueAreClaimed) {
    QTemporaryDir dir;
    const QString mime = dir.filePath("share/mime");
    ASSERT_TRUE(QDir().mkpath(mime + "/packages"));
    ASSERT_TRUE(QFile::copy(ZG_MIME_XML, mime + "/packages/zelta-glow.xml"));
    QProcess update;
    update.start("update-mime-database", {mime});
    ASSERT_TRUE(update.waitForFinished(20000)) << "update-mime-database (shared-mime-info) is needed";
    ASSERT_EQ(update.exitCode(), 0) << update.readAllStandardError().toStdString();
    // Read before the database is first used in this process: only the folder made here.
    qputenv("XDG_DATA_HOME", dir.filePath("home").toLocal8Bit());
    qputenv("XDG_DATA_DIRS", dir.filePath("share").toLocal8Bit());

    const std::pair<const char*, QByteArray> files[]{
        {"nav.DAT", "\"15\"\r\n\"0\"\r\n"}, {"one.dat", "\"3\"\r\n"},        {"binary.dat", "\x00\x01 data"},
        {"notes.dat", "hello\n"},           {"quoted.dat", "\"hello\"\r\n"},
    };
    QMimeDatabase database;
    for (const auto& [name, bytes] : files) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const bool pattern = QByteArray(name) == "nav.DAT" || QByteArray(name) == "one.dat";
        EXPECT_EQ(database.mimeTypeForFile(file.fileName()).name() == "application/x-zelta-glow-pattern",
                  pattern)
            << name;
    }
}
