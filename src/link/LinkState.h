#pragma once

#include <QtCore/QString>

namespace brivel {

// Where the link is in its cycle of connect, exchange and reply collection.
enum class LinkState {
    Disconnected,  // ""
    W_s_0,         // connect command written, no byte of its reply yet
    W_s_count,     // collecting the connect reply
    T_C_start,     // connect reply accepted, waiting for the tick that applies it
    Count,         // between exchanges; the last complete reply is kept
    Read_count,    // poll or command written, no byte of its reply yet
    Read_count_1,  // collecting that reply
};

// The state's name as the link has always called it ("" when disconnected).
QString linkStateText(LinkState state);

}  // namespace brivel
