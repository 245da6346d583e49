// The published descriptions of the data classes that a window description
// holds: the tables, their data sources and their field objects. Each names
// the stored settings a description may give and the data class's public
// setter that receives it.
//
//   registry.Register(data::ClientDataSetClass());   // "TClientDataSet"
#pragma once

#include "resources/class_info.h"

namespace data {

// TClientDataSet: Active (opens in Loaded when a packet came), Data (a 4-byte
// signed length, then the packet; a length below 1 stores no packet),
// IndexFieldNames, IndexName, ReadOnly.
const resources::ClassInfo& ClientDataSetClass();
// TDataSource: DataSet, Enabled.
const resources::ClassInfo& DataSourceClass();
// TField: FieldName, FieldKind, Lookup, Size, DataSet, the settings without
// behaviour (DisplayWidth, Origin, Required, ReadOnly, ProviderFlags) and the
// lookup settings (KeyFields, LookupDataSet, LookupKeyFields,
// LookupResultField, LookupCache).
const resources::ClassInfo& FieldClass();
const resources::ClassInfo& IntegerFieldClass();
const resources::ClassInfo& SmallintFieldClass();
const resources::ClassInfo& StringFieldClass();

}  // namespace data
