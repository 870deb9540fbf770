// The template commands: new, load, import, save, the save prompts, the
// configuration manager and the fields of the current configuration.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/zlib_stream.h"
#include "model/test_support.h"

namespace davoruzivi {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTitle = "DavoruzivI 1.124.0.4";

class Workflow : public test::WorkflowTest {
 protected:
  void SetUp() override {
    settings_.Server = 0;
    settings_.Realm = 0;
    workflow_.NewTemplate();
  }
  fs::path WriteTemplate(const std::string& name, const std::string& configuration) {
    Template t;
    t.ClassIndex = 0;
    t.ServerIndex = 0;
    t.ListsOf(4).VaultIds = {1};
    t.Configurations = {NewConfiguration("<None>")};
    t.Configurations[0].Name = configuration;
    t.Configurations[0].Slots[4] = "v0";
    t.Configurations[0].Level = 45;
    t.Configurations[0].ChampionLevel = 12;
    t.CurrentConfiguration = 0;
    EXPECT_FALSE(WriteTemplateFile(folder_ / name, t, vault_.Vocabularies()));
    return folder_ / name;
  }
  // A template with one configuration saved under the name.
  void SaveNew(const std::string& name) {
    workflow_.NewConfiguration();
    files_.choices.push_back(folder_ / name);
    ASSERT_TRUE(workflow_.Save());
  }
};

TEST_F(Workflow, NewTemplateStartsFromTheDefaultServerAndRealm) {
  Template other;
  TemplateWorkflow fresh(other, vault_, settings_, {messages_, questions_, files_, clock_, store_}, folder_.Path());
  EXPECT_EQ(fresh.Caption(), std::string(kTitle) + " ( No Template ) - [ No Configuration ]");

  settings_.Server = 2;
  settings_.Realm = 2;
  workflow_.NewConfiguration();
  model_.Notes = {"note"};
  questions_.answers = {2};  // "&New Character"
  workflow_.NewTemplate();
  EXPECT_EQ(model_.ServerIndex, 2);
  EXPECT_EQ(model_.ClassIndex, 32);
  EXPECT_TRUE(model_.Configurations.empty() && model_.Notes.empty() && model_.FileName.empty());
  EXPECT_TRUE(workflow_.ClassAndServerEditable());
  EXPECT_EQ(workflow_.Caption(), std::string(kTitle) + " ( No Template ) - [ No Configurations ]");
  EXPECT_EQ(workflow_.ConfigurationCountCaption(), "Configuration Count : 0 / 1000");
}

TEST_F(Workflow, SaveAsksForTheProposedNameOnceAndThenWritesThere) {
  workflow_.NewConfiguration();
  EXPECT_EQ(workflow_.Caption(), std::string(kTitle) + " ( Normal - (Alb) Armsman.kwt ) - [ New Configuration ]");
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Modified);
  EXPECT_FALSE(workflow_.ClassAndServerEditable());

  files_.choices = {folder_ / "mine"};
  ASSERT_TRUE(workflow_.Save());
  ASSERT_EQ(files_.saved.size(), 1u);
  EXPECT_EQ(files_.saved[0].proposedName, "Normal-(Alb) Armsman.kwt");
  EXPECT_EQ(files_.saved[0].folder, files_.documents) << "not the program's folder, which may be read-only";
  const fs::path mine = folder_ / "mine.kwt";
  EXPECT_TRUE(fs::is_regular_file(mine));
  EXPECT_EQ(LastMessage(), "Character saved : mine.kwt");
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Saved);
  EXPECT_EQ(workflow_.Recent().File(1), mine.string());
  EXPECT_EQ(workflow_.Caption(), std::string(kTitle) + " ( mine.kwt ) - [ New Configuration ]");

  workflow_.RenameConfiguration("Renamed");
  EXPECT_TRUE(workflow_.Save());
  EXPECT_EQ(files_.saved.size(), 1u);
  EXPECT_FALSE(workflow_.SaveAs());  // cancelled
  ASSERT_EQ(files_.saved.size(), 2u);
  EXPECT_EQ(files_.saved[1].folder, folder_.Path()) << "the saved file is offered where it is";
  EXPECT_EQ(files_.saved[1].proposedName, "mine.kwt");
  EXPECT_TRUE(workflow_.Save());
  EXPECT_EQ(files_.saved.size(), 2u);
}

