#include "resources/property_info.h"

#include "resources/read_error.h"
#include "resources/value_reader.h"

namespace resources::detail {

void ReadBinaryExtra(base::TPersistent& object, ValueReader& reader,
                     bool (*store)(base::TPersistent&, base::ByteCursor)) {
  const ValueTag tag = reader.ReadTag();
  if (tag != ValueTag::kBinary) {
    reader.SkipPayload(tag);
    ValueReader::Fail(kInvalidPropertyValue);
  }
  if (!store(object, base::ByteCursor(reader.ReadBinaryPayload()))) ValueReader::Fail(kInvalidPropertyValue);
}

void ReadTextListExtra(base::TPersistent& object, ValueReader& reader,
                       bool (*store)(base::TPersistent&, std::vector<std::string>)) {
  const ValueTag tag = reader.ReadTag();
  if (tag != ValueTag::kList) {
    reader.SkipPayload(tag);
    ValueReader::Fail(kInvalidPropertyValue);
  }
  std::vector<std::string> lines;
  {
    ValueReader::DepthGuard depth(reader);
    while (!reader.EndOfList()) {
      reader.CheckElementCount(lines.size() + 1);
      const ValueTag element = reader.ReadTag();
      if (!ValueReader::IsText(element)) {
        reader.SkipPayload(element);
        ValueReader::Fail(kInvalidPropertyValue);
      }
      lines.push_back(reader.ReadTextPayload(element));
    }
  }
  if (!store(object, std::move(lines))) ValueReader::Fail(kInvalidPropertyValue);
}

}  // namespace resources::detail
