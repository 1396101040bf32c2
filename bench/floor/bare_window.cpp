// The toolkit's floor for the start-up and memory figures: a bare Qt window with one label,
// started and shown as the game's window is, so scripts/start_figures.py can set the game's
// own cost beside it.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Yacht"));
    label.showMaximized();
    return app.exec();
}
