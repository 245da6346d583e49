// Field types from logical types, the refinements in order, numbering and
// duplicate names.
#include <gtest/gtest.h>

#include "data/datapacket_format.h"
#include "data/field_def.h"

namespace {

using data::FieldDescriptor;
using data::TFieldType;
using namespace data::packet;

FieldDescriptor Column(std::string name, uint32_t type_word, int32_t units1 = 0, uint32_t subtype = 0) {
  FieldDescriptor d;
  d.name = std::move(name);
  d.type_word = type_word;
  d.logical_type = data::LogicalTypeOf(type_word);
  d.length = (type_word & kVarying) ? 0 : WidthOf(type_word);
  d.units1 = units1;
  d.subtype = subtype;
  return d;
}

TEST(FieldTypeTest, LogicalTypesByClassAndWidth) {
  EXPECT_EQ(data::LogicalTypeOf(TypeWord(kClassSigned, 1)), 0x1001u);
  EXPECT_EQ(data::LogicalTypeOf(TypeWord(kClassSigned, 2)), 5u);
  EXPECT_EQ(data::LogicalTypeOf(TypeWord(kClassSigned, 4)), 6u);
  EXPECT_EQ(data::LogicalTypeOf(TypeWord(kClassSigned, 3)), 0u);
  EXPECT_EQ(data::LogicalTypeOf(TypeWord(kClassUnsigned, 2)), 12u);
  EXPECT_EQ(data::LogicalTypeOf(TypeWord(kClassBoolean, 4)), 0x1004u);
  EXPECT_EQ(data::LogicalTypeOf(TypeWord(kClassFloat, 10)), 14u);
  EXPECT_EQ(data::LogicalTypeOf(TypeWord(kClassString, 1, kVarying)), 1u);
  EXPECT_EQ(data::LogicalTypeOf(TypeWord(kClassBytes, 4, kVarying)), 3u);
  EXPECT_EQ(data::LogicalTypeOf(TypeWord(kClassBytes16, 2, kVarying)), 15u);
  EXPECT_EQ(data::LogicalTypeOf(TypeWord(kClassBytes, 16)), 9u);
  EXPECT_EQ(data::LogicalTypeOf(TypeWord(kClassFmtBcd, 8)), 25u);
  EXPECT_EQ(data::LogicalTypeOf(TypeWord(15, 4)), 0u);
}

TEST(FieldTypeTest, SubtypeNamesIgnoreCase) {
  EXPECT_EQ(data::SubtypeCode("autoinc"), 29u);
  EXPECT_EQ(data::SubtypeCode("GUID"), 38u);
  EXPECT_EQ(data::SubtypeCode("Reference"), 70u);
  EXPECT_EQ(data::SubtypeCode("Nonsense"), 255u);
}

TEST(FieldDefTest, DirectoryColumns) {
  auto key = Column("KEY_F", TypeWord(kClassSigned, 2));
  key.attributes = data::faUnNamed;
  auto fio = Column("FIO", TypeWord(kClassString, 1, kVarying), 24);
  fio.attributes = data::faUnNamed;
  const auto defs = data::MakeFieldDefs({key, fio});
  ASSERT_EQ(defs.size(), 2u);
  EXPECT_EQ(defs[0].Name, "KEY_F");
  EXPECT_EQ(defs[0].DataType, TFieldType::ftSmallint);
  EXPECT_EQ(defs[0].FieldNo, 1);
  EXPECT_EQ(defs[0].Attributes, data::faUnNamed);
  EXPECT_EQ(defs[1].DataType, TFieldType::ftString);
  EXPECT_EQ(defs[1].Size, 24);
  EXPECT_EQ(defs[1].FieldNo, 2);
}

TEST(FieldDefTest, RefinementsInOrder) {
  using data::DeriveFieldType;
  EXPECT_EQ(DeriveFieldType(Column("g", TypeWord(kClassString, 38), 38, 38)).type, TFieldType::ftGuid);
  EXPECT_EQ(DeriveFieldType(Column("m", TypeWord(kClassBytes, 4, kVarying), 0, 22)).type, TFieldType::ftMemo);
  EXPECT_EQ(DeriveFieldType(Column("t", TypeWord(kClassBytes, 4, kVarying), 0, 28)).type,
            TFieldType::ftTypedBinary);
  EXPECT_EQ(DeriveFieldType(Column("c", TypeWord(kClassBytes, 4, kVarying), 0, 33)).type,
            TFieldType::ftOraClob);
  EXPECT_EQ(DeriveFieldType(Column("a", TypeWord(kClassSigned, 4), 0, 29)).type, TFieldType::ftAutoInc);
  EXPECT_EQ(DeriveFieldType(Column("$", TypeWord(kClassFloat, 8), 0, 21)).type, TFieldType::ftCurrency);
  auto bcd = Column("b", TypeWord(kClassFmtBcd, 8), 12);
  bcd.units2 = -4;
  const auto derived = DeriveFieldType(bcd);
  EXPECT_EQ(derived.type, TFieldType::ftFMTBcd);
  EXPECT_EQ(derived.size, 4);
  EXPECT_EQ(derived.precision, 12);
  EXPECT_EQ(DeriveFieldType(Column("w", TypeWord(kClassWideString, 2, kVarying), 41)).size, 20);
  EXPECT_EQ(DeriveFieldType(Column("f", TypeWord(kClassString, 8), 8, 31)).attributes & data::faFixed,
            data::faFixed);
  auto calculated = Column("x", TypeWord(kClassSigned, 4));
  calculated.calculated = true;
  EXPECT_TRUE(DeriveFieldType(calculated).internal_calc);
}

TEST(FieldDefTest, UnknownTypesTakeNoNumberLinksDo) {
  auto odd_small = Column("S", TypeWord(kClassSigned, 2));
  odd_small.length = 4;  // logical type 5 with a length other than 2
  auto link = Column("L", TypeWord(kClassSigned, 4));
  link.attributes = data::faLink;
  const auto defs = data::MakeFieldDefs({Column("A", TypeWord(kClassSigned, 4)), odd_small,
                                         Column("U", TypeWord(15, 4)), Column("B", TypeWord(kClassSigned, 4)),
                                         link, Column("C", TypeWord(kClassSigned, 2))});
  ASSERT_EQ(defs.size(), 3u);
  EXPECT_EQ(defs[0].Name, "A");
  EXPECT_EQ(defs[0].FieldNo, 1);
  EXPECT_EQ(defs[1].Name, "B");
  EXPECT_EQ(defs[1].FieldNo, 2);  // S and U took no number
  EXPECT_EQ(defs[1].Column, 4);   // but B is still the fourth column of the store
  EXPECT_EQ(defs[2].Name, "C");
  EXPECT_EQ(defs[2].FieldNo, 4);  // the link column took number 3
}

TEST(FieldDefTest, DuplicateNamesGetSuffixes) {
  const auto word = TypeWord(kClassSigned, 4);
  const auto defs =
      data::MakeFieldDefs({Column("N", word), Column("n", word), Column("N", word), Column("N_1", word)});
  ASSERT_EQ(defs.size(), 4u);
  EXPECT_EQ(defs[1].Name, "n_1");
  EXPECT_EQ(defs[2].Name, "N_2");
  EXPECT_EQ(defs[3].Name, "N_1_1");
}

}  // namespace
