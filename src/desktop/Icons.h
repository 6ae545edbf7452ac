#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, drawn here rather than shipped as files.
class CIcons
{
public:
    // The program icon: a wrapped gift with a name tag, nSize device-independent pixels wide.
    static QPixmap AppPixmap(int nSize, qreal rDevicePixelRatio = 1.0);
    static QIcon AppIcon();

    // Tree images: a yellow face for a person, two standing figures for a group and the list.
    static QIcon PersonIcon();
    // The face with a small red no-entry sign: a person who never draws some others.
    static QIcon PersonWithExclusionsIcon();
    static QIcon GroupIcon();

    // Toolbar: a top hat with a paper note (Draw Names), a red arrow over a letter (Send Emails).
    static QIcon DrawNamesIcon();
    static QIcon SendEmailsIcon();
};
