#include "RowOptionsEntries.h"

#include "model/RowOperations.h"

#include <QCoreApplication>

#include <iterator>

namespace zg {

namespace {

struct EntryText {
    Q_DECLARE_TR_FUNCTIONS(zg::MainWindow)
};

const char* const kRowOptions[]{QT_TRANSLATE_NOOP("zg::MainWindow", "Clear All"),
                                QT_TRANSLATE_NOOP("zg::MainWindow", "Mark All"),
                                QT_TRANSLATE_NOOP("zg::MainWindow", "Toggle All"),
                                QT_TRANSLATE_NOOP("zg::MainWindow", "Copy from..."),
                                QT_TRANSLATE_NOOP("zg::MainWindow", "Copy to..."),
                                QT_TRANSLATE_NOOP("zg::MainWindow", "Skip 1..."),
                                QT_TRANSLATE_NOOP("zg::MainWindow", "Skip 2..."),
                                QT_TRANSLATE_NOOP("zg::MainWindow", "Skip 3..."),
                                "",
                                QT_TRANSLATE_NOOP("zg::MainWindow", "Cancel")};

} // namespace

QStringList RowOptionsEntries() {
    QStringList list;
    for (const char* entry : kRowOptions)
        list << (*entry ? EntryText::tr(entry) : QString());
    return list;
}

QString RowCommandName(int operation, int other) {
    if (other >= 0 && other < kLedCount) {
        if (operation == int(RowOperation::CopyFrom))
            return EntryText::tr("Copy from LED #%1").arg(other + 1);
        if (operation == int(RowOperation::CopyTo))
            return EntryText::tr("Copy to LED #%1").arg(other + 1);
    }
    if (operation < 0 || operation >= int(std::size(kRowOptions)) || !*kRowOptions[operation])
        return {};
    return EntryText::tr(kRowOptions[operation]).remove(QStringLiteral("..."));
}

} // namespace zg