TEST_F(Workflow, AFailedWriteNamesTheFileAndChangesNothing) {
  workflow_.NewConfiguration();
  fs::create_directory(folder_ / "dir.kwt");
  test::WriteBytes(folder_ / "dir.kwt" / "inside", "old");
  files_.choices = {folder_ / "dir.kwt", folder_ / "missing" / "x.kwt"};
  EXPECT_FALSE(workflow_.Save());
  EXPECT_NE(LastMessage().find("dir.kwt"), std::string::npos);
  EXPECT_EQ(test::ReadBytes(folder_ / "dir.kwt" / "inside"), "old");
  EXPECT_FALSE(workflow_.SaveAs());
  EXPECT_NE(LastMessage().find("x.kwt"), std::string::npos);
  EXPECT_EQ(messages_.notices.size(), 2u);  // no "Character saved : "
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Modified);
  EXPECT_EQ(workflow_.Recent().File(1), "");
  EXPECT_EQ(folder_.Entries(), std::vector<std::string>{"dir.kwt"});
  EXPECT_EQ(model_.FileName, "Normal - (Alb) Armsman.kwt");
  EXPECT_FALSE(model_.FileNameConfirmed);

  // A saved file stays the one Save writes to after Save As failed elsewhere.
  files_.choices = {folder_ / "saved.kwt", folder_ / "missing" / "y.kwt"};
  ASSERT_TRUE(workflow_.Save());
  EXPECT_FALSE(workflow_.SaveAs());
  EXPECT_EQ(model_.FileName, folder_ / "saved.kwt");
  EXPECT_TRUE(model_.FileNameConfirmed);
  const std::size_t asked = files_.saved.size();
  EXPECT_TRUE(workflow_.Save());
  EXPECT_EQ(files_.saved.size(), asked);
}

TEST_F(Workflow, SavePromptAnswersDecideWhetherTheCommandGoesOn) {
  workflow_.NewConfiguration();
  questions_.answers = {3, 1, 4};
  workflow_.NewTemplate();  // cancel
  workflow_.NewTemplate();  // save, dialog cancelled
  workflow_.NewTemplate();  // save as, dialog cancelled
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Modified);
  ASSERT_EQ(questions_.asked.size(), 3u);
  EXPECT_EQ(questions_.asked[0].message, "Changes have been made, do you wish to save before starting a new character?");
  EXPECT_EQ(questions_.asked[0].second + questions_.asked[0].fourth, "&New CharacterSave &As...");

  questions_.answers = {1};
  files_.choices = {folder_ / "kept.kwt"};
  workflow_.NewTemplate();
  EXPECT_TRUE(fs::exists(folder_ / "kept.kwt"));
  EXPECT_EQ(workflow_.Status(), TemplateStatus::New);

  workflow_.NewConfiguration();
  questions_.answers = {3, 2};
  EXPECT_FALSE(workflow_.Load());
  EXPECT_TRUE(files_.opened.empty());
  EXPECT_EQ(questions_.asked.back().message,
            "Changes have been made, do you wish to save before loading a new character?");
  EXPECT_FALSE(workflow_.Load());  // go on, then the open dialog is cancelled
  EXPECT_EQ(files_.opened.size(), 1u);
  EXPECT_EQ(model_.Configurations.size(), 1u);
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Modified) << "nothing was loaded, so the changes are still unsaved";
}

TEST_F(Workflow, LoadGivesUpTheChangesOnlyWhenAFileIsRead) {
  const fs::path a = WriteTemplate("a.kwt", "Alpha");
  test::WriteBytes(folder_ / "notes.txt", "");
  workflow_.NewConfiguration();
  const Template before = model_;
  questions_.answers = {2, 2, 2};
  EXPECT_FALSE(workflow_.Load(folder_ / "notes.txt"));
  EXPECT_FALSE(workflow_.Load(folder_ / "gone.kwt"));
  EXPECT_EQ(model_.Configurations, before.Configurations);
  EXPECT_EQ(model_.FileName, before.FileName);
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Modified);
  ASSERT_TRUE(workflow_.Load(a));
  EXPECT_EQ(questions_.asked.size(), 3u);
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Saved);
}

TEST_F(Workflow, LoadAndImportSetTheFileNameAsDecided) {
  const fs::path a = WriteTemplate("a.kwt", "Alpha");
  const fs::path b = WriteTemplate("b.kwt", "Beta");
  ASSERT_TRUE(workflow_.Load(a));
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Saved);
  EXPECT_TRUE(model_.FileNameConfirmed);
  EXPECT_EQ(workflow_.Caption(), std::string(kTitle) + " ( a.kwt ) - [ Alpha ]");
  EXPECT_EQ(model_.Configurations[0].ChampionLevel, 12);

  ASSERT_TRUE(workflow_.Import(b));
  EXPECT_EQ(model_.Configurations.size(), 2u);
  EXPECT_EQ(model_.FileName, a) << "Import keeps the file name";
  EXPECT_EQ(workflow_.Caption(), std::string(kTitle) + " ( a.kwt ) - [ Alpha ]");
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Modified);
  EXPECT_TRUE(workflow_.Save());
  EXPECT_TRUE(files_.saved.empty());

  const Template before = model_;  // the items of the file are merged before its damage shows
  test::WriteBytes(folder_ / "many.kwt", Deflate("~Kitwright Template v2\r\n~Vault version :1\r\n \r\n(Alb) Armsman\r\n"
                                                 "Normal\r\n \r\n~4\r\n~V\r\n9\r\n/\r\n~config\r\n1001\r\n"));
  EXPECT_FALSE(workflow_.Import(folder_ / "many.kwt"));
  EXPECT_EQ(LastMessage(), "Import failure. A backup has been restored so no data has been lost. Please try again.");
  EXPECT_EQ(model_.Equip, before.Equip);
  EXPECT_EQ(model_.Configurations, before.Configurations);

  workflow_.NewTemplate();
  ASSERT_TRUE(workflow_.Import(b));
  EXPECT_TRUE(model_.FileName.empty());
  EXPECT_EQ(workflow_.Caption(), std::string(kTitle) + " ( No Template ) - [ Beta ]");
  EXPECT_FALSE(workflow_.Save());
  EXPECT_EQ(files_.saved.size(), 1u);
}

