#pragma once
#include <QString>

namespace net {

// A guest's chat line as the host passes it on: the sender's member name, "：", then the text
// after the first "：" of the line as it came (the whole line when it has none). A line that
// already names its sender passes unchanged; any other name never reaches anyone.
QString spokenBy(const QString& member, const QString& line);

} // namespace net
