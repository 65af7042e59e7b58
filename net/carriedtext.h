#pragma once
#include <QString>

namespace net {

// The text as code page 932 can carry it, so that its bytes read back as the same text. Each
// character it cannot carry becomes the one it carries in its place (〜 U+301C as ～ U+FF5E,
// − U+2212 as －, — U+2014 as ―, ¥ U+00A5 as ￥), its letter without the accent (é as e), or
// "?"; combining marks and invisible format characters go. The same text always gives the same.
QString carriedText(const QString& text);

} // namespace net
