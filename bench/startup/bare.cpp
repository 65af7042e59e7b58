#include "bench/startup/first_paint.h"
#include <QLabel>
#include <QVBoxLayout>
#include <cstdlib>

// The baseline: a bare Qt window with as many plain labels as the lobby has widgets, and a
// hidden second window with as many as the game window, up to the first paint.
// Arguments: the widget counts of the shown and of the hidden window.
namespace {

void addLabels(QWidget& window, int count)
{
    auto* layout = new QVBoxLayout(&window);
    for (int i = 1; i < count; ++i) // the window itself is one
        layout->addWidget(new QLabel(QStringLiteral("label %1").arg(i)));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget shown;
    QWidget hidden;
    addLabels(shown, argc > 1 ? std::atoi(argv[1]) : 2);
    addLabels(hidden, argc > 2 ? std::atoi(argv[2]) : 2);
    bench::QuitAfterFirstPaint quit(shown);
    shown.show();
    QApplication::exec();
    bench::printUsage(shown, hidden);
    return 0;
}
