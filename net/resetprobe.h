#pragma once
#include <QtGlobal>

namespace net {

// Tells a peer's reset from its orderly close, which Qt reports alike (it reads a reset as the
// end of the stream and closes its descriptor). A duplicate of the descriptor keeps the
// connection's TCP state readable until the probe lets it go.
class ResetProbe {
public:
    ResetProbe() = default;
    ~ResetProbe() { release(); }
    ResetProbe(const ResetProbe&) = delete;
    ResetProbe& operator=(const ResetProbe&) = delete;

    void watch(qintptr descriptor);
    // The peer reset the connection: it is closed without the orderly end of the stream.
    bool wasReset() const;
    // The connection closes for good once the socket's own descriptor has closed too.
    void release();

private:
    int fd_ = -1;
};

} // namespace net
