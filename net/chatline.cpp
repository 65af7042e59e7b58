#include "net/chatline.h"

namespace net {

QString spokenBy(const QString& member, const QString& line)
{
    const QChar colon(u'：');
    const qsizetype at = line.indexOf(colon);
    return member + colon + (at < 0 ? line : line.sliced(at + 1));
}

} // namespace net
