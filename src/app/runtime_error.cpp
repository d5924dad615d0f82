#include "runtime_error.h"

#include "config.h"
#include "form/control_model.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace tarvello {

void reportRuntimeError(QWidget* window, int number, const QString& description)
{
    QMessageBox::critical(window, TARVELLO_NAME,
        QString::fromStdString(runtimeErrorMessage(number, description.toStdString())));
    QCoreApplication::exit(exitRuntimeError);
}

} // namespace tarvello
