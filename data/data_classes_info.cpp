#include "data/data_classes_info.h"

#include <cstdint>
#include <span>
#include <string>

#include "base/byte_cursor.h"
#include "data/client_data_set.h"
#include "data/data_source.h"
#include "data/field.h"
#include "data/integer_field.h"
#include "data/string_field.h"
#include "resources/property_info.h"
#include "resources/value_reader.h"

namespace data {

namespace {

// The Data payload: a 4-byte signed length, then that many packet bytes,
// handed to `keep` (a copy, or a view when the stream outlives the table).
bool ReadData(base::TPersistent& object, base::ByteCursor bytes,
              void (*keep)(TCustomClientDataSet&, std::span<const std::uint8_t>)) {
  auto* table = dynamic_cast<TCustomClientDataSet*>(&object);
  if (!table) return false;
  std::int32_t length = 0;
  if (!bytes.Read(length)) return false;
  std::span<const std::uint8_t> packet;
  if (length >= 1 && !bytes.ReadSpan(static_cast<std::size_t>(length), packet)) return false;
  keep(*table, packet);
  return true;
}
bool StoreData(base::TPersistent& object, base::ByteCursor bytes) {
  return ReadData(object, bytes, [](TCustomClientDataSet& table, std::span<const std::uint8_t> packet) {
    table.SetData(std::string(packet.begin(), packet.end()));
  });
}
bool ViewData(base::TPersistent& object, base::ByteCursor bytes) {
  return ReadData(object, bytes, [](TCustomClientDataSet& table, std::span<const std::uint8_t> packet) {
    table.SetDataView(packet);
  });
}

// The StoredOrder payload, laid out as Data's. Its bytes are checked when the
// table opens, and bytes that are not an order only mean the order is
// sorted: so no payload fails the window's description.
bool StoreStoredOrder(base::TPersistent& object, base::ByteCursor bytes) {
  auto* table = dynamic_cast<TCustomClientDataSet*>(&object);
  if (!table) return false;
  std::int32_t length = 0;
  std::span<const std::uint8_t> order;
  const bool whole =
      bytes.Read(length) && length >= 0 && bytes.ReadSpan(static_cast<std::size_t>(length), order);
  table->SetStoredOrder(whole ? order : std::span<const std::uint8_t>());
  return true;
}

}  // namespace

const resources::ClassInfo& ClientDataSetClass() {
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::BoolProperty<&TCustomClientDataSet::SetStreamedActive>("Active"),
      resources::StringProperty<&TCustomClientDataSet::SetIndexFieldNames>("IndexFieldNames"),
      resources::StringProperty<&TCustomClientDataSet::SetIndexName>("IndexName"),
      resources::BoolProperty<&TCustomClientDataSet::SetReadOnly>("ReadOnly"),
  };
  static const resources::ExtraPropertyInfo kExtras[] = {
      {"Data",
       [](base::TPersistent& object, resources::ValueReader& reader) {
         resources::detail::ReadBinaryExtra(object, reader,
                                            reader.BytesOutliveComponents() ? &ViewData : &StoreData);
       }},
      {"StoredOrder",
       [](base::TPersistent& object, resources::ValueReader& reader) {
         resources::detail::ReadBinaryExtra(object, reader, &StoreStoredOrder);
       }},
  };
  static const resources::ClassInfo info{"TClientDataSet", nullptr, kProperties,
                                         kExtras,          {},      resources::Creator<TClientDataSet>};
  return info;
}

const resources::ClassInfo& DataSourceClass() {
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::ComponentProperty<&TDataSource::SetDataSet>("DataSet"),
      resources::BoolProperty<&TDataSource::SetEnabled>("Enabled"),
  };
  static const resources::ClassInfo info{
      "TDataSource", nullptr, kProperties, {}, {}, resources::Creator<TDataSource>};
  return info;
}

const resources::ClassInfo& FieldClass() {
  static constexpr resources::NamedValue kKinds[] = {
      {"fkData", 0}, {"fkCalculated", 1}, {"fkLookup", 2}, {"fkInternalCalc", 3}, {"fkAggregate", 4}};
  static constexpr resources::NamedValue kProviderFlags[] = {
      {"pfInUpdate", 0}, {"pfInWhere", 1}, {"pfInKey", 2}, {"pfHidden", 3}};
  static constexpr resources::PropertyInfo kProperties[] = {
      resources::StringProperty<&TField::SetFieldName>("FieldName"),
      resources::EnumProperty<&TField::SetFieldKind>("FieldKind", kKinds),
      resources::BoolProperty<&TField::SetLookup>("Lookup"),
      resources::IntegerProperty<&TField::SetSize>("Size"),
      resources::ComponentProperty<&TField::SetDataSet>("DataSet"),
      resources::IntegerProperty<&TField::DisplayWidth>("DisplayWidth"),
      resources::StringProperty<&TField::Origin>("Origin"),
      resources::BoolProperty<&TField::Required>("Required"),
      resources::BoolProperty<&TField::ReadOnly>("ReadOnly"),
      resources::SetProperty<&TField::ProviderFlags>("ProviderFlags", kProviderFlags),
      resources::StringProperty<&TField::KeyFields>("KeyFields"),
      resources::ComponentProperty<&TField::LookupDataSet>("LookupDataSet"),
      resources::StringProperty<&TField::LookupKeyFields>("LookupKeyFields"),
      resources::StringProperty<&TField::LookupResultField>("LookupResultField"),
      resources::BoolProperty<&TField::SetLookupCache>("LookupCache"),
  };
  static const resources::ClassInfo info{"TField", nullptr, kProperties, {}, {}, nullptr};
  return info;
}

const resources::ClassInfo& IntegerFieldClass() {
  static const resources::ClassInfo info{
      "TIntegerField", &FieldClass(), {}, {}, {}, resources::Creator<TIntegerField>};
  return info;
}

const resources::ClassInfo& SmallintFieldClass() {
  static const resources::ClassInfo info{
      "TSmallintField", &IntegerFieldClass(), {}, {}, {}, resources::Creator<TSmallintField>};
  return info;
}

const resources::ClassInfo& StringFieldClass() {
  static const resources::ClassInfo info{
      "TStringField", &FieldClass(), {}, {}, {}, resources::Creator<TStringField>};
  return info;
}

}  // namespace data
