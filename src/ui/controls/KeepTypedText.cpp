#include "KeepTypedText.h"

#include <QComboBox>
#include <QLineEdit>

namespace zg {

void KeepTypedText(QComboBox& list) {
    if (QLineEdit* edit = list.lineEdit())
        QObject::disconnect(edit, &QLineEdit::editingFinished, &list, nullptr);
}

} // namespace zg
