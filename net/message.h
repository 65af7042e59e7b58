#pragma once
// The protocol between the stations. A message is a list of text lines in Shift_JIS (code page
// 932), every line followed by CR LF, at most 1000 bytes on the wire (longer text is cut at byte
// 1000, even inside a line or a character). Line 0 is the kind; numbers are plain decimal.
//
//   0 MsgJoin   guest -> host:  "0", own name
//               host -> joiner: "0", member names (host first, the joiner last)
//   1 MsgLeave  guest -> host:  "1", own name
//               host -> guests: "1", "◆" name "氏の来訪" or "◆" name "氏の退室", member names
//   2 MsgChat   either way:     "2", name "：" text  (line breaks in the text travel as more lines)
//   3 MsgStart  host -> guest:  "3", board size 6..26, the guest's seat 2..4 (5 and above watch),
//                               scoring 0 points / 1 count, time limit 5..61 (61 none),
//                               rotation "1" (any other line: none)
//   4 MsgMove   either way:     "4", seat to move next (the mover's own when the move ends the game),
//                               column, row (-1, -1 for a pass)
//   5 MsgCatchUp host -> guest: "5", "1" before the start that brings a returning member up to the
//                               game under way, "0" after the last move of it; each in a read of
//                               its own. A station that knows only kinds 0 to 4 ignores it.
//
// There is no length or delimiter: the receiver frames messages by these line counts (messagebuffer.h).

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <optional>

namespace net {

constexpr int MaxMessageBytes = 1000;

enum MsgKind : int { MsgJoin = 0, MsgLeave = 1, MsgChat = 2, MsgStart = 3, MsgMove = 4, MsgCatchUp = 5 };

// The bytes that go on the wire for one message: at most MaxMessageBytes.
QByteArray encodeMessage(const QStringList& lines);

// The lines of received bytes: a NUL ends the text; CR LF, lone CR and lone LF each end a line;
// a final break adds no empty line. A two-byte character cut at the end of a line is dropped.
QStringList splitLines(const QByteArray& bytes);

// Line i of m read as a plain decimal integer (optional minus); empty when missing or not one.
std::optional<int> lineNumber(const QStringList& m, int i);

// One line of bytes: its text is [begin, end); the following line starts at next.
struct LineSpan {
    qsizetype begin;
    qsizetype end;
    qsizetype next;
};

// The line starting at `from`, when its break lies within bytes; a CR as the last byte ends it.
std::optional<LineSpan> scanLine(QByteArrayView bytes, qsizetype from);

// One line's bytes as text (code page 932); a notice's name is read apart from its frame.
QString decodeLine(QByteArrayView bytes);

} // namespace net
