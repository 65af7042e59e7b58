#include <QCoreApplication>
#include <QTextStream>

// A bare Qt program that answers one line on the terminal, to weigh `taisen --version` against.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "taisen 1.0.0\n";
    return 0;
}
