// DSEXTRACT, the binary datapacket reader. Sections:
//   1. reference counting and binding (Init, InitAppend, the header check)
//   2. metadata: column descriptors, property lists, the table list
//   3. the end of the metadata: slot tables and the row-count check
//   4. rows: status bytes, slots, nested rows
//   5. messages
#include "data/datapacket_reader.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace data {

namespace {

using namespace data::packet;

// Copies a name into a fixed zero-terminated buffer, keeping what fits.
template <std::size_t N>
void CopyName(std::span<const std::uint8_t> bytes, std::array<char, N>& out) {
  const std::size_t n = std::min(bytes.size(), N - 1);
  if (n > 0) std::memcpy(out.data(), bytes.data(), n);
  out[n] = '\0';
}

// Copies a value into the caller's buffer. Row values are mostly a few
// bytes; a plain loop for those saves the library call.
void CopyValue(std::span<const std::uint8_t> bytes, void* out) {
  auto* to = static_cast<std::uint8_t*>(out);
  if (bytes.size() <= 16) {
    for (std::size_t i = 0; i < bytes.size(); ++i) to[i] = bytes[i];
  } else {
    std::memcpy(to, bytes.data(), bytes.size());
  }
}

// Reads and checks the 24 header bytes of `packet`.
DsResult ReadHeader(std::span<const std::uint8_t> packet, DsPacketHeader& header) {
  if (packet.data() == nullptr) return kDsBadCall;
  base::ByteCursor at(packet);
  DsPacketHeader h;
  at.Read(h.magic);
  at.Read(h.version);
  at.Read(h.revision);
  at.Read(h.header_size);
  at.Read(h.column_count);
  at.Read(h.row_count);
  at.Read(h.attributes);
  at.Read(h.row_offset);
  if (!at.Ok()) return kDsBadPacket;
  const bool binary = h.magic == kMagicUnversioned ||
                      (h.magic == kMagic && h.version <= kMaxVersion && h.revision <= kMaxVersion);
  // Anything else would go to the markup reader, which we do not have.
  if (!binary || (h.attributes & kMarkup) != 0) return kDsBadPacket;
  if (h.header_size < kHeaderSize || h.header_size > packet.size()) return kDsBadPacket;
  header = h;
  return kDsOk;
}

bool IsComposite(std::uint32_t type_word) {
  const std::uint32_t type_class = TypeClassOf(type_word);
  return type_class == kClassAdt || type_class == kClassArray || type_class == kClassNested;
}

}  // namespace

// ---------------------------------------------------------------------------
// 1. Reference counting and binding

DsRef<DSEXTRACT> DSEXTRACT::Create() {
  return DsRef<DSEXTRACT>::Adopt(new (std::nothrow) DSEXTRACT());
}

DsResult DSEXTRACT::QueryInterface(DsInterfaceId id, void** out) {
  if (out == nullptr) return kDsBadCall;
  *out = nullptr;
  if (id != DsInterfaceId::kUnknown && id != DsInterfaceId::kDataPacketRead) return kDsBadCall;
  *out = static_cast<TDATAPACKET_READ*>(this);
  AddRef();
  return kDsOk;
}

std::uint32_t DSEXTRACT::AddRef() {
  return ++refs_;
}

std::uint32_t DSEXTRACT::Release() {
  const std::uint32_t left = --refs_;
  if (left == 0) delete this;
  return left;
}

DsResult DSEXTRACT::Init(std::span<const std::uint8_t> packet) {
  bound_ = metadata_done_ = rows_done_ = released_ = false;
  header_ = {};
  cursor_ = {};
  tables_.clear();
  DsPacketHeader header;
  if (const DsResult r = ReadHeader(packet, header)) return r;
  try {
    // Reserved once, so that references into the list stay valid.
    tables_.reserve(DsReaderLimits::kMaxTables);
    tables_.emplace_back();
  } catch (const std::bad_alloc&) {
    return kDsOutOfMemory;
  }
  header_ = header;
  cursor_ = base::ByteCursor(packet);
  cursor_.Seek(header_.header_size);  // checked against the size by ReadHeader
  tables_[0].column_count = header_.column_count;
  current_ = 0;
  list_owner_ = ListOwner::kColumn;
  properties_left_ = 0;
  rows_read_ = 0;
  bound_ = true;
  return kDsOk;
}

