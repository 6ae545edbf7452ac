#include "MapiInit.h"

#include "LazyMailSession.h"

bool CMapiInit::IsOk() const
{
    return CLazyMailSession::SupportsTls();
}

CMapiInit::CMapiInit() = default;

CMapiInit::~CMapiInit() = default;
