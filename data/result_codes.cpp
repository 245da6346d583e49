#include "data/result_codes.h"

namespace data {

std::string_view ResultMessage(DsResult code) {
  switch (code) {
    case kDsOk:
      return "No error";
    case kDsEnd:
      return "No more columns, properties or rows";
    case kDsNoMessage:
      return "No message text for this code";
    case kDsOutOfMemory:
      return "Out of memory";
    case kDsNullValue:
      return "The field is null";
    case kDsBufferTooSmall:
      return "Buffer missing or too small for the value, or a property value of the wrong type";
    case kDsUnsupportedType:
      return "Unsupported field type in the data packet";
    case kDsBadCall:
      return "No data packet, a call out of order, or more than 63 tables";
    case kDsNoMetadata:
      return "The data packet has no metadata";
    case kDsNoReader:
      return "Data appended without a reader for the first packet";
    case kDsBadPacket:
      return "Malformed or unreadable data packet";
    default:
      return {};
  }
}

}  // namespace data
