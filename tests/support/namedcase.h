#pragma once
#include <ostream>
#include <string>

// A row of a parameter table that carries its name: a row type derives from it, prints as its
// name, and `byName` calls each instance of the test after its row.
struct NamedCase {
    const char* name;
};

inline std::ostream& operator<<(std::ostream& out, const NamedCase& row) { return out << row.name; }

inline constexpr auto byName = [](const auto& info) { return std::string(info.param.name); };
