#include "MapiInit.h"

#include <QSslSocket>

bool CMapiInit::IsOk() const
{
    return QSslSocket::supportsSsl();
}

CMapiInit::CMapiInit() = default;

CMapiInit::~CMapiInit() = default;