TEST_F(Workflow, AFailedLoadStartsANewTemplateWithoutAFileName) {
  test::WriteBytes(folder_ / "bad.kwt", Deflate("~Kitwright Template v2\r\n~Vault version :1\r\n \r\n(Alb) Armsman\r\n"
                                                "Normal\r\n \r\n~0\r\n~V\r\nabc\r\n"));
  test::WriteBytes(folder_ / "notes.txt", "");
  SaveNew("good.kwt");
  EXPECT_FALSE(workflow_.Load(folder_ / "bad.kwt"));
  EXPECT_EQ(messages_.notices[messages_.notices.size() - 2].text.rfind("This template file is damaged : \n\rbad.kwt", 0),
            0u);
  EXPECT_EQ(LastMessage(), "Load failure. Template reset to defaults. Please try again.");
  EXPECT_TRUE(model_.Configurations.empty() && model_.FileName.empty() && !model_.FileNameConfirmed);
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Saved);
  EXPECT_FALSE(workflow_.Load(folder_ / "notes.txt"));
  EXPECT_EQ(LastMessage(), "Unknown File Type : \n\rnotes.txt");
  EXPECT_FALSE(workflow_.Load(folder_ / "gone.kwt"));
  EXPECT_EQ(LastMessage(), "File not found...");
  workflow_.NewConfiguration();
  EXPECT_FALSE(workflow_.Save());
  EXPECT_EQ(files_.saved.size(), 2u);
}

TEST_F(Workflow, CopyDeleteAndTheLimitsOfTheConfigurationList) {
  workflow_.NewConfiguration();
  model_.Configurations[0].Name = "Base";
  model_.Configurations[0].Slots[3] = "v7";
  model_.Configurations[0].Race = "Briton";
  workflow_.CopyConfiguration();
  ASSERT_EQ(model_.Configurations.size(), 2u);
  Configuration copy = model_.Configurations[1];
  EXPECT_EQ(copy.Name, "Base (Copy: 1/2/2020 3:04:05 PM )");
  copy.Name = "Base";
  EXPECT_EQ(copy, model_.Configurations[0]);
  EXPECT_EQ(model_.CurrentConfiguration, 1);
  workflow_.SetStatus(TemplateStatus::Saved);
  workflow_.CopyConfiguration();
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Modified);

  questions_.answers = {2, 1, 1};
  workflow_.SetStatus(TemplateStatus::Saved);
  workflow_.SelectConfiguration(1, /*listClicked=*/true);
  workflow_.DeleteConfiguration();
  EXPECT_EQ(model_.Configurations.size(), 3u);
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Saved) << "selecting and a cancelled delete change nothing";
  workflow_.DeleteConfiguration();
  EXPECT_EQ(model_.Configurations.size(), 2u);
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Modified);
  EXPECT_EQ(model_.CurrentConfiguration, 1);
  workflow_.DeleteConfiguration();
  EXPECT_EQ(model_.CurrentConfiguration, 0);
  EXPECT_FALSE(workflow_.CanDeleteConfiguration());
  workflow_.DeleteConfiguration();
  EXPECT_EQ(model_.Configurations.size(), 1u);

  const Configuration last = model_.Configurations[0];
  model_.Configurations.resize(1000, last);
  EXPECT_FALSE(workflow_.CanAddConfiguration());
  workflow_.NewConfiguration();
  workflow_.CopyConfiguration();
  EXPECT_EQ(model_.Configurations.size(), 1000u);
  EXPECT_EQ(workflow_.ConfigurationCountCaption(), "Configuration Count : 1000 / 1000");
}

