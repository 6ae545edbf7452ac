#include "MapiInit.h"

#include <QSslSocket>

bool CMapiInit::IsOk() const
{
    return QSslSocket::supportsSsl();
}
