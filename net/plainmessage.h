#pragma once
#include <QStringList>

// Whether received lines are plainly a message of their kind: the lines it needs, with every
// number in range. Only plain messages are acted on, so a stray line is never taken for one.
namespace net {

// Lines of a kind that has a fixed count; 0 for member lists and unknown kinds.
int plainLineCount(int kind);

// Line 0 is the kind; the lines its count needs are there.
bool plainlyFromGuest(const QStringList& lines); // join, leave, chat or move
bool plainlyFromHost(const QStringList& lines);  // chat, start or move

bool isNotice(const QString& line);   // "◆" name "氏の来訪" or "◆" name "氏の退室"
bool isChatLine(const QString& line); // name "：" text

// The member lists that may follow `notice` when the list before it was `members`: a join
// appends the name, or puts it back after the host (a player returning to its seat); a leave
// removes one entry of that name, or none if it has none.
QList<QStringList> listsAfterNotice(const QStringList& members, const QString& notice);

} // namespace net
