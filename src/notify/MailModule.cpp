// The entry points of the mail module: the SMTP session and the network stack it needs are
// loaded at the first send (CLazyMailSession), not at start.
#include "SmtpSession.h"

#include <QSslSocket>

extern "C" {

CMailSession* KivvoCreateMailSession()
{
    return new CSmtpSession;
}

int KivvoMailSupportsTls()
{
    return QSslSocket::supportsSsl() ? 1 : 0;
}

} // extern "C"
