// Build-time helper: writes the program icon as PNG files for the desktop's icon theme.
//   kivvo-icons OUTPUT_FOLDER   writes OUTPUT_FOLDER/<size>x<size>/apps/kivvo.png
#include "desktop/Icons.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kivvo-icons OUTPUT_FOLDER\n");
        return 2;
    }
    for (const int nSize : {32, 48, 64, 128, 256}) {
        const QString strFolder = QStringLiteral("%1/%2x%2/apps").arg(argv[1]).arg(nSize);
        if (!QDir().mkpath(strFolder) ||
            !CIcons::AppPixmap(nSize).save(strFolder + QStringLiteral("/kivvo.png"))) {
            std::fprintf(stderr, "kivvo-icons: cannot write %s\n", qPrintable(strFolder));
            return 1;
        }
    }
    return 0;
}
