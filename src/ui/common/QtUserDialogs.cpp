#include "QtUserDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

namespace zg {

namespace {

QMessageBox::Icon toQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MessageAnswer fromQt(int button, MessageButtons buttons) {
    switch (button) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        // A box closed by Escape or its close button counts as Cancel, also where it shows no
        // Cancel: a question left unanswered is not a No. A lone OK box counts as OK.
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

std::optional<QString> runFileDialog(QWidget* parent, const FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    SetUpDataFileDialog(dialog, request, mode);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace

void SetUpDataFileDialog(QFileDialog& dialog, const FileDialogRequest& request,
                         QFileDialog::AcceptMode mode) {
    dialog.setWindowTitle(request.title);
    dialog.setAcceptMode(mode);
    // The open dialog also returns a name that does not exist.
    dialog.setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog matches "*.dat" whatever the case of the extension; a name typed without
    // extension gets the default one, so that the file shows under the filter; the replace
    // question is the program's own.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    if (mode == QFileDialog::AcceptSave)
        dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setDirectory(QDir::currentPath());
    const QStringList filters = QtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.first());
    dialog.selectFile(request.initialName);
    // "*.*" means every file, also one without an extension, as users of the filter expect;
    // Qt's own matching would leave those out.
    if (auto* model = dialog.findChild<QFileSystemModel*>()) {
        QObject::connect(&dialog, &QFileDialog::filterSelected, model, [model](const QString& filter) {
            if (filter.endsWith(QStringLiteral("(*.*)")))
                model->setNameFilters({QStringLiteral("*")});
        });
    }
}

QStringList QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& caption = parts[i];
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the caption's parentheses and matches them without regard
        // to case, so a caption that already states its pattern is taken as it stands.
        if (caption.endsWith(QStringLiteral("(") + pattern + QLatin1Char(')'), Qt::CaseInsensitive))
            result << caption;
        else
            result << caption + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return result;
}

MessageAnswer QtUserDialogs::showMessage(QWidget* parent, const MessageRequest& request) {
    QString text = request.text;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(toQt(request.icon), request.title, text, toQt(request.buttons), parent);
    box.setTextFormat(Qt::PlainText);
    if (request.buttons == MessageButtons::OkCancel)
        box.setDefaultButton(QMessageBox::Ok);
    if (request.buttons == MessageButtons::YesNo) {
        box.setDefaultButton(QMessageBox::Yes);
        // Qt would take No for Escape and the close button; a hidden Cancel answers them instead.
        QAbstractButton* dismissed = box.addButton(QMessageBox::Cancel);
        dismissed->hide();
        box.setEscapeButton(dismissed);
    }
    bool withdrawn = false;
    if (request.withdrawWhen)
        request.withdrawWhen([open = QPointer<QMessageBox>(&box), &withdrawn] {
            if (!open)
                return; // answered already
            withdrawn = true;
            open->done(QMessageBox::Cancel);
        });
    const int answer = box.exec();
    return withdrawn ? MessageAnswer::Withdrawn : fromQt(answer, request.buttons);
}

std::optional<QString> QtUserDialogs::getOpenFileName(QWidget* parent, const FileDialogRequest& request) {
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtUserDialogs::getSaveFileName(QWidget* parent, const FileDialogRequest& request) {
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

std::optional<QString> QtUserDialogs::getText(QWidget* parent, const TextRequest& request) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, request.title, request.label, QLineEdit::Normal, request.text, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<int> QtUserDialogs::chooseItem(QWidget* parent, const ItemRequest& request) {
    bool ok = false;
    const QString item = QInputDialog::getItem(parent, request.title, request.label, request.items,
                                               request.current, false, &ok);
    if (!ok)
        return std::nullopt;
    return int(request.items.indexOf(item));
}

bool QtUserDialogs::openWebAddress(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}

void ProcessEnd::endNow() {
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

} // namespace zg
