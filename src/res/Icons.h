#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, drawn here rather than shipped as files.
class CIcons
{
public:
    // The program icon: a wrapped gift with a name tag.
    static QPixmap AppPixmap(int nSize);
    static QIcon AppIcon();
};
