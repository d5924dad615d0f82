#include "runtime_error.h"

#include "config.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace tarvello {

QString runtimeErrorMessage(int number, const QString& description)
{
    return QString("Run-time error '%1':\n\n%2").arg(number).arg(description);
}

void reportRuntimeError(QWidget* window, int number, const QString& description)
{
    QMessageBox::critical(window, TARVELLO_NAME, runtimeErrorMessage(number, description));
    QCoreApplication::exit(exitRuntimeError);
}

} // namespace tarvello