DsResult DSEXTRACT::InitAppend(std::span<const std::uint8_t> packet) {
  if (!metadata_done_) return kDsBadCall;
  DsPacketHeader header;
  if (const DsResult r = ReadHeader(packet, header)) return r;
  std::size_t start = header.header_size;
  if (header.attributes & kRowOffsetValid) {
    if (header.row_offset < kHeaderSize || header.row_offset > packet.size()) return kDsBadPacket;
    start = header.row_offset;
  } else if ((header.attributes & kHasMetadata) && header.row_count > 0) {
    return kDsBadPacket;  // its rows cannot be found without reading its metadata
  }
  base::ByteCursor at(packet);
  at.Seek(start);
  if (const DsResult r = CheckRowCount(at, header.row_count)) return r;
  header_ = header;
  cursor_ = at;
  released_ = false;
  StartRows();
  return kDsOk;
}

std::size_t DSEXTRACT::Position() const {
  return released_ ? released_position_ : cursor_.Position();
}

void DSEXTRACT::ReleasePacket() {
  released_position_ = cursor_.Position();
  released_ = true;
  cursor_ = {};
}

// ---------------------------------------------------------------------------
// 2. Metadata

DsResult DSEXTRACT::GetNextColumnDesc(DSColumnDesc* column) {
  if (!bound_) return kDsBadCall;
  if (metadata_done_) return kDsEnd;
  Table& table = tables_[current_];
  if (table.columns_read >= table.column_count) return kDsEnd;
  if (properties_left_ > 0) return kDsBadCall;
  if (column == nullptr) return kDsBufferTooSmall;

  base::ByteCursor at = cursor_;
  std::uint8_t name_length = 0;
  std::span<const std::uint8_t> name;
  std::uint32_t type_word = 0;
  std::uint16_t attributes = 0, property_count = 0;
  at.Read(name_length);
  at.ReadSpan(name_length, name);
  at.Read(type_word);
  at.Read(attributes);
  at.Read(property_count);
  if (!at.Ok()) return kDsBadPacket;

  const bool nested = TypeClassOf(type_word) == kClassNested;
  const std::uint32_t nested_columns = WidthOf(type_word);
  if (nested) {
    // This column is one of the table's; the nested table's columns come out of the rest.
    if (nested_columns > table.column_count - table.columns_read - 1) return kDsBadPacket;
    if (tables_.size() >= DsReaderLimits::kMaxTables) return kDsBadCall;
  }
  try {
    table.columns.push_back({type_word, -1});
  } catch (const std::bad_alloc&) {
    return kDsOutOfMemory;
  }
  cursor_ = at;
  ++table.columns_read;
  if (nested) {
    table.column_count -= nested_columns;
    table.columns.back().nested_table = static_cast<std::int32_t>(tables_.size());
    Table& child = tables_.emplace_back();  // capacity reserved in Init
    child.column_count = nested_columns;
    child.parent = static_cast<std::int32_t>(current_);
    child.parent_column = table.columns_read - 1;
    current_ = tables_.size() - 1;
  }
  list_owner_ = ListOwner::kColumn;
  properties_left_ = property_count;

  CopyName(name, column->name);
  column->type_word = type_word;
  column->attributes = attributes;
  return kDsOk;
}

DsResult DSEXTRACT::ReadProperty(base::ByteCursor& at, std::span<const std::uint8_t>& name,
                                 std::uint32_t& type_word, FieldValue& value) const {
  std::uint8_t name_length = 0;
  at.Read(name_length);
  at.ReadSpan(name_length, name);
  at.Read(type_word);
  if (!at.Ok()) return kDsBadPacket;
  std::unique_ptr<FLDConv> codec;
  try {
    codec = MakeFieldCodec(type_word);
  } catch (const std::bad_alloc&) {
    return kDsOutOfMemory;
  }
  if (!codec) return kDsUnsupportedType;
  if ((type_word & kArray) == 0) return codec->Read(at, value) ? kDsOk : kDsBadPacket;

  // An array value: a 4-byte element count, then the elements; the caller
  // receives both.
  base::ByteCursor whole = at;
  std::uint32_t count = 0;
  if (!at.Read(count)) return kDsBadPacket;
  const std::uint64_t element = static_cast<std::uint64_t>(codec->FixedSize());
  if (element > 0 && count > at.Remaining() / element) return kDsBadPacket;
  const std::uint64_t total = 4 + count * element;
  if (total > UINT32_MAX || !whole.ReadSpan(total, value.bytes)) return kDsBadPacket;
  value.length = static_cast<std::uint32_t>(total);
  at = whole;
  return kDsOk;
}

