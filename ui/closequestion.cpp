#include "ui/closequestion.h"
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

bool confirmClosing(QWidget* window, const QString& consequence)
{
    QMessageBox question(QMessageBox::Question, window->windowTitle(), consequence, QMessageBox::NoButton, window);
    QPushButton* stay = question.addButton(QCoreApplication::translate("ui", "続ける"), QMessageBox::RejectRole);
    QPushButton* close = question.addButton(QCoreApplication::translate("ui", "閉じる"), QMessageBox::AcceptRole);
    question.setDefaultButton(stay);
    question.setEscapeButton(stay);
    question.exec();
    return question.clickedButton() == close;
}

} // namespace ui
