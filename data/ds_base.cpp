#include "data/ds_base.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstring>
#include <limits>
#include <new>

#include "base/ascii_name.h"
#include "base/byte_cursor.h"
#include "data/field_bytes.h"
#include "data/field_def.h"
#include "data/field_type.h"
#include "data/order_sort.h"

namespace data {

// ---------------------------------------------------------------------------
// Contents: the table state, value access, the packet loader, key comparison,
// orders, the public operations.

namespace {

enum class CompareKind { kNone, kSigned, kUnsigned, kFloat, kCollated, kBytes };

CompareKind KindOf(const FieldDescriptor& d) {
  switch (d.logical_type) {
    case logical::kInt8:
    case logical::kInt16:
    case logical::kInt32:
    case logical::kInt64:
    case logical::kDate:
    case logical::kTime:
    case logical::kBoolean8:
    case logical::kBoolean16:
    case logical::kBoolean32:
      return CompareKind::kSigned;
    case logical::kUInt8:
    case logical::kUInt16:
    case logical::kUInt32:
    case logical::kUInt64:
      return CompareKind::kUnsigned;
    case logical::kFloat:
    case logical::kTimestamp:
      return CompareKind::kFloat;
    case logical::kString:
      return CompareKind::kCollated;
    case logical::kAdt:
      return CompareKind::kNone;
    default:
      return CompareKind::kBytes;
  }
}

// Columns whose values go to the text area: every class read like text.
bool IsTextClass(uint32_t type_word) {
  using namespace packet;
  switch (TypeClassOf(type_word)) {
    case kClassSigned:
    case kClassUnsigned:
    case kClassBoolean:
    case kClassFloat:
    case kClassBcd:
    case kClassDate:
    case kClassTime:
    case kClassTimestamp:
    case kClassAdt:
    case kClassArray:
    case kClassNested:
    case kClassSqlTimestamp:
    case kClassFmtBcd:
      return false;
    default:
      return true;
  }
}

std::string_view AsTextExact(std::span<const uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}
double FloatValue(std::span<const uint8_t> bytes) {
  double d = 0;
  if (bytes.size() == sizeof d) std::memcpy(&d, bytes.data(), sizeof d);
  return d;
}
template <typename T>
int Three(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}
int CompareBytes(std::string_view a, std::string_view b) {
  const int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// One key field's value as a comparison reads it: integers (signed, or
// unsigned in the same bits), reals, or text (stored bytes, or sort keys).
struct KeyOperand {
  int64_t integer = 0;
  double real = 0;
  std::string_view text;
};

// How collated text operands compare: through the collation in `mode`, or,
// when they are sort keys the collation made, byte by byte.
struct TextOrder {
  const Collation* collation = nullptr;
  CaseMode mode = CaseMode::kSensitive;
  bool sort_keys = false;
};

// The operand of a row store value of `kind`.
KeyOperand OperandOf(CompareKind kind, std::span<const uint8_t> v) {
  KeyOperand out;
  switch (kind) {
    case CompareKind::kSigned:
      out.integer = SignedFieldValue(v);
      break;
    case CompareKind::kUnsigned:
      out.integer = static_cast<int64_t>(UnsignedFieldValue(v));
      break;
    case CompareKind::kFloat:
      out.real = FloatValue(v);
      break;
    case CompareKind::kCollated:
    case CompareKind::kBytes:
      out.text = AsTextExact(v);
      break;
    case CompareKind::kNone:
      break;
  }
  return out;
}

// -1, 0 or 1 as `a` orders before, with or after `b`, both of `kind`: the
// one comparison of key values, for searches and for sorts alike.
int CompareOperands(CompareKind kind, const KeyOperand& a, const KeyOperand& b, const TextOrder& order) {
  switch (kind) {
    case CompareKind::kSigned:
      return Three(a.integer, b.integer);
    case CompareKind::kUnsigned:
      return Three(static_cast<uint64_t>(a.integer), static_cast<uint64_t>(b.integer));
    case CompareKind::kFloat:
      return Three(a.real, b.real);
    case CompareKind::kCollated:
      assert(order.sort_keys || order.collation);
      return order.sort_keys ? CompareSortKeys(a.text, b.text)
                             : order.collation->Compare(a.text, b.text, order.mode);
    case CompareKind::kBytes:
      return CompareBytes(a.text, b.text);
    case CompareKind::kNone:
      break;
  }
  return 0;
}

// A text value's place in a row slot, which the loader wrote: the store's own
// bytes, never a packet's (those are read through a ByteCursor).
uint32_t ReadU32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}
void WriteU32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// The elements of an array property value (a 4-byte count, then elements of
// the type word's width), as numbers; false when the value is no such array.
bool ArrayElements(uint32_t type_word, std::span<const uint8_t> value, std::vector<uint32_t>& out) {
  if ((type_word & packet::kArray) == 0) return false;
  const uint32_t width = packet::WidthOf(type_word);
  if (width != 1 && width != 2 && width != 4) return false;
  base::ByteCursor cursor(value);
  uint32_t count = 0;
  if (!cursor.Read(count) || count > cursor.Remaining() / width) return false;
  out.clear();
  for (std::span<const uint8_t> element; out.size() < count && cursor.ReadSpan(width, element);)
    out.push_back(static_cast<uint32_t>(UnsignedFieldValue(element)));
  return cursor.Ok();
}

// A text property value without its terminating zero bytes.
std::string_view AsText(std::span<const uint8_t> bytes) {
  std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  while (!text.empty() && text.back() == '\0') text.remove_suffix(1);
  return text;
}

// The property names the store knows, numbered as the engine numbers them.
enum PropertyId {
  kPropOther = 0,
  kUniqueKey = 1,
  kDefaultOrder = 2,
  kChangeLog = 3,
  kDatasetContext = 6,
  kDatasetDelta = 7,
  kReadOnly = 8,
  kSubtype = 9,
  kDecimals = 10,
  kWidth = 11,
  kLcid = 12,
  kBdeDomainX = 13,
  kBdeRecordX = 14,
  kBdeDefaultX = 15,
  kAutoIncValue = 16,
  kElements = 17,
  kTableName = 18,
  kMdFieldLinks = 19,
  kTypeName = 20,
  kUpdateMode = 21,
  kMdSemantics = 22,
  kCalculated = 23,
  kBdeDomainCl = 24,
  kBdeRecordCl = 25,
  kBdeDefaultCl = 26,
  kDelta = 27,
  kPrimaryKey = 28,
  kDisableDeletes = 31,
  kDisableInserts = 32,
  kDisableEdits = 33,
};

PropertyId IdOf(std::string_view name) {
  static constexpr std::array<const char*, 33> kNames = {
      "UNIQUE_KEY",      "DEFAULT_ORDER",   "CHANGE_LOG",   "SERVER_COL",   "CONSTRAINTS", "DATASET_CONTEXT",
      "DATASET_DELTA",   "READONLY",        "SUBTYPE",      "DECIMALS",     "WIDTH",       "LCID",
      "BDEDOMAIN_X",     "BDERECORD_X",     "BDEDEFAULT_X", "AUTOINCVALUE", "ELEMENTS",    "TABLENAME",
      "MD_FIELDLINKS",   "TYPENAME",        "UPDATEMODE",   "MD_SEMANTICS", "CALCULATED",  "BDEDOMAIN_CL",
      "BDERECORD_CL",    "BDEDEFAULT_CL",   "DELTA",        "PRIMARY_KEY",  "MINVALUE",    "MAXVALUE",
      "DISABLE_DELETES", "DISABLE_INSERTS", "DISABLE_EDITS"};
  for (size_t i = 0; i < kNames.size(); ++i) {
    if (base::SameNameIgnoringAsciiCase(kNames[i], name)) return static_cast<PropertyId>(i + 1);
  }
  return kPropOther;
}

}  // namespace

// ---------------------------------------------------------------------------
// The table state: everything a load builds, swapped in only on success.

struct IDSBase::Table {
  std::vector<FieldDescriptor> fields;
  uint32_t record_size = 0;
  std::vector<uint8_t> rows;  // record_size bytes per row
  std::vector<uint8_t> status;
  std::vector<uint8_t> text;  // values of text columns
  uint32_t live = 0;
  uint32_t locale = 0;
  bool delta = false;
  bool read_only = false;
  bool disable_deletes = false, disable_inserts = false, disable_edits = false;
  uint32_t update_mode = 0;
  uint32_t semantics = 0;
  int64_t next_autoinc = 0;
  std::vector<KeptProperty> kept;
  std::vector<std::string> constraints;
  std::vector<uint32_t> change_log;
  std::vector<uint32_t> field_links;
  std::vector<IndexDescriptor> packet_orders;  // DEFAULT_ORDER, UNIQUE_KEY, PRIMARY_KEY

