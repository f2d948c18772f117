#include "windows/qt/operatorwindow.h"

#include "windows/qt/widgetwindow.h"

#include <QCloseEvent>
#include <QMouseEvent>

namespace qc {

void QtOperatorWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        windowResized();
}

void QtOperatorWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    windowResized();
}

void QtOperatorWindow::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (isClick(*event))
        windowClicked();
}

void QtOperatorWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (closeBox_)
        closeBox_();
}

} // namespace qc
