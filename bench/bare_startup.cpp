// The bare baseline of the start-up benchmark: a QMainWindow holding one
// QPlainTextEdit, built and probed as the program is (startupprobe.cpp).
#include <QApplication>
#include <QMainWindow>
#include <QPlainTextEdit>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QPlainTextEdit);
    window.show();
    return app.exec();
}
