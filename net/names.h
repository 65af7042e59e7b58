#pragma once
#include <QString>
#include <QStringList>

namespace net {

// The longest name the host accepts, in Shift_JIS bytes: four of them and a notice always fit
// in one message.
constexpr int MaxNameBytes = 24;

// A member's name as the host accepts it: what Shift_JIS carries (carriedtext.h), so that it
// comes back from a peer as it went; control characters removed, cut to MaxNameBytes (never
// inside a two-byte character), without "：", blank margins or a notice's ending. A name that
// could be read as another line of the protocol (empty, a number in half- or full-width
// digits, or starting with "◆") becomes "ゲスト" and a number that no name in `taken` shows.
QString acceptName(const QString& name, const QStringList& taken);
// The accepted name made unique among `taken`, as a screen shows them (lookalikes.h): a number
// follows a name already there.
QString memberName(const QString& name, const QStringList& taken);

} // namespace net
