#include "platform/desktop/qtmessagebox.h"

#include <QMessageBox>

namespace qc {

void QtMessageBox::show(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.exec();
}

} // namespace qc
