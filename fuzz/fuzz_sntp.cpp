// libFuzzer target: the checks of an SNTP reply on any datagram. A fault here is a crash, a
// read past the datagram, or a reply taken although it fails a check RFC 4330 asks of a client
// (not mode 4, stratum 0 or above 15, an originate time that is not the request's, a negative
// or too long round trip).
#include "sntp.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The request's transmit time and the arrival: fixed, one second apart, in 2026.
    const NtpTimestamp sent = NtpTimestamp::Make(0xED000000u, 0x12345678u);
    const NtpTimestamp arrived = NtpTimestamp::Make(0xED000001u, 0x12345678u);
    constexpr int kTimeoutMs = 2000;
    // A copy of exactly the datagram's bytes, so that any read past it is found.
    std::vector<unsigned char> reply(data, data + size);
    SntpExchange exchange;
    long long detail = 0;
    const SntpFailure failure =
        CheckSntpReply(reply.data(), static_cast<int>(reply.size()), sent, arrived, kTimeoutMs, &exchange, &detail);
    if (failure != SntpFailure::None) return 0;
    if (size < 48 || (reply[0] & 7) != 4 || reply[1] == 0 || reply[1] > 15) __builtin_trap();
    if (exchange.originate != sent || exchange.transmit.IsZero()) __builtin_trap();
    if (!std::isfinite(exchange.offset) || !(exchange.delay >= 0) || exchange.delay > kTimeoutMs / 1000.0) __builtin_trap();
    return 0;
}
