#include "match/keptname.h"

#include "net/carriedtext.h"

namespace match {

QString keptName(const QString& typed)
{
    return net::carriedText(typed);
}

} // namespace match
