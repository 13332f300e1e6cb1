// The yardstick for the program's start-up: a plain window of the same size with the same kinds
// and number of controls and timers, and nothing behind them.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QWidget window;
    window.setFixedSize(336, 289);
    window.setWindowTitle(QStringLiteral("Bare window"));

    auto* options = new QGroupBox(&window);
    options->setGeometry(3, -3, 293, 247);
    auto* schedule = new QGroupBox(QStringLiteral("Time Schedule"), options);
    schedule->setGeometry(6, 9, 281, 132);
    for (int i = 0; i < 2; ++i)
        new QLineEdit(schedule);
    for (const char* caption : {"minutes from now on", "minutes without input", "exits"})
        new QLabel(QString::fromLatin1(caption), schedule);
    for (const char* caption : {"In", "At", "After", "When the media playing now ends", "When"})
        new QRadioButton(QString::fromLatin1(caption), schedule);
    for (int i = 0; i < 2; ++i) {
        auto* combo = new QComboBox(schedule);
        combo->setEditable(true);
    }
    new QComboBox(schedule);
    new QLabel(QStringLiteral(":"), schedule);
    new QCheckBox(QStringLiteral("Daily"), schedule);
    auto* now = new QGroupBox(QStringLiteral("Time is now"), schedule);
    new QLabel(QStringLiteral("03:03"), new QGroupBox(now));
    auto* action = new QGroupBox(QStringLiteral("Action"), options);
    for (const char* caption : {"LogOff", "ReBoot", "ShutDown", "Run File", "Suspend", "Hibernate",
                                "Lock", "Screen Off", "Pause Only"})
        new QRadioButton(QString::fromLatin1(caption), action);
    for (const char* caption :
         {"Load At System Start", "Minimize On Start", "Diminuendo", "BlackScreen"})
        new QCheckBox(QString::fromLatin1(caption), options);
    new QScrollBar(new QGroupBox(QStringLiteral("Vol"), &window));
    new QPushButton(QStringLiteral("Sleep Now!"), &window);
    new QLabel(QStringLiteral("example.org"), &window);
    new QPushButton(QStringLiteral("About"), &window);

    for (int interval : {5000, 1000, 2000}) {
        auto* timer = new QTimer(&window);
        timer->start(interval);
    }
    window.show();
    return app.exec();
}
