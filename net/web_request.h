#pragma once
// The request routine in its text and bytes variants, with the cookie handling and the
// 301 Moved follow-up at its two hooks.
//
// RequestArgs holds the eleven arguments. `url` is required; every other argument is a
// std::optional whose has_value() is the given-flag. Only `cookies` and `proxy` act on the flag
// itself (a given empty `cookies` switches the process cookie store off); the others act on
// their value alone, an omitted one counting as 0, false or empty. In/out and out arguments
// are written back when they are given: to receive `rawHeaders`, `location`,
// `responseCookies` or the sent `headers`, give them (for example `args.rawHeaders.emplace()`).
// A 301 follow-up works on the very same arguments, given-flags unchanged.
//
// Bounds and refusals:
// - a chain of 301 Moved follow-ups is bounded by kMaxFollowUps (10); past it the call returns
//   the empty value of its variant;
// - an address that cannot be sent safely (a control character, a blank, DEL, an empty or
//   malformed host, a port outside 1..65535) and a header block with a lone CR, LF or another
//   control character give the empty value: nothing can inject a header line. When the caller's
//   own arguments are refused, nothing is written; when a page's Location or Set-Cookie value
//   makes a 301 follow-up unsafe, the arguments keep what the earlier request of the chain
//   wrote.
//
// Cancellation: a transfer runs under the calling thread's inet::CancelToken (install one with
// inet::ScopedCancelToken); cancelling it aborts the transfer at once and the call returns the
// empty value.

#include <optional>

#include "base/types.h"
#include "platform/inet/inet.h"

namespace pindora {

struct RequestArgs {
    Text url{};                              // 1  in
    std::optional<int> method{};             // 2  in: 1 = POST, other non-zero = GET with a body
    std::optional<Text> postText{};          // 3  in
    std::optional<Text> cookies{};           // 4  in/out (acts on the flag)
    std::optional<Text> responseCookies{};   // 5  out
    std::optional<Text> headers{};           // 6  in/out
    std::optional<Text> location{};          // 7  out
    std::optional<bool> noRedirect{};        // 8  in
    std::optional<Bytes> postBytes{};        // 9  in/out
    std::optional<Text> proxy{};             // 10 in (acts on the flag)
    std::optional<Text> rawHeaders{};        // 11 out
};

inline constexpr std::string_view kDefaultAgent =
    "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; KIVRA; .NET CLR 2.0.50727; "
    ".NET CLR 3.0.04506.648; .NET CLR 3.5.21022)";

Text webRequestText(RequestArgs& args);
Bytes webRequestBytes(RequestArgs& args);
// Every optional argument left out.
Text webRequestText(std::string_view url);
Bytes webRequestBytes(std::string_view url);

// Pieces of the routine, exposed for tests.
// The transport flags for the address.
std::uint32_t requestFlags(std::string_view url, bool cookiesGiven, bool noRedirect);
// The agent: the caller's User-Agent value, or kDefaultAgent.
Text requestAgent(std::string_view headers);
// Adds the Referer, Accept, Accept-Language, Content-Type and Cookie lines the block lacks.
void composeHeaderBlock(Text& headers, std::string_view url, std::string_view cookies);
// True when the body is to be converted from UTF-8: it says "utf-8" early on, or the headers do.
bool bodyIsUtf8(const Bytes& body, std::string_view rawHeaders);
// True when the address can be sent: no byte <= 0x20 or 0x7F, a host of letters, digits, ".",
// "-", "_" (or a bracketed IPv6 address) and a port in 1..65535.
bool isSafeAddress(std::string_view url);
// True when the text holds no control character (tab allowed): a value for one header line
// (the cookie text, which comes from the caller and from Set-Cookie lines).
bool isSafeHeaderValue(std::string_view value);
// True when every CR LF separated line of the block is free of control characters (tab allowed).
bool isSafeHeaderBlock(std::string_view block);

}  // namespace pindora