  uint32_t RowCount() const { return static_cast<uint32_t>(status.size()); }
  // How much the rows take, to go back to after an append that failed.
  struct Extent {
    size_t rows = 0, status = 0, text = 0;
    uint32_t live = 0;
  };
  Extent Size() const { return {rows.size(), status.size(), text.size(), live}; }
  // Drops what came after `extent` (smaller sizes never allocate).
  void TruncateTo(const Extent& extent) {
    rows.resize(extent.rows);
    status.resize(extent.status);
    text.resize(extent.text);
    live = extent.live;
  }
  // Whether a row of this status is live and takes its place in the orders.
  bool TakesPart(uint8_t row_status) const { return delta || (row_status & packet::kRowLeftOut) == 0; }
  // For 1 <= record <= RowCount().
  const uint8_t* Row(uint32_t record) const {
    assert(record >= 1 && record <= RowCount());
    return rows.data() + size_t{record - 1} * record_size;
  }

  // The value of a field in a row, as a view into the store.
  FieldData::State View(uint32_t record, const FieldDescriptor& f, std::span<const uint8_t>& bytes,
                        int32_t& length) const {
    const uint8_t* slot = Row(record) + f.offset;
    const auto state = static_cast<FieldData::State>(slot[0]);
    bytes = {};
    length = 0;
    if (state != FieldData::State::kValue) return state;
    if (f.text) {
      const uint32_t at = ReadU32(slot + 1);
      length = static_cast<int32_t>(ReadU32(slot + 5));
      if (length > 0) bytes = std::span<const uint8_t>(text).subspan(at, static_cast<size_t>(length));
    } else {
      bytes = std::span<const uint8_t>(slot + 1, f.value_size);
      length = static_cast<int32_t>(f.value_size);
    }
    return state;
  }
};

// ---------------------------------------------------------------------------
// The loader: reads one packet through the reader into a Table.

class IDSBase::Loader {
 public:
  // `packet_size` bounds every value length the reader reports.
  Loader(TDATAPACKET_READ& reader, Table& table, const Collation& collation, size_t packet_size)
      : reader_(reader), t_(table), collation_(collation), packet_size_(packet_size) {}

  DsResult Metadata() {
    const DsPacketHeader& header = reader_.Header();
    if ((header.attributes & packet::kHasMetadata) == 0) return kDsNoMetadata;
    DSColumnDesc column;
    for (;;) {
      const DsResult r = reader_.GetNextColumnDesc(&column);
      if (r == kDsEnd) break;
      if (r != kDsOk) return r;
      if (const DsResult c = AddColumn(column)) return c;
      if (const DsResult p = Properties(static_cast<uint32_t>(t_.fields.size()))) return p;
    }
    if (t_.fields.empty()) return kDsBadPacket;
    if (const DsResult p = Properties(0)) return p;
    if (!reader_.MetadataDone()) return kDsBadCall;
    Layout();
    return kDsOk;
  }

  // Reads rows until the reader's end; each complete row is committed. Out
  // of memory is kDsOutOfMemory, with the rows committed before it kept.
  DsResult Rows() {
    const uint64_t expected = uint64_t{reader_.Header().row_count};
    const uint64_t room = expected >= 2147483647u ? 100 : expected + 25;
    if (t_.record_size > 0 && room > (uint64_t{SIZE_MAX} / 2) / t_.record_size) return kDsOutOfMemory;
    try {
      t_.status.reserve(t_.status.size() + room);
      t_.rows.reserve(t_.rows.size() + room * t_.record_size);
    } catch (const std::bad_alloc&) {
      return kDsOutOfMemory;
    }
    for (;;) {
      uint8_t status = 0;
      uint32_t size = 1;
      DsSlotState state = DsSlotState::kValue;
      DsResult r = reader_.GetNextField(&size, &status, &state);
      if (r == kDsEnd) return kDsOk;
      if (r != kDsOk) return r;
      // A row is stored whole or not at all: a failure takes its bytes back.
      const size_t row_start = t_.rows.size();
      const size_t text_start = t_.text.size();
      const auto drop_row = [&] {
        t_.rows.resize(row_start);
        t_.text.resize(text_start);
      };
      try {
        t_.rows.resize(row_start + t_.record_size, 0);
        for (const FieldDescriptor& f : t_.fields) {
          r = Value(f, t_.rows.data() + row_start + f.offset);
          if (r != kDsOk) {
            drop_row();
            return r;
          }
        }
        t_.status.push_back(status);
      } catch (const std::bad_alloc&) {
        drop_row();
        return kDsOutOfMemory;
      }
      if (t_.TakesPart(status)) ++t_.live;
    }
  }