DsResult DSEXTRACT::PeekOptParameterSize(std::uint32_t* size) {
  if (!bound_) return kDsBadCall;
  if (metadata_done_ || properties_left_ == 0) return kDsEnd;
  if (size == nullptr) return kDsBufferTooSmall;
  base::ByteCursor at = cursor_;
  std::span<const std::uint8_t> name;
  std::uint32_t type_word = 0;
  FieldValue value;
  if (const DsResult r = ReadProperty(at, name, type_word, value)) return r;
  *size = value.length;
  return kDsOk;
}

DsResult DSEXTRACT::GetNextOptParameter(DsPropertyName* name, std::uint32_t* type_word, std::uint32_t* size,
                                        void* value) {
  if (!bound_) return kDsBadCall;
  if (metadata_done_) return kDsEnd;
  if (properties_left_ == 0) return EndOfList();

  base::ByteCursor at = cursor_;
  std::span<const std::uint8_t> property_name;
  std::uint32_t word = 0;
  FieldValue property;
  if (const DsResult r = ReadProperty(at, property_name, word, property)) return r;
  if (value != nullptr) {
    if (size == nullptr || property.bytes.size() > *size) {
      if (size != nullptr) *size = property.length;
      return kDsBufferTooSmall;
    }
    CopyValue(property.bytes, value);
  }
  if (size != nullptr) *size = property.length;
  if (type_word != nullptr) *type_word = word;
  if (name != nullptr) CopyName(property_name, *name);
  if (name != nullptr && value != nullptr) {
    cursor_ = at;
    --properties_left_;
  }
  return kDsOk;
}

// The current property list is exhausted: move on as the calling order says.
DsResult DSEXTRACT::EndOfList() {
  const Table& table = tables_[current_];
  if (list_owner_ == ListOwner::kColumn) {
    if (table.columns_read < table.column_count) return kDsEnd;  // more columns first
    // The table's own list follows its last column.
    base::ByteCursor at = cursor_;
    std::uint16_t count = 0;
    if (!at.Read(count)) return kDsBadPacket;
    cursor_ = at;
    list_owner_ = ListOwner::kTable;
    properties_left_ = count;
    return kDsEnd;
  }
  if (table.parent >= 0) {
    // A nested table is done: its parent goes on with its columns or its own list.
    current_ = static_cast<std::size_t>(table.parent);
    list_owner_ = ListOwner::kColumn;
    return EndOfList();
  }
  return FinishMetadata();
}

// ---------------------------------------------------------------------------
// 3. The end of the metadata

DsResult DSEXTRACT::FinishMetadata() {
  std::size_t total_slots = 0;
  try {
    for (Table& table : tables_) {
      if (const DsResult r = BuildSlots(table, total_slots)) return r;
    }
  } catch (const std::bad_alloc&) {
    for (Table& table : tables_) table.slots.clear();
    return kDsOutOfMemory;
  }
  if (const DsResult r = CheckRowCount(cursor_, header_.row_count)) return r;
  metadata_done_ = true;
  StartRows();
  return kDsEnd;
}

