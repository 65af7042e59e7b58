#pragma once
#include "match/table.h"

namespace net {
class HostLobby;
}

namespace match {

// The host sends every move it applies, its own and its guests', to every guest, the mover
// included, which drops its own copy.
class HostTable : public Table {
public:
    explicit HostTable(net::HostLobby& lobby) : lobby_(lobby) {}
    void announce(int turnSeat, rules::Cell cell, bool madeHere) override;

private:
    net::HostLobby& lobby_;
};

} // namespace match