 private:
  DsResult AddColumn(const DSColumnDesc& column) {
    const uint32_t type_class = packet::TypeClassOf(column.type_word);
    if ((column.type_word & packet::kArray) || type_class == packet::kClassArray ||
        type_class == packet::kClassNested)
      return kDsUnsupportedType;
    FieldDescriptor d;
    d.name = std::string(column.name.data(), strnlen(column.name.data(), column.name.size()));
    d.type_word = column.type_word;
    d.logical_type = LogicalTypeOf(column.type_word);
    d.attributes = column.attributes;
    d.text = IsTextClass(column.type_word);
    const bool varying = (column.type_word & packet::kVarying) != 0;
    d.length = varying ? 0 : packet::WidthOf(column.type_word);
    if (type_class == packet::kClassAdt) d.units1 = static_cast<int32_t>(packet::WidthOf(column.type_word));
    if (!d.text) {
      const auto codec = MakeFieldCodec(column.type_word);
      if (!codec) return kDsUnsupportedType;
      d.value_size = static_cast<uint32_t>(codec->FixedSize());
    } else {
      d.value_size = 8;  // text-area offset and length
    }
    t_.fields.push_back(std::move(d));
    return kDsOk;
  }

  // Reads one property list (column > 0: that column's; 0: the table's).
  DsResult Properties(uint32_t column) {
    for (;;) {
      DsPropertyName name{};
      uint32_t type_word = 0;
      uint32_t size = static_cast<uint32_t>(small_.size());
      uint8_t* buffer = small_.data();
      DsResult r = reader_.GetNextOptParameter(&name, &type_word, &size, buffer);
      if (r == kDsBufferTooSmall && size > small_.size()) {
        if (size > packet_size_) return kDsBadPacket;
        try {
          if (large_.size() < size) large_.resize(size);
        } catch (const std::bad_alloc&) {
          return kDsOutOfMemory;
        }
        buffer = large_.data();
        r = reader_.GetNextOptParameter(&name, &type_word, &size, buffer);
      }
      if (r == kDsEnd) return kDsOk;
      // An unsupported property is not consumed: end this list here; the
      // reader refuses the next request, which fails the load.
      if (r == kDsUnsupportedType) return kDsOk;
      if (r != kDsOk) return r;
      const std::string_view property_name(name.data(), strnlen(name.data(), name.size()));
      // A negative 4-byte length comes back as its bit pattern: no bytes.
      const size_t capacity = buffer == small_.data() ? small_.size() : large_.size();
      const std::span<const uint8_t> value(buffer, size <= capacity ? size : 0);
      r = column > 0 ? ColumnProperty(column, property_name, type_word, value)
                     : TableProperty(property_name, type_word, value);
      if (r != kDsOk) return r;
    }
  }

  void Keep(uint32_t column, std::string_view name, uint32_t type_word, std::span<const uint8_t> value,
            uint32_t flags) {
    KeptProperty p;
    p.name = std::string(name);
    p.column = column;
    p.type_word = type_word;
    p.length = static_cast<uint32_t>(value.size());
    p.value.assign(reinterpret_cast<const char*>(value.data()), value.size());
    p.flags = flags | ((type_word & packet::kPropertyFlag) ? kKeptMarked : kKeptPlain);
    t_.kept.push_back(std::move(p));
  }

  DsResult ColumnProperty(uint32_t column, std::string_view name, uint32_t type_word,
                          std::span<const uint8_t> value) {
    FieldDescriptor& d = t_.fields[column - 1];
    const auto number = static_cast<int32_t>(PropertyNumber(type_word, value));
    switch (IdOf(name)) {
      case kSubtype: {
        if (packet::TypeClassOf(type_word) != packet::kClassString) return kDsBufferTooSmall;
        d.subtype = SubtypeCode(AsText(value));
        if (d.subtype == subtype::kAutoinc) d.attributes |= faReadonly;
        if (d.subtype == subtype::kUnknownName) Keep(column, name, type_word, value, kKeptMarked);
        return kDsOk;
      }
      case kDecimals:
        d.units2 = number;
        return kDsOk;
      case kWidth:
      case kElements:
        d.units1 = number;
        return kDsOk;
      case kCalculated:
        d.calculated = number != 0;
        return kDsOk;
      case kTypeName:
        Keep(column, name, type_word, value, kKeptMarked);
        return kDsOk;
      default:
        Keep(column, name, type_word, value, kKeptPlain);
        return kDsOk;
    }
  }

