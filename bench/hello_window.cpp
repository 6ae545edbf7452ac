// A Qt window and nothing more: the yardstick for the desktop program's start-up. With
// KIVVO_STARTUP_PROBE set it reports the time to the shown window and ends, as kivvo does.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QElapsedTimer startup;
    startup.start();
    QApplication application(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Hello")));
    window.show();
    if (qEnvironmentVariableIsSet("KIVVO_STARTUP_PROBE")) {
        QTimer::singleShot(0, &window, [&] {
            std::printf("startup-ms %lld\n", static_cast<long long>(startup.elapsed()));
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
