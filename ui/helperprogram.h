#pragma once
#include <QString>

// The windows and the computer player are programs of their own, so that the program that
// answers the command line (taisen-cli) loads Qt Core alone and starts one of them when wanted.
namespace ui {

enum class Helper { Windows, Computer };

// The helper's path: beside `taisen` in a build folder, else in the installed helpers' folder.
// programFolder ends in "/".
QString helperPath(const QString& programFolder, Helper helper);

// The inverse for a helper: the folder of the `taisen` that starts it, ending in "/", where the
// settings file and the pictures are looked for.
QString programFolder(const QString& helperFolder);

// Replaces this process with the helper, given the same arguments. Returns only when it cannot
// be started, with the exit status, having said why on the terminal.
int startHelper(Helper helper, int argc, char** argv);

} // namespace ui