  DsResult TableProperty(std::string_view name, uint32_t type_word, std::span<const uint8_t> value) {
    const uint32_t number = PropertyNumber(type_word, value);
    std::vector<uint32_t> elements;
    const PropertyId id = IdOf(name);
    switch (id) {
      case kUniqueKey:
      case kPrimaryKey:
      case kDefaultOrder: {
        if (!ArrayElements(type_word, value, elements)) return kDsBufferTooSmall;
        IndexDescriptor index;
        index.name = id == kUniqueKey ? "UNIQUE_KEY" : id == kPrimaryKey ? "PRIMARY_KEY" : kDefaultOrderName;
        index.unique = id != kDefaultOrder;
        index.primary = id == kPrimaryKey;
        for (uint32_t e : elements) {
          if (index.fields.size() == IndexDescriptor::kMaxFields) break;
          index.fields.push_back({e & 0x3FFF, (e & 0x8000) != 0, (e & 0x4000) != 0});
        }
        t_.packet_orders.push_back(std::move(index));
        break;
      }
      case kChangeLog:
        if (packet::WidthOf(type_word) != 4 || !ArrayElements(type_word, value, elements))
          return kDsBufferTooSmall;
        t_.change_log.assign(elements.begin(),
                             elements.end() - static_cast<std::ptrdiff_t>(elements.size() % 3));
        return kDsOk;  // consumed
      case kDatasetContext:
      case kTableName:
      case kUpdateMode:
        if (id == kUpdateMode) t_.update_mode = number;
        Keep(0, name, type_word, value, kKeptMarked);
        return kDsOk;
      case kDatasetDelta:
      case kDelta:
        t_.delta = true;
        Keep(0, name, type_word, value, kKeptTableState);
        return kDsOk;
      case kReadOnly:
        t_.read_only = number != 0;
        Keep(0, name, type_word, value, kKeptTableState);
        return kDsOk;
      case kLcid:
        t_.locale = collation_.IsInstalledLocale(number) ? number : 0;
        Keep(0, name, type_word, value, kKeptTableState);
        return kDsOk;
      case kBdeDomainX:
      case kBdeRecordX:
      case kBdeDefaultX:
        t_.constraints.emplace_back(AsText(value));
        break;
      case kBdeDomainCl:
      case kBdeRecordCl:
      case kBdeDefaultCl:
        t_.constraints.emplace_back(AsText(value));
        return kDsOk;  // consumed
      case kAutoIncValue:
        t_.next_autoinc = number;
        return kDsOk;  // consumed
      case kMdFieldLinks:
        if (ArrayElements(type_word, value, elements)) t_.field_links = elements;
        return kDsOk;  // consumed
      case kMdSemantics:
        t_.semantics = number & 0x7;
        break;
      case kDisableDeletes:
        t_.disable_deletes = number != 0;
        break;
      case kDisableInserts:
        t_.disable_inserts = number != 0;
        break;
      case kDisableEdits:
        t_.disable_edits = number != 0;
        break;
      default:
        break;
    }
    Keep(0, name, type_word, value, kKeptPlain);
    return kDsOk;
  }

  // Places each field in the row: a state byte, then its value.
  void Layout() {
    uint32_t offset = 0;
    for (FieldDescriptor& f : t_.fields) {
      f.offset = offset;
      offset += 1 + f.value_size;
    }
    t_.record_size = offset;
  }

  // Reads one row item into its slot.
  DsResult Value(const FieldDescriptor& f, uint8_t* slot) {
    DsSlotState state = DsSlotState::kValue;
    uint32_t size = 0;
    DsResult r;
    if (!f.text) {
      size = f.value_size;
      std::array<uint8_t, 1> none{};
      r = reader_.GetNextField(&size, f.value_size > 0 ? slot + 1 : none.data(), &state);
      if (f.value_size == 0 && r == kDsBufferTooSmall) {
        // A value of no bytes (an ADT slot): the reader wants a non-zero capacity.
        size = 1;
        r = reader_.GetNextField(&size, none.data(), &state);
      }
      if (r == kDsNullValue || (r == kDsOk && state != DsSlotState::kValue)) {
        slot[0] = static_cast<uint8_t>(state == DsSlotState::kNotChanged ? FieldData::State::kNotChanged
                                                                         : FieldData::State::kNull);
        return kDsOk;
      }
      if (r != kDsOk) return r;
      if (size != f.value_size) return kDsBadPacket;
      slot[0] = 0;
      return kDsOk;
    }
    size = static_cast<uint32_t>(small_.size());
    uint8_t* buffer = small_.data();
    r = reader_.GetNextField(&size, buffer, &state);
    if (r == kDsBufferTooSmall) {
      uint32_t needed = 0;
      if (const DsResult p = reader_.PeekFieldSize(&needed)) return p;
      if (needed > packet_size_) return kDsBadPacket;
      try {
        if (large_.size() < needed) large_.resize(needed);
      } catch (const std::bad_alloc&) {
        return kDsOutOfMemory;
      }
      size = needed;
      buffer = large_.data();
      r = reader_.GetNextField(&size, buffer, &state);
    }
    if (r == kDsNullValue || (r == kDsOk && state != DsSlotState::kValue)) {
      slot[0] = static_cast<uint8_t>(state == DsSlotState::kNotChanged ? FieldData::State::kNotChanged
                                                                       : FieldData::State::kNull);
      return kDsOk;
    }
    if (r != kDsOk) return r;
    int32_t length = static_cast<int32_t>(size);
    const size_t capacity = buffer == small_.data() ? small_.size() : large_.size();
    if (length > 0 && static_cast<size_t>(length) > capacity) return kDsBadPacket;
    if (length > 0 && f.logical_type != logical::kBlob && f.units1 > 0 && length > f.units1)
      length = f.units1;
    if (length > 0 && t_.text.size() > UINT32_MAX - static_cast<uint32_t>(length)) return kDsOutOfMemory;
    const auto at = static_cast<uint32_t>(t_.text.size());
    if (length > 0) {
      try {
        t_.text.insert(t_.text.end(), buffer, buffer + length);
      } catch (const std::bad_alloc&) {
        return kDsOutOfMemory;
      }
    }
    slot[0] = 0;
    WriteU32(slot + 1, at);
    WriteU32(slot + 5, static_cast<uint32_t>(length));  // a negative blob length is kept as it is
    return kDsOk;
  }

