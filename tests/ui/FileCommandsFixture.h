#pragma once

#include "UiFixture.h"

#include "ui/datafiles/DataFileCommands.h"

#include <QAction>
#include <QDir>
#include <QFile>

#include <initializer_list>

// A main window in a temporary folder whose file dialogs answer with files named in it.
class FileCommands : public UiFixture {
  protected:
    static QByteArray quotedZeros(int count) {
        QByteArray bytes;
        for (int i = 0; i < count; ++i)
            bytes += "\"0\"\r\n";
        return bytes;
    }
    static QByteArray lines(std::initializer_list<const char*> values) {
        QByteArray bytes;
        for (const char* v : values)
            bytes += QByteArray(v) + "\r\n";
        return bytes;
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void saveAs(const QString& name) {
        dialogs.fileNames.emplace_back(path(name));
        trigger("MENUsave");
    }
    void openFile(const QString& name, const char* action = "MENUopen") {
        dialogs.fileNames.emplace_back(path(name));
        trigger(action);
    }
    QString caption(const QString& title) const { return zg::PlainTitle() + " - " + title; }
};
