// The VaultItem record: its 558-byte little-endian image and its reset values.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "itemdb/itemdb.h"

namespace davoruzivi {
namespace {

std::uint16_t U16At(const VaultItemImage& image, std::size_t offset) {
  return static_cast<std::uint16_t>(image[offset] | (image[offset + 1] << 8));
}

std::uint32_t U32At(const VaultItemImage& image, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{image[offset + i]} << (8 * i);
  return value;
}

std::string TextAt(const VaultItemImage& image, std::size_t offset) {
  return std::string(reinterpret_cast<const char*>(&image[offset + 1]), image[offset]);
}

// Every field a value of its own, so a field written at another's offset shows.
VaultItem DistinctItem() {
  VaultItem item;
  item.Id = -123456789;
  item.Name = "Cloak of Shades";
  item.ItemType = 0x0102;
  item.Realm = 0x0203;
  item.Expansion = 0x0304;
  item.Level = 0x0405;
  item.Slot = 0x0506;
  item.Absorb = 0x0607;
  item.WeaponType = 0x0708;
  item.Quality = 0x0809;
  item.Speed = 0x090A;
  item.Source = 0x0A0B;
  item.BonusLevel = 0x0B0C;
  item.BonusLevelManual = 0x0C0D;
  item.Unique = 0x11;
  item.ServerCoop = 0x12;
  item.ServerPvP = 0x13;
  item.ServerClassic = 0x14;
  item.ServerNormal = 0x15;
  item.ServerYwaine = 0x16;
  item.ServerRealmFree = 0x17;
  item.ServerOrigins = 0x18;
  for (int i = 0; i < kClassCount; ++i) item.ClassUsable[i] = static_cast<std::uint8_t>(0x40 + i);
  item.Verified = 0x21;
  item.Researched = 0x22;
  for (int n = 0; n < kBonusSlots; ++n) {
    item.StatIds[n] = static_cast<StatId>(0x1000 + n);
    item.StatValues[n] = -1000 * (n + 1) - 7;
  }
  item.ProcKinds = {0x31, 0x32};
  item.ProcEffects = {0x3334, 0x3536};
  item.ProcAmounts = {0x3738, 0x393A};
  item.Notes = "Some notes";
  return item;
}

TEST(VaultItemImage, EveryFieldLiesAtItsOffsetLittleEndian) {
  const VaultItem item = DistinctItem();
  const VaultItemImage image = ToImage(item);
  ASSERT_EQ(image.size(), 558u);

  EXPECT_EQ(U32At(image, 0), static_cast<std::uint32_t>(-123456789));
  EXPECT_EQ(image[0], 0xEB);  // lowest byte first
  EXPECT_EQ(TextAt(image, 4), "Cloak of Shades");
  EXPECT_EQ(image[4 + 1 + 15], 0) << "the unused characters are zero";
  const std::pair<std::size_t, std::uint16_t> words[] = {
      {205, 0x0102}, {207, 0x0203}, {209, 0x0304}, {211, 0x0405}, {213, 0x0506}, {215, 0x0607},
      {217, 0x0708}, {219, 0x0809}, {221, 0x090A}, {223, 0x0A0B}, {225, 0x0B0C}, {227, 0x0C0D}};
  for (const auto& [offset, value] : words) EXPECT_EQ(U16At(image, offset), value) << "offset " << offset;
  const std::pair<std::size_t, std::uint8_t> bytes[] = {{229, 0x00}, {230, 0x11}, {231, 0x12}, {232, 0x13},
                                                        {233, 0x14}, {234, 0x15}, {235, 0x16}, {236, 0x17},
                                                        {237, 0x18}, {285, 0x21}, {286, 0x22}, {347, 0x31},
                                                        {348, 0x32}};
  for (const auto& [offset, value] : bytes) EXPECT_EQ(image[offset], value) << "offset " << offset;
  for (int i = 0; i < kClassCount; ++i) EXPECT_EQ(image[238 + i], 0x40 + i) << "class " << i;
  for (int n = 0; n < kBonusSlots; ++n) {
    EXPECT_EQ(U16At(image, 287 + 2 * n), 0x1000 + n) << "stat id " << n;
    EXPECT_EQ(U32At(image, 307 + 4 * n), static_cast<std::uint32_t>(-1000 * (n + 1) - 7)) << "stat value " << n;
  }
  EXPECT_EQ(U32At(image, 349), 0x35363334u) << "proc effects";
  EXPECT_EQ(U32At(image, 353), 0x393A3738u) << "proc amounts";
  EXPECT_EQ(TextAt(image, 357), "Some notes");
}

TEST(VaultItemImage, ReadsBackWhatItWrote) {
  const VaultItem item = DistinctItem();
  EXPECT_EQ(FromImage(ToImage(item)), item);

  VaultItem full = ResetVaultItem();
  full.Name = std::string(200, 'N');
  full.Notes = std::string(200, 'x');
  EXPECT_EQ(FromImage(ToImage(full)), full);

  full.ReservedFlag = 7;
  EXPECT_EQ(ToImage(full)[229], 0) << "the reserved flag is always written as 0";
}

TEST(VaultItemImage, DamagedLengthBytesReadAsTheCapacity) {
  VaultItemImage image = ToImage(ResetVaultItem());
  image[4] = 250;
  for (int i = 0; i < 200; ++i) image[5 + i] = static_cast<std::uint8_t>('a' + i % 26);
  image[357] = 255;
  const VaultItem item = FromImage(image);
  EXPECT_EQ(item.Name.Size(), 200u);
  EXPECT_EQ(item.Name.View().substr(0, 3), "abc");
  EXPECT_EQ(item.Notes.Size(), 200u);
}

TEST(VaultItem, ResetGivesTheValuesOfANewItem) {
  VaultItem item = DistinctItem();
  ResetVaultItem(item);
  VaultItem expected;  // all zero
  expected.Id = -1;
  expected.Name = " ";
  expected.Realm = 3;
  expected.Level = 51;
  expected.Quality = 41;
  EXPECT_EQ(item, expected) << "every other field is 0 or empty";
  EXPECT_EQ(ResetVaultItem(), expected);
}

}  // namespace
}  // namespace davoruzivi
