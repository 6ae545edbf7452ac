#include "desktop/AboutDlg.h"

#include "desktop/Icons.h"
#include "text/Resource.h"
#include "text/StringTable.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* pParent, UrlOpener opener)
    : QDialog(pParent), m_opener(opener ? std::move(opener) : [](const QUrl& url) {
          return QDesktopServices::openUrl(url);
      })
{
    setWindowTitle(CStringTable::Load(IDS_ABOUT_TITLE));
    setObjectName(QStringLiteral("aboutDialog"));
    auto* pIcon = new QLabel;
    pIcon->setPixmap(CIcons::AppPixmap(64, devicePixelRatioF()));
    auto* pVersion = new QLabel(CStringTable::Load(IDS_ABOUT_VERSION));
    pVersion->setObjectName(QStringLiteral("version"));
    auto* pCopyright = new QLabel(CStringTable::Load(IDS_ABOUT_COPYRIGHT));
    auto* pWeb = new QPushButton(CStringTable::Load(IDS_ABOUT_WEB_ADDRESS));
    pWeb->setObjectName(QStringLiteral("webLink"));
    pWeb->setAutoDefault(false);
    auto* pClose = new QPushButton(CStringTable::Load(IDS_ABOUT_CLOSE));
    pClose->setObjectName(QStringLiteral("close"));
    pClose->setDefault(true);

    auto* pLayout = new QGridLayout(this);
    pLayout->addWidget(pIcon, 0, 0, 2, 1, Qt::AlignTop);
    pLayout->addWidget(pVersion, 0, 1);
    pLayout->addWidget(pCopyright, 1, 1);
    pLayout->addWidget(pWeb, 2, 0, 1, 2);
    pLayout->addWidget(pClose, 3, 0, 1, 2, Qt::AlignRight);

    connect(pWeb, &QPushButton::clicked, this, &CAboutDlg::OnWebLink);
    connect(pClose, &QPushButton::clicked, this, &CAboutDlg::accept);
}

void CAboutDlg::OnWebLink()
{
    // A browser that cannot be started is not worth a message; the box stays open.
    m_opener(QUrl(CStringTable::Load(IDS_ABOUT_WEB_ADDRESS)));
}
