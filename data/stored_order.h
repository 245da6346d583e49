// A stored order: the record numbers of one built order, computed ahead of
// time (by the packet builder) and carried beside the table's packet, so that
// opening the table need not sort it.
//
// Bytes, little-endian:
//   4 bytes   the tag "pbOr"
//   uint32    count
//   count x uint32   record numbers, in the order's sequence
//
// Decoding checks only the bytes; whether the numbers fit a table is the row
// store's check when it adopts them (IDSBase::AdoptTemporaryIndex).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace data {

std::string EncodeStoredOrder(std::span<const uint32_t> records);

// The record numbers of `bytes`; false (and `records` empty) for bytes of
// another tag, fewer than a header, or a size other than the count gives.
bool DecodeStoredOrder(std::span<const uint8_t> bytes, std::vector<uint32_t>& records);

}  // namespace data