  TDATAPACKET_READ& reader_;
  Table& t_;
  const Collation& collation_;
  size_t packet_size_;
  std::array<uint8_t, 128> small_{};
  std::vector<uint8_t> large_;
};

// ---------------------------------------------------------------------------
// The store.

IDSBase::IDSBase(const Collation& collation) : collation_(collation) {}
IDSBase::~IDSBase() = default;

DsResult IDSBase::AppendData(std::span<const uint8_t> packet, bool last) {
  (void)last;  // the reader is kept either way, so a later packet can still be appended
  std::lock_guard lock(mutex_);
  try {
    if (!table_) {
      if (packet.empty()) return kDsBadCall;
      DsRef<DSEXTRACT> reader = DSEXTRACT::Create();
      if (!reader) return kDsOutOfMemory;
      if (const DsResult r = reader->Init(packet)) return r;
      auto table = std::make_unique<Table>();
      Loader loader(*reader.get(), *table, collation_, packet.size());
      if (const DsResult r = loader.Metadata()) return r;
      if (const DsResult r = loader.Rows()) return r;
      table_ = std::move(table);
      reader_ = std::move(reader);
      indexes_.clear();
      temporary_in_use_ = nullptr;
      try {
        RebuildOrdersLocked();
      } catch (const std::bad_alloc&) {
        // Empty again, as if never loaded.
        table_.reset();
        reader_ = {};
        indexes_.clear();
        throw;
      }
      return kDsOk;
    }
    if (!reader_) return kDsNoReader;
    if (const DsResult r = reader_->InitAppend(packet)) return r;
    const Table::Extent before = table_->Size();
    Loader loader(*reader_.get(), *table_, collation_, packet.size());
    const DsResult r = loader.Rows();
    // Short of memory, the append leaves nothing of itself (the orders are
    // untouched); a bad packet keeps the rows read before the fault.
    if (r == kDsOutOfMemory) {
      table_->TruncateTo(before);
      return r;
    }
    try {
      RebuildOrdersLocked();
    } catch (const std::bad_alloc&) {
      // The orders are as they were: so are the rows.
      table_->TruncateTo(before);
      throw;
    }
    return r;
  } catch (const std::bad_alloc&) {
    return kDsOutOfMemory;
  }
}

void IDSBase::RebuildOrdersLocked() {
  if (indexes_.empty()) {
    auto order = std::make_unique<Index>();
    order->descriptor.name = kDefaultOrderName;
    indexes_.push_back(std::move(order));
    for (const IndexDescriptor& packet_order : table_->packet_orders) {
      if (packet_order.name == kDefaultOrderName) {
        indexes_[0]->descriptor = packet_order;
      } else if (!FindIndexLocked(packet_order.name)) {
        auto index = std::make_unique<Index>();
        index->descriptor = packet_order;
        indexes_.push_back(std::move(index));
      }
    }
  }
  // Every order is built before any is replaced, so running out of memory
  // leaves them all as they were.
  std::vector<Index> built(indexes_.size());
  for (size_t i = 0; i < indexes_.size(); ++i) {
    built[i].descriptor = indexes_[i]->descriptor;
    if (BuildOrderLocked(built[i]) == kDsOk) continue;
    // A packet order over a column that does not exist: kept in record order.
    built[i].descriptor.fields.clear();
    BuildOrderLocked(built[i]);
  }
  for (size_t i = 0; i < indexes_.size(); ++i) {
    Index& index = *indexes_[i];
    index.descriptor.fields.swap(built[i].descriptor.fields);
    index.order.swap(built[i].order);
    index.adopted = false;
    index.value_maps.clear();
  }
}

std::vector<FieldDescriptor> IDSBase::FieldDescriptors() const {
  std::lock_guard lock(mutex_);
  return table_ ? table_->fields : std::vector<FieldDescriptor>{};
}
uint32_t IDSBase::RecordCount() const {
  std::lock_guard lock(mutex_);
  return table_ ? table_->RowCount() : 0;
}
uint32_t IDSBase::LiveRowCount() const {
  std::lock_guard lock(mutex_);
  return table_ ? table_->live : 0;
}
uint32_t IDSBase::Locale() const {
  std::lock_guard lock(mutex_);
  return table_ ? table_->locale : 0;
}
bool IDSBase::IsDeltaTable() const {
  std::lock_guard lock(mutex_);
  return table_ && table_->delta;
}
uint8_t IDSBase::RowStatus(uint32_t record) const {
  std::lock_guard lock(mutex_);
  if (!table_ || record == 0 || record > table_->RowCount()) return 0;
  return table_->status[record - 1];
}
std::vector<KeptProperty> IDSBase::KeptProperties() const {
  std::lock_guard lock(mutex_);
  return table_ ? table_->kept : std::vector<KeptProperty>{};
}
bool IDSBase::FindProperty(std::string_view name, uint32_t column, KeptProperty& out) const {
  std::lock_guard lock(mutex_);
  if (!table_) return false;
  for (const KeptProperty& p : table_->kept) {
    if (p.column == column && base::SameNameIgnoringAsciiCase(p.name, name)) {
      out = p;
      return true;
    }
  }
  return false;
}
bool IDSBase::BoolProperty(std::string_view name) const {
  KeptProperty p;
  if (!FindProperty(name, 0, p)) return false;
  return std::any_of(p.value.begin(), p.value.end(), [](char c) { return c != 0; });
}
void IDSBase::SetReadOnly(bool read_only) {
  std::lock_guard lock(mutex_);
  if (table_) table_->read_only = read_only;
}
bool IDSBase::ReadOnly() const {
  std::lock_guard lock(mutex_);
  return table_ && table_->read_only;
}

DsResult IDSBase::GetField(uint32_t record, uint32_t field_no, FieldData& out) const {
  std::lock_guard lock(mutex_);
  return GetFieldLocked(record, field_no, out);
}

DsResult IDSBase::GetFieldLocked(uint32_t record, uint32_t field_no, FieldData& out) const {
  if (!table_ || record == 0 || record > table_->RowCount()) return kDsRecordNotFound;
  if (field_no == 0 || field_no > table_->fields.size()) return kDsBadField;
  std::span<const uint8_t> bytes;
  out.state = table_->View(record, table_->fields[field_no - 1], bytes, out.length);
  try {
    out.bytes.assign(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  } catch (const std::bad_alloc&) {
    return kDsOutOfMemory;
  }
  return kDsOk;
}

std::string IDSBase::GetErrorString(DsResult code) const {
  switch (code) {
    case kDsBof:
      return "The cursor is before the first row";
    case kDsKeyNotFound:
      return "Key not found";
    case kDsRecordNotFound:
      return "Record not found";
    case kDsNoSuchIndex:
      return "Index not found";
    case kDsBadField:
      return "Field index out of range";
    case kDsOrderMismatch:
      return "The order does not fit the table's rows";
    default:
      return std::string(ResultMessage(code));
  }
}

// ---------------------------------------------------------------------------
// Key comparison and orders.

const IDSBase::Index* IDSBase::FindIndexLocked(std::string_view name) const {
  if (name.empty()) name = kDefaultOrderName;
  for (const auto& index : indexes_) {
    if (!index->temporary && collation_.Compare(index->descriptor.name, name, CaseMode::kSensitive) == 0)
      return index.get();
  }
  return nullptr;
}

namespace {

// One key field's comparison of a value `a` (null when `null_a`) with a
// row's value `b` (its stored bytes, null when `null_b`): null first, then
// through the collation's Compare; reversed for a descending field.
int CompareKeyField(const IndexKeyField& kf, CompareKind kind, bool null_a, const KeyOperand& a, bool null_b,
                    std::span<const uint8_t> b, const Collation& collation) {
  int c;
  if (null_a || null_b) {
    c = null_a == null_b ? 0 : (null_a ? -1 : 1);
  } else {
    const TextOrder order{&collation, kf.case_insensitive ? CaseMode::kInsensitive : CaseMode::kSensitive};
    c = CompareOperands(kind, a, OperandOf(kind, b), order);
  }
  return kf.descending ? -c : c;
}

}  // namespace

int IDSBase::CompareKeyLocked(const Index& index, const std::vector<KeyValue>& key, size_t fields,
                              uint32_t record) const {
  const Table& t = *table_;
  for (size_t k = 0; k < fields && k < index.descriptor.fields.size() && k < key.size(); ++k) {
    const IndexKeyField& kf = index.descriptor.fields[k];
    // A built order's key fields are columns (BuildOrderLocked refuses others).
    assert(kf.field_no >= 1 && kf.field_no <= t.fields.size());
    const FieldDescriptor& f = t.fields[kf.field_no - 1];
    std::span<const uint8_t> v;
    int32_t length = 0;
    const bool null_row = t.View(record, f, v, length) != FieldData::State::kValue;
    const KeyOperand searched{key[k].integer, key[k].real, key[k].text};
    if (const int c = CompareKeyField(kf, KindOf(f), key[k].null, searched, null_row, v, collation_))
      return c;
  }
  return 0;
}

int IDSBase::CompareRecordsLocked(const Index& index, uint32_t a, uint32_t b) const {
  const Table& t = *table_;
  for (const IndexKeyField& kf : index.descriptor.fields) {
    assert(kf.field_no >= 1 && kf.field_no <= t.fields.size());
    const FieldDescriptor& f = t.fields[kf.field_no - 1];
    const CompareKind kind = KindOf(f);
    std::span<const uint8_t> va, vb;
    int32_t length = 0;
    const bool null_a = t.View(a, f, va, length) != FieldData::State::kValue;
    const bool null_b = t.View(b, f, vb, length) != FieldData::State::kValue;
    if (const int c = CompareKeyField(kf, kind, null_a, OperandOf(kind, va), null_b, vb, collation_))
      return c;
  }
  return 0;
}

namespace {

// One key field's values for every record, extracted once per build so that
// each of the sort's comparisons is a few array reads. Text keys become the
// collation's sort keys when it prefers them (they order exactly as its
// Compare and cost one conversion per row instead of two per comparison);
// otherwise they are compared through Compare.
struct KeyColumn {
  CompareKind kind = CompareKind::kNone;
  bool descending = false;
  TextOrder text_order;
  std::vector<uint8_t> null;  // by record number
  std::vector<int64_t> integers;
  std::vector<double> reals;
  // Sort keys, when used: every record's key in one buffer, found by its
  // start and length (one allocation for the column, keys read side by side).
  std::string key_bytes;
  std::vector<uint32_t> key_start, key_length;  // by record number
  std::string_view KeyOf(uint32_t record) const {
    return std::string_view(key_bytes).substr(key_start[record], key_length[record]);
  }
  std::vector<std::string_view> texts;  // the stored bytes (views into the text area)

  // The value of `record` as an operand (the record is not null).
  KeyOperand Operand(uint32_t record) const {
    switch (kind) {
      case CompareKind::kSigned:
      case CompareKind::kUnsigned:
        return {integers[record], 0, {}};
      case CompareKind::kFloat:
        return {0, reals[record], {}};
      case CompareKind::kCollated:
        return {0, 0, text_order.sort_keys ? KeyOf(record) : texts[record]};
      case CompareKind::kBytes:
        return {0, 0, texts[record]};
      case CompareKind::kNone:
        break;
    }
    return {};
  }
};

int CompareColumns(const std::vector<KeyColumn>& columns, uint32_t a, uint32_t b) {
  for (const KeyColumn& column : columns) {
    int c;
    const bool null_a = column.null[a] != 0, null_b = column.null[b] != 0;
    if (null_a || null_b) {
      c = null_a == null_b ? 0 : (null_a ? -1 : 1);
    } else {
      c = CompareOperands(column.kind, column.Operand(a), column.Operand(b), column.text_order);
    }
    if (c != 0) return column.descending ? -c : c;
  }
  return 0;
}

// The column of `key`, a field of `kind`, for the records of `order`;
// `value_of(record, bytes)` gives a record's stored value (false: null).
template <typename ValueOf>
KeyColumn MakeKeyColumn(const IndexKeyField& key, CompareKind kind, const Collation& collation, size_t slots,
                        const std::vector<uint32_t>& order, ValueOf value_of) {
  KeyColumn column;
  column.kind = kind;
  column.descending = key.descending;
  column.text_order = {&collation, key.case_insensitive ? CaseMode::kInsensitive : CaseMode::kSensitive,
                       collation.PrefersSortKeys()};
  column.null.assign(slots, 1);
  const bool text = kind == CompareKind::kCollated || kind == CompareKind::kBytes;
  const bool sort_keys = kind == CompareKind::kCollated && column.text_order.sort_keys;
  if (text) {
    column.texts.resize(slots);
    if (sort_keys) {
      column.key_start.assign(slots, 0);
      column.key_length.assign(slots, 0);
      column.key_bytes.reserve(order.size() * 64);
    }
  } else if (kind == CompareKind::kFloat) {
    column.reals.resize(slots);
  } else {
    column.integers.resize(slots);
  }
  for (uint32_t record : order) {
    std::span<const uint8_t> v;
    if (!value_of(record, v)) continue;
    column.null[record] = 0;
    const KeyOperand value = OperandOf(kind, v);
    if (sort_keys) {
      column.key_start[record] = static_cast<uint32_t>(column.key_bytes.size());
      collation.AppendSortKey(value.text, column.text_order.mode, column.key_bytes);
      column.key_length[record] = static_cast<uint32_t>(column.key_bytes.size()) - column.key_start[record];
    } else if (text) {
      column.texts[record] = value.text;
    } else if (kind == CompareKind::kFloat) {
      column.reals[record] = value.real;
    } else {
      column.integers[record] = value.integer;
    }
  }
  return column;
}

// The sort strategies of BuildOrderLocked, the quickest that fits the order's
// keys first. Each sorts `order` (record numbers in record-number order) by
// the key columns as CompareColumns orders them; `slots` is the columns'
// length (the highest record number plus one).

// Whether no record of `order` is null in `column`.
bool NoNulls(const KeyColumn& column, const std::vector<uint32_t>& order) {
  return std::none_of(order.begin(), order.end(), [&](uint32_t record) { return column.null[record]; });
}

// One signed integer key without nulls (both orders of the phone table).
void SortByIntegers(std::vector<uint32_t>& order, const KeyColumn& key) {
  const int64_t* values = key.integers.data();
  const int sign = key.descending ? -1 : 1;
  if (SortDistinctKeys(order, values, key.descending)) return;
  SortOrder(order, [values, sign](uint32_t a, uint32_t b) { return sign * Three(values[a], values[b]); });
}

// One text key without nulls, through the collation's sort keys (the person
// table's name order on Windows). Most pairs differ in their keys' first
// eight bytes, compared as one number (big-endian, short keys padded with
// zero bytes); only pairs equal there are compared in full. A difference in
// the head orders as the full comparison does: up to it both keys agree, and
// a key that ends before it is the shorter one on a common prefix.
void SortBySortKeys(std::vector<uint32_t>& order, const KeyColumn& key, size_t slots) {
  std::vector<uint64_t> heads(slots, 0);
  for (uint32_t record : order) {
    const std::string_view bytes = key.KeyOf(record);
    uint64_t head = 0;
    for (size_t i = 0; i < 8; ++i)
      head = (head << 8) | (i < bytes.size() ? static_cast<uint8_t>(bytes[i]) : 0u);
    heads[record] = head;
  }
  const int sign = key.descending ? -1 : 1;
  SortOrder(order, [&heads, &key, sign](uint32_t a, uint32_t b) {
    if (heads[a] != heads[b]) return heads[a] < heads[b] ? -sign : sign;
    return sign * CompareSortKeys(key.KeyOf(a), key.KeyOf(b));
  });
}

// One text key without nulls, through the collation's Compare (the person
// table's name order with a collation that prefers no sort keys).
void SortByCompare(std::vector<uint32_t>& order, const KeyColumn& key) {
  const std::string_view* texts = key.texts.data();
  const Collation& collation = *key.text_order.collation;
  const CaseMode mode = key.text_order.mode;
  const int sign = key.descending ? -1 : 1;
  SortOrder(order, [texts, &collation, mode, sign](uint32_t a, uint32_t b) {
    return sign * collation.Compare(texts[a], texts[b], mode);
  });
}

// Any keys: every column compared in turn, nulls first.
void SortByColumns(std::vector<uint32_t>& order, const std::vector<KeyColumn>& columns) {
  SortOrder(order, [&](uint32_t a, uint32_t b) { return CompareColumns(columns, a, b); });
}

// Sorts `order` by `columns` with the first strategy above that fits them.
void SortByKeys(std::vector<uint32_t>& order, const std::vector<KeyColumn>& columns, size_t slots) {
  const KeyColumn& key = columns.front();
  const bool one_key = columns.size() == 1;
  if (one_key && key.kind == CompareKind::kSigned && NoNulls(key, order)) {
    SortByIntegers(order, key);
  } else if (one_key && key.kind == CompareKind::kCollated && NoNulls(key, order)) {
    if (key.text_order.sort_keys) {
      SortBySortKeys(order, key, slots);
    } else {
      SortByCompare(order, key);
    }
  } else {
    SortByColumns(order, columns);
  }
}

}  // namespace

DsResult IDSBase::BuildOrderLocked(Index& index) const {
  const Table& t = *table_;
  for (const IndexKeyField& key : index.descriptor.fields) {
    if (key.field_no == 0 || key.field_no > t.fields.size()) return kDsBadField;
  }
  std::vector<uint32_t> order;
  order.reserve(t.live);
  for (uint32_t record = 1; record <= t.RowCount(); ++record) {
    if (t.TakesPart(t.status[record - 1])) order.push_back(record);
  }
  if (!index.descriptor.fields.empty() && order.size() > 1) {
    const size_t slots = size_t{t.RowCount()} + 1;
    std::vector<KeyColumn> columns;
    columns.reserve(index.descriptor.fields.size());
    for (const IndexKeyField& key : index.descriptor.fields) {
      const FieldDescriptor& f = t.fields[key.field_no - 1];
      columns.push_back(MakeKeyColumn(key, KindOf(f), collation_, slots, order,
                                      [&](uint32_t record, std::span<const uint8_t>& bytes) {
                                        int32_t length = 0;
                                        return t.View(record, f, bytes, length) == FieldData::State::kValue;
                                      }));
    }
    SortByKeys(order, columns, slots);
  }
  index.order = std::move(order);
  index.adopted = false;
  index.value_maps.clear();
  return kDsOk;
}

size_t IDSBase::FindIntegerLocked(const Index& index, uint32_t column, bool unsigned_values,
                                  int64_t value) const {
  const std::vector<uint32_t>& order = index.order;
  if (!table_ || column == 0 || column > table_->fields.size()) return order.size();
  const FieldDescriptor& field = table_->fields[column - 1];
  const auto value_of = [&](uint32_t record, int64_t& out) {
    std::span<const uint8_t> bytes;
    int32_t length = 0;
    if (record == 0 || record > table_->RowCount() ||
        table_->View(record, field, bytes, length) != FieldData::State::kValue)
      return false;
    out = unsigned_values ? static_cast<int64_t>(UnsignedFieldValue(bytes)) : SignedFieldValue(bytes);
    return true;
  };
  const auto scan = [&] {
    int64_t v = 0;
    for (size_t position = 0; position < order.size(); ++position) {
      if (value_of(order[position], v) && v == value) return position;
    }
    return order.size();
  };
  auto map = std::find_if(index.value_maps.begin(), index.value_maps.end(), [&](const Index::ValueMap& m) {
    return m.column == column && m.unsigned_values == unsigned_values;
  });
  if (map == index.value_maps.end()) {
    // A column searched once may never be searched again (a lookup made
    // while a table opens): scan, and remember that it was searched (no room
    // to remember it: the next search scans again).
    try {
      index.value_maps.push_back({column, unsigned_values, false, {}});
    } catch (const std::bad_alloc&) {
    }
    return scan();
  }
  if (!map->built) {
    try {
      map->entries.reserve(order.size());
    } catch (const std::bad_alloc&) {
      return scan();  // no room for the map: the search still answers
    }
    int64_t v = 0;
    for (size_t position = 0; position < order.size(); ++position) {
      if (value_of(order[position], v)) map->entries.emplace_back(v, static_cast<uint32_t>(position));
    }
    std::sort(map->entries.begin(), map->entries.end());
    map->built = true;
  }
  const auto found =
      std::lower_bound(map->entries.begin(), map->entries.end(), std::pair{value, uint32_t{0}});
  return found != map->entries.end() && found->first == value ? found->second : order.size();
}

DsResult IDSBase::CreateIndex(const IndexDescriptor& descriptor) {
  std::lock_guard lock(mutex_);
  if (!table_) return kDsBadCall;
  try {
    if (FindIndexLocked(descriptor.name)) return kDsOk;
    auto index = std::make_unique<Index>();
    index->descriptor = descriptor;
    if (const DsResult r = BuildOrderLocked(*index)) return r;
    indexes_.push_back(std::move(index));
  } catch (const std::bad_alloc&) {
    return kDsOutOfMemory;
  }
  return kDsOk;
}

DsResult IDSBase::BuildTemporaryIndex(const IndexDescriptor& descriptor) {
  std::lock_guard lock(mutex_);
  if (!table_) return kDsBadCall;
  if (ChooseKeptTemporaryLocked(descriptor)) return kDsOk;
  try {
    Index fresh;
    fresh.descriptor = descriptor;
    fresh.temporary = true;
    if (const DsResult r = BuildOrderLocked(fresh)) return r;
    PlaceTemporaryLocked(std::move(fresh));
  } catch (const std::bad_alloc&) {
    return kDsOutOfMemory;
  }
  return kDsOk;
}

bool IDSBase::ChooseKeptTemporaryLocked(const IndexDescriptor& descriptor) {
  for (auto& index : indexes_) {
    if (!index->temporary || !(index->descriptor == descriptor)) continue;
    index->last_chosen = ++temporary_choices_;
    temporary_in_use_ = index.get();
    return true;
  }
  return false;
}

void IDSBase::PlaceTemporaryLocked(Index fresh) {
  Index* least_recent = nullptr;
  size_t kept = 0;
  for (auto& index : indexes_) {
    if (!index->temporary) continue;
    ++kept;
    if (!least_recent || index->last_chosen < least_recent->last_chosen) least_recent = index.get();
  }
  // A cursor on a replaced order keeps pointing at the same slot, which now
  // holds the new order (it repositions with MoveToRecord, as after any
  // rebuild); orders are never destroyed while the store lives.
  if (least_recent && kept >= kept_temporary_orders_) {
    fresh.last_chosen = ++temporary_choices_;
    *least_recent = std::move(fresh);
    temporary_in_use_ = least_recent;
  } else {
    // Both allocations come before anything changes.
    indexes_.reserve(indexes_.size() + 1);
    auto placed = std::make_unique<Index>(std::move(fresh));
    placed->last_chosen = ++temporary_choices_;
    indexes_.push_back(std::move(placed));
    temporary_in_use_ = indexes_.back().get();
  }
}

namespace {

// Whether `order` names each of the rows that take part exactly once:
// as many entries as such rows, each a record number from 1 to
// `row_count` of a row that takes part, none twice.
template <typename TakesPart>
bool OrderFitsRows(const std::vector<uint32_t>& order, uint32_t row_count, uint32_t taking_part,
                   TakesPart takes_part) {
  if (order.size() != taking_part) return false;
  std::vector<bool> seen(size_t{row_count} + 1, false);
  for (const uint32_t record : order) {
    if (record == 0 || record > row_count || seen[record] || !takes_part(record)) return false;
    seen[record] = true;
  }
  return true;
}

}  // namespace

DsResult IDSBase::AdoptTemporaryIndex(const IndexDescriptor& descriptor, std::vector<uint32_t> order) {
  std::lock_guard lock(mutex_);
  if (!table_) return kDsBadCall;
  const Table& t = *table_;
  for (const IndexKeyField& key : descriptor.fields) {
    if (key.field_no == 0 || key.field_no > t.fields.size()) return kDsBadField;
  }
  if (ChooseKeptTemporaryLocked(descriptor)) return kDsOk;
  try {
    if (!OrderFitsRows(order, t.RowCount(), t.live,
                       [&t](uint32_t record) { return t.TakesPart(t.status[record - 1]); }))
      return kDsOrderMismatch;
    Index adopted;
    adopted.descriptor = descriptor;
    adopted.temporary = true;
    adopted.order = std::move(order);
    adopted.adopted = true;
    PlaceTemporaryLocked(std::move(adopted));
  } catch (const std::bad_alloc&) {
    return kDsOutOfMemory;
  }
  return kDsOk;
}

DsResult IDSBase::CheckAdoptedOrders(bool& rebuilt) {
  rebuilt = false;
  std::lock_guard lock(mutex_);
  if (!table_) return kDsOk;
  try {
    for (auto& index : indexes_) {
      if (!index->adopted) continue;
      const std::vector<uint32_t>& order = index->order;
      bool in_order = true;
      for (size_t i = 1; i < order.size() && in_order; ++i)
        in_order = CompareRecordsLocked(*index, order[i - 1], order[i]) < 0;
      if (!in_order) {
        if (const DsResult r = BuildOrderLocked(*index)) return r;
        rebuilt = true;
      }
      index->adopted = false;
    }
  } catch (const std::bad_alloc&) {
    // The order being checked stays adopted: it is checked again next time.
    return kDsOutOfMemory;
  }
  return kDsOk;
}

void IDSBase::SetKeptTemporaryOrders(size_t orders) {
  std::lock_guard lock(mutex_);
  kept_temporary_orders_ = std::max<size_t>(orders, 1);
}

bool IDSBase::HasIndex(std::string_view name) const {
  std::lock_guard lock(mutex_);
  return table_ && FindIndexLocked(name) != nullptr;
}

}  // namespace data