TEST_F(Workflow, FieldsOfTheCurrentConfiguration) {
  SaveNew("f.kwt");
  workflow_.RenameConfiguration("");
  EXPECT_EQ(LastMessage(), "Configurations must have at least one character in their name");
  EXPECT_EQ(model_.Configurations[0].Name, "New Configuration");
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Saved);
  workflow_.RenameConfiguration(std::string(210, 'n'));
  EXPECT_EQ(model_.Configurations[0].Name.Size(), 200u);
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Modified);

  model_.Configurations[0].Spec.fill(9);
  workflow_.ChangeLevel(45);
  EXPECT_EQ(model_.Configurations[0].ChampionLevel, 0);
  EXPECT_EQ(model_.Configurations[0].Spec[0], 1);
  EXPECT_FALSE(workflow_.ChampionLevelEditable());
  workflow_.ChangeLevel(41);
  EXPECT_EQ(workflow_.DefaultCraftLevel(), 51);
  model_.Configurations[0].ChampionLevel = 12;
  workflow_.SelectConfiguration(0);
  EXPECT_EQ(model_.Configurations[0].ChampionLevel, 12);

  model_.Configurations[0].Slots.fill("v0");
  questions_.answers = {2, 1};
  workflow_.UnequipAll();
  EXPECT_EQ(model_.Configurations[0].Slots[18], "v0");
  workflow_.UnequipAll();
  for (const std::string& ref : model_.Configurations[0].Slots) EXPECT_EQ(ref, "e0");
}

TEST_F(Workflow, OnlyAValueOtherThanTheStoredOneMarksTheTemplateModified) {
  SaveNew("f.kwt");
  int recalculated = 0;
  workflow_.OnRecalculate([&] { ++recalculated; });
  Configuration& current = model_.Configurations[0];
  current.Race = "Briton";
  current.Spec.fill(9);
  const Configuration stored = current;
  questions_.answers = {1};
  const std::vector<std::function<void()>> storingTheSame = {
      [&] { workflow_.ChangeLevel(stored.Level); },
      [&] { workflow_.ChangeChampionLevel(stored.ChampionLevel); },
      [&] { workflow_.ChangeRealmRank(stored.RealmRank); },
      [&] { workflow_.ChangeRace(stored.Race.View()); },
      [&] { workflow_.ChangeWeapons(stored.WeaponsEquipped); },
      [&] { workflow_.RenameConfiguration(stored.Name.View()); },
      [&] { workflow_.UnequipAll(); },  // every slot is empty already
      [&] { workflow_.SelectConfiguration(0, /*listClicked=*/true); },
  };
  for (const auto& store : storingTheSame) store();
  EXPECT_EQ(current, stored) << "the level reset neither the spec nor the champion level";
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Saved);
  EXPECT_EQ(recalculated, 8) << "the views are still brought up to date (a rename shows no stat)";

  workflow_.ChangeRace("Saracen");
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Modified);
  workflow_.SetStatus(TemplateStatus::Saved);
  workflow_.ChangeLevel(stored.Level - 1);
  EXPECT_EQ(workflow_.Status(), TemplateStatus::Modified);
}

TEST_F(Workflow, ChoosingARecentEntryLoadsItOrDropsAVanishedFile) {
  const fs::path a = WriteTemplate("a.kwt", "Alpha");
  settings_.Files = {(folder_ / "x.kwt").string(), (folder_ / "gone.kwt").string(), a.string(), "", ""};
  workflow_.ChooseRecent(2);
  EXPECT_EQ(LastMessage(), "File deleted/moved, removing this item from the list");
  EXPECT_EQ(settings_.Files[1], a.string());
  EXPECT_EQ(settings_.Files[2], "");
  workflow_.ChooseRecent(5);
  workflow_.ChooseRecent(2);
  EXPECT_EQ(model_.FileName, a);
  EXPECT_EQ(settings_.Files[0], a.string());
  EXPECT_EQ(settings_.Files[1], (folder_ / "x.kwt").string());
}

TEST_F(Workflow, ARecentEntryChosenAfterSavingUnderANewNameComesToTheTop) {
  const fs::path a = WriteTemplate("a.kwt", "Alpha");
  const fs::path x = WriteTemplate("x.kwt", "Ex");
  settings_.Files = {x.string(), a.string(), "", "", ""};
  workflow_.NewConfiguration();
  questions_.answers = {4};  // "Save &As...", which pushes the new file on top
  files_.choices = {folder_ / "new.kwt"};
  workflow_.ChooseRecent(2);
  EXPECT_EQ(model_.FileName, a);
  EXPECT_EQ(settings_.Files[0], a.string()) << "the file loaded, not the one now standing second";
  EXPECT_EQ(settings_.Files[1], (folder_ / "new.kwt").string());
  EXPECT_EQ(settings_.Files[2], x.string());
  EXPECT_EQ(settings_.Files[3], "");
}

}  // namespace
}  // namespace davoruzivi
