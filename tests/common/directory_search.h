// The two directory tables wired as the main window wires them: daFio in
// name order, daTel in number order with its field objects TEL, FIO and the
// lookup field loFIO (KEY_F of daFio -> FIO), and the data paths of the two
// searches, for host tests and benchmarks.
#pragma once

#include <cstdint>
#include <string>

#include "data/client_data_set.h"
#include "data/integer_field.h"
#include "data/string_field.h"

namespace testing_support {

struct SearchResult {
  bool found = false;
  int32_t number = 0;
  std::string name;
};

class DirectorySearch {
 public:
  // `collation` must outlive this; the packets are the built fio/tel packets.
  DirectorySearch(const data::Collation* collation, const std::string& fio_packet,
                  const std::string& tel_packet)
      : fio(&owner, collation), tel(&owner, collation) {
    fio.SetName("daFio");
    fio.SetData(fio_packet);
    fio.SetIndexFieldNames("FIO");
    fio.SetReadOnly(true);
    tel.SetName("daTel");
    tel.SetData(tel_packet);
    tel.SetIndexFieldNames("TEL");
    tel.SetReadOnly(true);
    tel_number = new data::TIntegerField(&owner);
    tel_number->SetFieldName("TEL");
    tel_number->SetDataSet(&tel);
    tel_key = new data::TSmallintField(&owner);
    tel_key->SetFieldName("FIO");
    tel_key->SetDataSet(&tel);
    tel_name = new data::TStringField(&owner);
    tel_name->SetFieldName("loFIO");
    tel_name->SetLookup(true);
    tel_name->KeyFields = "FIO";
    tel_name->LookupDataSet = &fio;
    tel_name->LookupKeyFields = "KEY_F";
    tel_name->LookupResultField = "FIO";
    tel_name->SetDataSet(&tel);
    tel.Open();  // opens daFio first
  }

  // The name search once the picker has chosen the person with `key`:
  // daTel to "FIO", SeekKey, read TEL and loFIO, back to "TEL".
  SearchResult NameSearch(int32_t key) {
    SearchResult result;
    tel.SetIndexFieldNames("FIO");
    result.found = tel.SeekKey({int64_t{key}});
    if (result.found) {
      result.number = tel_number->AsInteger();
      result.name = tel_name->AsString();
    }
    tel.SetIndexFieldNames("TEL");
    return result;
  }

  // The number search: SeekKey on daTel in number order, read loFIO.
  SearchResult NumberSearch(int32_t number) {
    SearchResult result;
    result.found = tel.SeekKey({int64_t{number}});
    if (result.found) {
      result.number = tel_number->AsInteger();
      result.name = tel_name->AsString();
    }
    return result;
  }

  base::TComponent owner{nullptr};
  data::TClientDataSet fio;
  data::TClientDataSet tel;
  data::TIntegerField* tel_number = nullptr;
  data::TSmallintField* tel_key = nullptr;
  data::TStringField* tel_name = nullptr;
};

}  // namespace testing_support
