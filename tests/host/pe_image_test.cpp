// The bounded executable reader of the build's checks: headers, resource tree,
// check sum, version blocks, icon groups and the manifest's XML, read from
// images made in memory, with truncated and malformed ones refused.
#include <gtest/gtest.h>

#include <string>

#include "tests/common/pe_builder.h"
#include "tools/icon_group.h"
#include "tools/pe_image.h"
#include "tools/version_info.h"
#include "tools/xml_document.h"

namespace {

using testing_support::Bytes;
using testing_support::ImageWith;
using testing_support::ImageWithTree;
using testing_support::Put16;
using testing_support::Put32;
using testing_support::TestResource;
using testing_support::VersionNode;
using testing_support::VersionString;

Bytes BytesOf(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

// --- headers and the resource tree ---------------------------------------

TEST(PeImage, ReadsTheHeaderFieldsAndEveryResourceWithItsBytes) {
  const Bytes image = ImageWith({{24, 1, 0, BytesOf("<a/>")},
                                 {16, 1, 0x0419, BytesOf("version")},
                                 {3, 2, 0, BytesOf("two")},
                                 {3, 1, 0, BytesOf("one")}},
                                1765000000, tools::kTerminalServerAware);
  tools::PeImage pe;
  ASSERT_EQ(pe.Read(image), tools::PeError::kNone);
  EXPECT_TRUE(pe.Is64Bit());
  EXPECT_EQ(pe.Machine(), 0x8664);
  EXPECT_EQ(pe.TimeStamp(), 1765000000u);
  EXPECT_EQ(pe.DllCharacteristics(), tools::kTerminalServerAware);
  EXPECT_EQ(pe.Subsystem(), 2);
  ASSERT_EQ(pe.Sections().size(), 1u);
  EXPECT_EQ(pe.Sections()[0].name, ".rsrc");
  EXPECT_EQ(pe.Fields().time_stamp, testing_support::kPeOffset + 8);
  EXPECT_EQ(pe.Fields().checksum, testing_support::kOptionalOffset + 64);

  std::vector<tools::PeResource> resources;
  ASSERT_EQ(pe.ReadResources(resources), tools::PeError::kNone);
  ASSERT_EQ(resources.size(), 4u);
  const tools::PeResource* version = tools::FindResource(resources, tools::kResourceVersion, 1);
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version->language, 0x0419);
  EXPECT_EQ(std::string(version->bytes.begin(), version->bytes.end()), "version");
  // The tree's order: types and names ascending.
  const auto icons = tools::ResourcesOf(resources, tools::kResourceIcon);
  ASSERT_EQ(icons.size(), 2u);
  EXPECT_EQ(std::string(icons[0]->bytes.begin(), icons[0]->bytes.end()), "one");
  EXPECT_EQ(std::string(icons[1]->bytes.begin(), icons[1]->bytes.end()), "two");
  EXPECT_EQ(tools::FindResource(resources, tools::kResourceIcon, 3), nullptr);
}

TEST(PeImage, EveryTruncationIsRefusedWithoutReadingPastTheEnd) {
  const Bytes image = ImageWith({{24, 1, 0, BytesOf("<assembly/>")}});
  for (std::size_t length = 0; length < image.size(); ++length) {
    const Bytes cut(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(length));
    tools::PeImage pe;
    EXPECT_NE(pe.Read(cut), tools::PeError::kNone) << "cut at " << length;
  }
}

TEST(PeImage, SignaturesAndTheOptionalHeaderAreChecked) {
  const Bytes good = ImageWith({});
  tools::PeImage pe;
  Bytes no_mz = good;
  no_mz[0] = 'X';
  EXPECT_EQ(pe.Read(no_mz), tools::PeError::kNotExecutable);
  Bytes no_pe = good;
  no_pe[testing_support::kPeOffset + 1] = 'X';
  EXPECT_EQ(pe.Read(no_pe), tools::PeError::kNotExecutable);
  Bytes far_pointer = good;
  Put32(far_pointer, 0x3C, 0xFFFFFFF0u);
  EXPECT_EQ(pe.Read(far_pointer), tools::PeError::kTruncated);
  Bytes unknown_kind = good;
  Put16(unknown_kind, testing_support::kOptionalOffset, 0x107);
  EXPECT_EQ(pe.Read(unknown_kind), tools::PeError::kBadOptionalHeader);
  Bytes short_optional = good;
  Put16(short_optional, testing_support::kPeOffset + 20, 60);
  EXPECT_EQ(pe.Read(short_optional), tools::PeError::kBadOptionalHeader);
  // A section whose bytes would pass the end of the file.
  Bytes long_section = good;
  Put32(long_section, testing_support::kOptionalOffset + 240 + 16, 0x10000);
  EXPECT_EQ(pe.Read(long_section), tools::PeError::kBadSection);
  // The header fields alone are found without the section table.
  tools::PeHeaderFields fields;
  EXPECT_EQ(tools::LocateHeaderFields(long_section, fields), tools::PeError::kNone);
  EXPECT_EQ(fields.checksum, testing_support::kOptionalOffset + 64);
  EXPECT_EQ(tools::LocateHeaderFields(no_pe, fields), tools::PeError::kNotExecutable);
}

tools::PeError ResourcesOfTree(const Bytes& tree) {
  tools::PeImage pe;
  const Bytes image = ImageWithTree(tree, 0, 0);
  if (const tools::PeError error = pe.Read(image); error != tools::PeError::kNone) return error;
  std::vector<tools::PeResource> resources;
  return pe.ReadResources(resources);
}

TEST(PeImage, MalformedResourceTreesAreRefused) {
  const Bytes good = testing_support::ResourceTree({{16, 1, 0x0419, BytesOf("data")}});
  ASSERT_EQ(ResourcesOfTree(good), tools::PeError::kNone);
  // Root entry -> type directory at 24, its entry -> name directory at 48,
  // its entry -> data entry at 72, which points at the bytes.
  Bytes outside = good;
  Put32(outside, 72, testing_support::kResourceRva + 0x5000);
  EXPECT_EQ(ResourcesOfTree(outside), tools::PeError::kBadResources);
  Bytes too_long = good;
  Put32(too_long, 76, 0x1000);
  EXPECT_EQ(ResourcesOfTree(too_long), tools::PeError::kBadResources);
  Bytes far_directory = good;
  Put32(far_directory, 20, 0x80000000u | 0x4000);
  EXPECT_EQ(ResourcesOfTree(far_directory), tools::PeError::kBadResources);
  // A data entry where a directory belongs, and the root pointing back at itself.
  Bytes data_too_early = good;
  Put32(data_too_early, 20, 72);
  EXPECT_EQ(ResourcesOfTree(data_too_early), tools::PeError::kBadResources);
  Bytes loop = good;
  Put32(loop, 20, 0x80000000u);
  EXPECT_EQ(ResourcesOfTree(loop), tools::PeError::kBadResources);
  // A name entry naming a string that passes the tree's end.
  Bytes far_name = good;
  Put32(far_name, 40, 0x80000000u | 0x7000);
  EXPECT_EQ(ResourcesOfTree(far_name), tools::PeError::kBadResources);
}

TEST(PeImage, ATreeWhoseDirectoriesShareChildrenIsBoundedNotMultiplied) {
  // Three levels of 300 entries each pointing at the same next directory
  // would name 27 million resources.
  constexpr std::uint32_t kEntries = 300;
  const std::size_t dir = 16 + 8 * kEntries;
  Bytes tree(3 * dir + 16 + 4, 0);
  for (std::uint32_t level = 0; level < 3; ++level) {
    const std::size_t at = level * dir;
    Put16(tree, at + 14, kEntries);
    for (std::uint32_t i = 0; i < kEntries; ++i) {
      const std::uint32_t target = level < 2 ? (0x80000000u | static_cast<std::uint32_t>(at + dir))
                                             : static_cast<std::uint32_t>(3 * dir);
      Put32(tree, at + 16 + 8 * i, i + 1);
      Put32(tree, at + 20 + 8 * i, target);
    }
  }
  Put32(tree, 3 * dir, testing_support::kResourceRva + static_cast<std::uint32_t>(3 * dir + 16));
  Put32(tree, 3 * dir + 4, 4);
  EXPECT_EQ(ResourcesOfTree(tree), tools::PeError::kBadResources);
}

TEST(PeCheckSum, AddsWordsWithTheCarryFoldedLeavesOutTheFieldAndAddsTheLength) {
  const Bytes small = {0x01, 0x00, 0x02, 0x00, 0x03};
  EXPECT_EQ(tools::PeCheckSum(small, 100), 1u + 2 + 3 + 5);
  const Bytes carry = {0xFF, 0xFF, 0x02, 0x00};
  EXPECT_EQ(tools::PeCheckSum(carry, 100), 0x0002u + 4);  // 0x10001 folds to 0x0002
  const Bytes field = {0x01, 0x00, 0xAA, 0xBB, 0xCC, 0xDD, 0x02, 0x00};
  EXPECT_EQ(tools::PeCheckSum(field, 2), 1u + 2 + 8);
}

// --- version blocks ---------------------------------------------------------

Bytes Fixed(std::uint32_t file_ms, std::uint32_t file_ls) {
  Bytes fixed;
  for (std::uint32_t value :
       {0xFEEF04BDu, 0x00010000u, file_ms, file_ls, file_ms, file_ls, 0x3Fu, 0u, 0x40004u, 1u, 0u, 0u, 0u}) {
    testing_support::Append32(fixed, value);
  }
  return fixed;
}

Bytes Translation(std::uint16_t language, std::uint16_t code_page) {
  Bytes value;
  testing_support::Append16(value, language);
  testing_support::Append16(value, code_page);
  return value;
}

Bytes SampleVersionBlock() {
  const Bytes table = VersionNode(u"041904b0", 1, {}, 0,
                                  {VersionString(u"CompanyName", u"Cobbletree Soft"),
                                   VersionString(u"FileDescription", u"Телефонный справочник г.Тальмир")});
  const Bytes strings = VersionNode(u"StringFileInfo", 1, {}, 0, {table});
  const Bytes translation = VersionNode(u"Translation", 0, Translation(0x0419, 1200), 4);
  const Bytes vars = VersionNode(u"VarFileInfo", 1, {}, 0, {translation});
  return VersionNode(u"VS_VERSION_INFO", 0, Fixed(0x00010002, 0x00030000), 52, {strings, vars});
}

TEST(VersionInfo, ReadsTheFixedPartTheStringTableAndTheTranslation) {
  tools::VersionInfo info;
  ASSERT_TRUE(tools::ReadVersionInfo(SampleVersionBlock(), info));
  EXPECT_EQ(info.file_version[0], 1);
  EXPECT_EQ(info.file_version[1], 2);
  EXPECT_EQ(info.file_version[2], 3);
  EXPECT_EQ(info.file_version[3], 0);
  EXPECT_EQ(info.file_os, 0x40004u);
  ASSERT_EQ(info.translations.size(), 1u);
  EXPECT_EQ(info.translations[0], (tools::VersionTranslation{0x0419, 1200}));
  // The table's key is upper-cased; values are UTF-8.
  ASSERT_EQ(info.strings.count("041904B0"), 1u);
  EXPECT_EQ(info.strings["041904B0"]["CompanyName"], "Cobbletree Soft");
  EXPECT_EQ(info.strings["041904B0"]["FileDescription"], "Телефонный справочник г.Тальмир");
}

TEST(VersionInfo, TruncatedAndInconsistentBlocksAreRefused) {
  const Bytes block = SampleVersionBlock();
  tools::VersionInfo info;
  for (std::size_t length = 0; length < block.size(); ++length) {
    const Bytes cut(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_FALSE(tools::ReadVersionInfo(cut, info)) << "cut at " << length;
  }
  Bytes longer = block;
  Put16(longer, 0, static_cast<std::uint32_t>(block.size() + 4));
  EXPECT_FALSE(tools::ReadVersionInfo(longer, info));
  Bytes tiny_child = block;
  // The first child's length (StringFileInfo, right after the 52-byte fixed part at 40).
  Put16(tiny_child, 92, 2);
  EXPECT_FALSE(tools::ReadVersionInfo(tiny_child, info));
  Bytes wrong_signature = block;
  wrong_signature[40] ^= 1;
  EXPECT_FALSE(tools::ReadVersionInfo(wrong_signature, info));
  const Bytes other_root = VersionNode(u"SOMETHING_ELSE", 0, Fixed(1, 0), 52);
  EXPECT_FALSE(tools::ReadVersionInfo(other_root, info));
}

// --- icon groups ------------------------------------------------------------

Bytes PngHeader(std::uint32_t width, std::uint32_t height) {
  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  for (std::uint32_t value : {width, height}) {
    for (int shift = 24; shift >= 0; shift -= 8) png.push_back(static_cast<std::uint8_t>(value >> shift));
  }
  png.resize(33, 0);
  return png;
}

Bytes BitmapHeader(std::int32_t width, std::int32_t height) {
  Bytes bitmap;
  testing_support::Append32(bitmap, 40);
  testing_support::Append32(bitmap, static_cast<std::uint32_t>(width));
  testing_support::Append32(bitmap, static_cast<std::uint32_t>(height));
  bitmap.resize(40 + 4 * static_cast<std::size_t>(width * height), 0);
  return bitmap;
}

Bytes Group(const std::vector<std::tuple<int, std::uint16_t, std::uint32_t>>& entries) {
  Bytes group;
  testing_support::Append16(group, 0);
  testing_support::Append16(group, 1);
  testing_support::Append16(group, static_cast<std::uint32_t>(entries.size()));
  for (const auto& [size, id, bytes] : entries) {
    group.push_back(static_cast<std::uint8_t>(size == 256 ? 0 : size));
    group.push_back(static_cast<std::uint8_t>(size == 256 ? 0 : size));
    group.push_back(0);
    group.push_back(0);
    testing_support::Append16(group, 1);
    testing_support::Append16(group, 32);
    testing_support::Append32(group, bytes);
    testing_support::Append16(group, id);
  }
  return group;
}

std::vector<tools::PeResource> Icons(const std::vector<std::pair<std::uint16_t, const Bytes*>>& icons) {
  std::vector<tools::PeResource> resources;
  for (const auto& [id, bytes] : icons)
    resources.push_back({{tools::kResourceIcon, {}}, {id, {}}, 0, *bytes});
  return resources;
}

TEST(IconGroup, ReadsEachEntryWithItsImagesOwnSize) {
  const Bytes small = BitmapHeader(16, 32), large = PngHeader(256, 256);
  const auto resources = Icons({{1, &small}, {2, &large}});
  const Bytes group = Group({{16, 1, static_cast<std::uint32_t>(small.size())},
                             {256, 2, static_cast<std::uint32_t>(large.size())}});
  std::vector<tools::IconImage> images;
  ASSERT_EQ(tools::ReadIconGroup(group, resources, images), tools::IconGroupError::kNone);
  ASSERT_EQ(images.size(), 2u);
  EXPECT_EQ(images[0].width, 16);
  EXPECT_FALSE(images[0].png);
  EXPECT_EQ(images[0].stored_width, 16);
  EXPECT_EQ(images[0].stored_height, 16);  // colour rows and mask rows halved
  EXPECT_EQ(images[0].bit_count, 32);
  EXPECT_EQ(images[1].width, 256);  // stored as 0 in the entry
  EXPECT_TRUE(images[1].png);
  EXPECT_EQ(images[1].stored_height, 256);
}

TEST(IconGroup, MissingMismatchedAndMalformedImagesAreErrors) {
  const Bytes small = BitmapHeader(16, 32), junk = BytesOf("not an image at all, neither png nor bitmap");
  const auto resources = Icons({{1, &small}, {2, &junk}});
  const auto size = [](const Bytes& bytes) { return static_cast<std::uint32_t>(bytes.size()); };
  std::vector<tools::IconImage> images;
  EXPECT_EQ(tools::ReadIconGroup(Group({{16, 9, size(small)}}), resources, images),
            tools::IconGroupError::kMissingImage);
  EXPECT_EQ(tools::ReadIconGroup(Group({{16, 1, size(small) + 1}}), resources, images),
            tools::IconGroupError::kMalformedImage);
  EXPECT_EQ(tools::ReadIconGroup(Group({{16, 2, size(junk)}}), resources, images),
            tools::IconGroupError::kMalformedImage);
  Bytes cursor_group = Group({{16, 1, size(small)}});
  Put16(cursor_group, 2, 2);  // type 2 is a cursor group
  EXPECT_EQ(tools::ReadIconGroup(cursor_group, resources, images), tools::IconGroupError::kMalformedGroup);
  Bytes short_group = Group({{16, 1, size(small)}});
  short_group.pop_back();
  EXPECT_EQ(tools::ReadIconGroup(short_group, resources, images), tools::IconGroupError::kMalformedGroup);
}

// --- the manifest's XML -----------------------------------------------------

TEST(XmlDocument, ReadsElementsAttributesTextAndReferences) {
  tools::XmlElement root;
  const tools::XmlError error = tools::ReadXml(
      "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- head -->\n"
      "<asm:assembly xmlns:asm='urn:x' a=\"1 &lt; 2\">\n"
      "  <level value=\"asInvoker\"/><!-- inside --><t>&#x422;&#1077;&amp;&quot;</t>\n"
      "</asm:assembly>\n<!-- tail -->\n",
      root);
  ASSERT_FALSE(error.failed) << error.reason << " at " << error.offset;
  EXPECT_EQ(root.name, "asm:assembly");
  EXPECT_EQ(root.LocalName(), "assembly");
  ASSERT_NE(root.Attribute("a"), nullptr);
  EXPECT_EQ(*root.Attribute("a"), "1 < 2");
  EXPECT_EQ(root.Attribute("b"), nullptr);
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(*root.children[0].Attribute("value"), "asInvoker");
  EXPECT_EQ(root.children[1].text, "Те&\"");
  EXPECT_EQ(tools::ElementsNamed(root, "level").size(), 1u);
  EXPECT_EQ(tools::ElementsNamed(root, "assembly").size(), 1u);
}

TEST(XmlDocument, MalformedTextIsRefusedWithWhereItStopped) {
  const char* const malformed[] = {
      "",                      // no root
      "<a>",                   // not closed
      "<a></b>",               // wrong end tag
      "<a x='1' x='2'/>",      // an attribute twice
      "<a x=1/>",              // no quotes
      "<a x='<'/>",            // "<" in a value
      "<a/><b/>",              // two roots
      "<a/>text",              // text after the root
      "<!-- open <a/>",        // unterminated comment
      "<a>&unknown;</a>",      // unknown reference
      "<a>&#xD800;</a>",       // a surrogate
      "<a>&#x110000;</a>",     // beyond Unicode
      "<!DOCTYPE a><a/>",      // document types are not read
      "<a><![CDATA[x]]></a>",  // nor CDATA
      "<a b='1'c='2'/>",       // no blank between attributes
      "<1a/>",                 // not a name
  };
  for (const char* text : malformed) {
    tools::XmlElement root;
    const tools::XmlError error = tools::ReadXml(text, root);
    EXPECT_TRUE(error.failed) << text;
    EXPECT_LE(error.offset, std::string_view(text).size()) << text;
  }
}

TEST(XmlDocument, NestingIsBounded) {
  std::string deep;
  for (int i = 0; i < tools::kMaxXmlDepth; ++i) deep += "<e>";
  for (int i = 0; i < tools::kMaxXmlDepth; ++i) deep += "</e>";
  tools::XmlElement root;
  EXPECT_FALSE(tools::ReadXml(deep, root).failed);
  EXPECT_TRUE(tools::ReadXml("<e>" + deep + "</e>", root).failed);
}

}  // namespace
