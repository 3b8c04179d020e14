#include "platform/DialogParent.h"

#include <QApplication>

namespace kvr27 {

QWidget* DialogParent()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

} // namespace kvr27
