#pragma once
#include <QString>
#include <ostream>

// Texts, and the lists and messages made of them, print as text in test names and failures
// rather than as the bytes of each character. Every file of a test binary that prints them
// includes this, so all of them print alike.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
