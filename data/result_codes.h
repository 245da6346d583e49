// The result codes of the table engine: the datapacket reader, the row store
// and the packet loading share them. Every engine operation returns one of
// these 16-bit codes; 0 is success. The engine never throws; the table facade
// turns a non-zero code into an EDBClient error.
//
// Each code has a short English message of our own (ResultMessage below).
// The engine this design follows had empty texts; ours replace them so that an
// error can say what went wrong.
#pragma once

#include <cstdint>
#include <string_view>

namespace data {

using DsResult = std::uint16_t;

inline constexpr DsResult kDsOk = 0;
// End of a list: no more columns, properties or rows (the normal end).
inline constexpr DsResult kDsEnd = 0x2202;
// No message text exists for a code.
inline constexpr DsResult kDsNoMessage = 0x2208;
inline constexpr DsResult kDsOutOfMemory = 0x2501;
// The slot is null (GetNextField only).
inline constexpr DsResult kDsNullValue = 0x260C;
// The caller's buffer is too small or missing; a "SUBTYPE" value that is not
// a string; a table property that must be an array and is not.
inline constexpr DsResult kDsBufferTooSmall = 0x2702;
// Unsupported type word: class and width not accepted, the array bit with the
// varying bit, or a column with the array bit.
inline constexpr DsResult kDsUnsupportedType = 0x2710;
// No packet; a call out of order; more than 63 tables.
inline constexpr DsResult kDsBadCall = 0x2A04;
// A table is created from a packet without metadata.
inline constexpr DsResult kDsNoMetadata = 0x4003;
// A packet is appended but no reader is kept.
inline constexpr DsResult kDsNoReader = 0x4004;
// The packet is malformed or cannot be reached: shorter than its header,
// names, lengths or counts claim; no column; the markup form; an appended
// packet with metadata and rows but no valid row offset.
inline constexpr DsResult kDsBadPacket = 0x4005;

// A 32-bit result is success when its low 16 bits are 0.
constexpr bool DsSucceeded(std::uint32_t result) {
  return (result & 0xFFFF) == 0;
}

// The message for `code` (one short English sentence without a final full
// stop, at most 127 characters), or an empty view for a code we do not know.
std::string_view ResultMessage(DsResult code);

}  // namespace data
