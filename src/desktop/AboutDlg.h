#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

// The about box: the program icon, its name and version, who makes it, and a button that
// opens the maker's web address in the user's browser.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    using UrlOpener = std::function<bool(const QUrl&)>;

    // The opener defaults to the desktop's web browser.
    explicit CAboutDlg(QWidget* pParent = nullptr, UrlOpener opener = {});

private:
    void OnWebLink();

    UrlOpener m_opener;
};