DsResult DSEXTRACT::BuildSlots(Table& table, std::size_t& total_slots) const {
  table.slots.clear();
  const auto add = [&](std::uint32_t type_word, std::int32_t nested_table, std::size_t column) -> DsResult {
    if (total_slots >= DsReaderLimits::kMaxSlots) return kDsUnsupportedType;
    if ((type_word & kArray) != 0) return kDsUnsupportedType;  // array values are for properties only
    std::unique_ptr<FLDConv> codec = MakeFieldCodec(type_word);
    if (!codec) return kDsUnsupportedType;
    const std::size_t j = table.slots.size();
    Slot& slot = table.slots.emplace_back();
    slot.fixed_size = codec->FixedSize();
    slot.codec = std::move(codec);
    slot.flag_byte = static_cast<std::uint32_t>(j / 4);
    slot.null_mask = static_cast<std::uint8_t>(kSlotNull << (2 * (j % 4)));
    slot.not_changed_mask = static_cast<std::uint8_t>(kSlotNotChanged << (2 * (j % 4)));
    slot.nested_table = nested_table;
    slot.column = static_cast<std::uint32_t>(column);
    ++total_slots;
    return kDsOk;
  };
  for (std::size_t i = 0; i < table.columns.size(); ++i) {
    const Column& column = table.columns[i];
    if (const DsResult r = add(column.type_word, column.nested_table, i)) return r;
    if (TypeClassOf(column.type_word) != kClassArray) continue;
    // An array column: its element column's slot repeats once per element.
    if (i + 1 >= table.columns.size()) return kDsUnsupportedType;
    const std::size_t element_column = ++i;
    const Column& element = table.columns[element_column];
    if (IsComposite(element.type_word)) return kDsUnsupportedType;
    const std::uint32_t elements = WidthOf(column.type_word);
    if (elements > DsReaderLimits::kMaxArrayElements || elements > DsReaderLimits::kMaxSlots - total_slots) {
      return kDsUnsupportedType;
    }
    table.slots.reserve(table.slots.size() + elements);
    for (std::uint32_t e = 0; e < elements; ++e) {
      if (const DsResult r = add(element.type_word, -1, element_column)) return r;
    }
  }
  table.flag_bytes = FieldFlagBytes(table.slots.size());
  return kDsOk;
}

// Every top-level row takes at least its status byte and its flag bytes.
DsResult DSEXTRACT::CheckRowCount(const base::ByteCursor& at, std::uint32_t row_count) const {
  const std::size_t smallest_row = 1 + tables_[0].flag_bytes;
  return row_count <= at.Remaining() / smallest_row ? kDsOk : kDsBadPacket;
}

void DSEXTRACT::StartRows() {
  for (Table& table : tables_) {
    table.item = 0;
    table.rows_to_go = 0;
    table.flags = {};
  }
  current_ = 0;
  rows_read_ = 0;
  rows_done_ = header_.row_count == 0;
  if (rows_done_) ReleasePacket();
}

// ---------------------------------------------------------------------------
// 4. Rows

inline DsResult DSEXTRACT::ReadItem(base::ByteCursor& at, const Table& table, FieldValue& value,
                                    DsSlotState& state, std::span<const std::uint8_t>& flags) {
  state = DsSlotState::kValue;
  if (table.item == 0) {  // status byte, then the field flags
    if (!at.ReadSpan(1, value.bytes) || !at.ReadSpan(table.flag_bytes, flags)) return kDsBadPacket;
    value.length = 1;
    return kDsOk;
  }
  const Slot& slot = table.slots[table.item - 1];
  const std::uint8_t bits = table.flags[slot.flag_byte];
  if (bits & slot.null_mask) {  // null wins over not changed
    state = DsSlotState::kNull;
  } else if (bits & slot.not_changed_mask) {
    state = DsSlotState::kNotChanged;
  } else {
    if (slot.fixed_size >= 0) {  // the codec's own fixed size, read without the indirect call
      if (!at.ReadSpan(static_cast<std::size_t>(slot.fixed_size), value.bytes)) return kDsBadPacket;
      value.length = static_cast<std::uint32_t>(slot.fixed_size);
      return kDsOk;
    }
    return slot.codec->Read(at, value) ? kDsOk : kDsBadPacket;
  }
  value = {};
  return kDsOk;
}

DsResult DSEXTRACT::PeekFieldSize(std::uint32_t* size) {
  if (!metadata_done_) return kDsBadCall;
  if (rows_done_) return kDsEnd;
  if (size == nullptr) return kDsBufferTooSmall;
  base::ByteCursor at = cursor_;
  FieldValue value;
  DsSlotState state;
  std::span<const std::uint8_t> flags;
  if (const DsResult r = ReadItem(at, tables_[current_], value, state, flags)) return r;
  *size = value.length;
  return kDsOk;
}

