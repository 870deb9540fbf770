// The item command: a vault item's description printed in panel or list form.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_cli.h"

namespace {

using davoruzivi::VaultItem;
using davoruzivi::testing::Outcome;
using davoruzivi::testing::RunCli;
using davoruzivi::testing::TemporaryFolder;

class ItemCommand : public ::testing::Test {
 protected:
  // 0 a level 50 Albion chest of the class's armour, with a Windows-1252 name.
  void SetUp() override {
    VaultItem chest = davoruzivi::ResetVaultItem();
    chest.Name = "Caf\xE9 Chest";
    chest.Realm = 0;
    chest.Level = 50;
    chest.Absorb = 6;
    chest.Verified = 1;
    davoruzivi::testing::WriteVault(folder_ / "test.kwv", {chest});
  }

  Outcome Run(std::vector<std::string> args) const {
    args.insert(args.begin(), {"--vault", (folder_ / "test.kwv").string(), "item"});
    return RunCli(args);
  }

  TemporaryFolder folder_;
};

TEST_F(ItemCommand, PanelFormHasTheTitleAndTheClassArmourDecidesAbsorbListFormTheLinesOnly) {
  const Outcome plate = Run({"0", "--class", "(Alb) Armsman"});
  EXPECT_EQ(plate.status, 0) << plate.err;
  EXPECT_EQ(plate.out.substr(0, plate.out.find("Item Type")), "Item Report : Caf\xC3\xA9 Chest\nItem Level : 50\n");
  EXPECT_NE(plate.out.find("\nAbsorb : 34% (Plate)\nAF : 100 \n"), std::string::npos);
  const Outcome cloth = Run({"0", "--class", "1", "--form", "panel"});  // Cabalist
  EXPECT_NE(cloth.out.find("\nAbsorb : 0% (Cloth)\nAF : 50 \n"), std::string::npos);

  const Outcome list = Run({"--form", "list", "0"});
  EXPECT_EQ(list.status, 0) << list.err;
  EXPECT_EQ(list.out.substr(0, list.out.find("Item Type")), "Caf\xC3\xA9 Chest\n\nItem Level : 50\n");
  EXPECT_TRUE(list.out.ends_with("\n\nNotes : \n"));
}

TEST_F(ItemCommand, PositionOutsideTheVaultDescribesAResetRecordAndBadArgumentsAreUsageErrors) {
  const Outcome outside = Run({"7"});
  EXPECT_EQ(outside.status, 0);
  EXPECT_EQ(outside.err, "message: Read past end of vault.\n");
  EXPECT_EQ(outside.out.substr(0, outside.out.find('\n', 17)), "Item Report :  \nItem Level : 51");
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{}, {"x"}, {"0", "1"}, {"0", "--form", "wide"}, {"0", "--class", "47"}})
    EXPECT_EQ(Run(args).status, 2) << args.size();
}

}  // namespace
