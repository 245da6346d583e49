// Small packets shaped like the directory's two tables, for tests, the fuzz
// seeds and benchmarks: a person table (KEY_F smallint, FIO string of width
// 24, table property LCID) and a phone table (TEL integer, FIO smallint,
// both with ORIGIN).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "data/datapacket_writer.h"

namespace testing_support {

inline std::string PersonPacket(const std::vector<std::pair<int16_t, std::string>>& rows, uint32_t lcid = 0) {
  using namespace data::packet;
  using W = data::DataPacketWriter;
  W w;
  w.Column("KEY_F", TypeWord(kClassSigned, 2), kUnNamed)
      .Column("FIO", TypeWord(kClassString, 1, kVarying), kUnNamed,
              {{"WIDTH", TypeWord(kClassUnsigned, 2), W::Int(24, 2)}})
      .TableProperties(
          {{"LCID", TypeWord(kClassSigned, lcid > 0xFFFF ? 4u : 2u), W::Int(lcid, lcid > 0xFFFF ? 4 : 2)}});
  for (const auto& [key, name] : rows)
    w.Row({W::Slot::Value(W::Int(key, 2)), W::Slot::Value(W::Varying(name, 1))});
  return w.Finish();
}

inline data::DataPacketWriter::Property Origin(const char* text) {
  using namespace data::packet;
  return {"ORIGIN", TypeWord(kClassString, 2, kVarying | kPropertyFlag),
          data::DataPacketWriter::Varying(std::string(text) + std::string(1, '\0'), 2)};
}

inline std::string PhonePacket(const std::vector<std::pair<int32_t, int16_t>>& rows,
                               const std::vector<uint8_t>& statuses = {}) {
  using namespace data::packet;
  using W = data::DataPacketWriter;
  W w;
  w.Column("TEL", TypeWord(kClassSigned, 4), kRequired, {Origin("TEL.TEL")})
      .Column("FIO", TypeWord(kClassSigned, 2), kRequired, {Origin("TEL.FIO")})
      .TableProperties();
  for (size_t i = 0; i < rows.size(); ++i) {
    w.Row({W::Slot::Value(W::Int(rows[i].first, 4)), W::Slot::Value(W::Int(rows[i].second, 2))},
          i < statuses.size() ? statuses[i] : 0);
  }
  return w.Finish();
}

}  // namespace testing_support