DsResult DSEXTRACT::GetNextField(std::uint32_t* size, void* value, DsSlotState* state) {
  if (!metadata_done_) return kDsBadCall;
  if (rows_done_) return kDsEnd;
  Table& table = tables_[current_];
  // Read in place and undo on failure: copying the cursor per item costs more
  // than the item.
  const base::ByteCursor::Mark start = cursor_.Save();
  const auto undo = [&](DsResult r) {
    cursor_.Restore(start);
    return r;
  };
  FieldValue item;
  DsSlotState item_state;
  std::span<const std::uint8_t> flags = table.flags;
  if (const DsResult r = ReadItem(cursor_, table, item, item_state, flags)) return undo(r);
  if (state != nullptr) *state = item_state;

  if (item_state != DsSlotState::kValue) {
    if (size != nullptr) *size = 0;
    ++table.item;
    if (table.item > table.slots.size()) CompleteRows();
    return item_state == DsSlotState::kNull ? kDsNullValue : kDsOk;
  }
  if (value == nullptr || size == nullptr || *size == 0 || item.bytes.size() > *size) {
    return undo(kDsBufferTooSmall);
  }

  std::int32_t nested_rows = 0;
  const std::int32_t nested_index = table.item > 0 ? table.slots[table.item - 1].nested_table : -1;
  Table* nested = nullptr;
  if (nested_index >= 0) {
    base::ByteCursor count(item.bytes);
    count.Read(nested_rows);  // the codec gave exactly 4 bytes
    if (nested_rows > 0) {
      nested = &tables_[static_cast<std::size_t>(nested_index)];
      const std::size_t smallest_row = 1 + nested->flag_bytes;
      if (static_cast<std::uint32_t>(nested_rows) > cursor_.Remaining() / smallest_row)
        return undo(kDsBadPacket);
    }
  }

  CopyValue(item.bytes, value);
  *size = item.length;
  table.flags = flags;
  ++table.item;
  if (nested != nullptr) {
    nested->rows_to_go = static_cast<std::uint32_t>(nested_rows);
    nested->item = 0;
    current_ = static_cast<std::size_t>(nested_index);
    return kDsOk;
  }
  if (table.item > table.slots.size()) CompleteRows();
  return kDsOk;
}

// Ends the rows that the last item completed: a nested table's last row
// returns to its parent's row, which may be complete as well.
void DSEXTRACT::CompleteRows() {
  for (;;) {
    Table& table = tables_[current_];
    if (table.item <= table.slots.size()) return;
    table.item = 0;
    if (table.parent < 0) {
      if (++rows_read_ == header_.row_count) {
        rows_done_ = true;
        ReleasePacket();
      }
      return;
    }
    if (--table.rows_to_go > 0) return;
    current_ = static_cast<std::size_t>(table.parent);
  }
}

bool DSEXTRACT::NextItemPlace(std::size_t& table, std::uint32_t& item) const {
  if (!metadata_done_ || rows_done_) return false;
  table = current_;
  item = tables_[current_].item;
  return true;
}

std::size_t DSEXTRACT::SlotCount(std::size_t table) const {
  return metadata_done_ && table < tables_.size() ? tables_[table].slots.size() : 0;
}

std::int64_t DSEXTRACT::SlotColumn(std::size_t table, std::size_t slot) const {
  if (slot >= SlotCount(table)) return -1;
  return tables_[table].slots[slot].column;
}

// ---------------------------------------------------------------------------
// 5. Messages

DsResult DSEXTRACT::GetErrorString(DsResult code, DsErrorText* text) {
  if (text == nullptr) return kDsBufferTooSmall;
  const std::string_view message = ResultMessage(code);
  const std::size_t n = std::min(message.size(), text->size() - 1);
  if (n > 0) std::memcpy(text->data(), message.data(), n);
  (*text)[n] = '\0';
  return message.empty() ? kDsNoMessage : kDsOk;
}

}  // namespace data
