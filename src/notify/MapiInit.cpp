#include "MapiInit.h"

#include <curl/curl.h>

CMapiInit::CMapiInit() : m_bOk(curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) {}

CMapiInit::~CMapiInit()
{
    curl_global_cleanup();
}
