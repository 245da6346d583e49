// Printing a component stream as a tree: one line per object record (class,
// name, prefix flags), its properties indented below it with their values,
// then its children one level deeper. Binary values print their size only.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>

namespace tools {

// True when `bytes` start with the component stream signature.
bool LooksLikeComponentStream(std::span<const std::uint8_t> bytes);

// Prints the tree to `out`; returns 0, or 1 after printing the read error
// (with its byte offset) to `err` when the stream is malformed.
int DumpComponentStream(std::span<const std::uint8_t> bytes, std::FILE* out, std::FILE* err);

}  // namespace tools
