#include "Help/help_texts.h"

#include <array>
#include <string>
#include <string_view>

#include "core/web_addresses.h"
#include "platform/qt/qt_text.h"

namespace davoruzivi::ui {
namespace {

constexpr std::array<std::string_view, kHelpTopicCount> kTopicNames = {
    "Getting Started", "Using the Interface", "Omnicrafting Tutorial", "Report Formatting"};

constexpr std::string_view kGettingStarted = R"(GETTING STARTED

DavoruzivI is a character planner for Dark Age of Camelot. You design a template for one character class on one server type, choose an item for each of the nineteen equipment slots, and the planner adds up every bonus of those items and holds each total against the cap your level, realm rank and cap-raising bonuses allow. When you are happy with a suit, the planner writes it out as a text report fit for posting on a forum.

WHAT A TEMPLATE HOLDS

- The server type and the class. Both are chosen once, before the first configuration is made.
- Up to 1000 configurations. Each has its own name, character level, champion level, race, realm rank, weapon choice and spec, and its own choice of item in each slot.
- For each kind of slot, a list of candidate items. Every configuration of the template picks from the same lists, so a ring you added once can be worn by all of them.
- Notes of your own (the "Character Notes" tab).

Candidate items come from three sources: the master vault (the item database that is loaded from master.kwv beside the program at start-up), items you enter by hand, and spellcrafted items that you design gem by gem.

YOUR FIRST TEMPLATE

1. Choose "New Template" (Ctrl+N). Pick the "Server Type" and the "Class Selection" in the "Character Information" box. The server type and realm offered first are the defaults from the Options menu.
2. Press "Begin/New" in the "Configurations Manager". A configuration named "New Configuration" appears and the other tabs become visible. Give it a name, level, champion level, race, realm rank and the weapons you fight with in the "This Configuration" box.
3. Open the "Equipment" tab. Click a slot button on the left, then click an entry in the item list beside it: the item is equipped at once, the totals in the "Stats" box are worked out again and the information panel describes the item. "<Empty Slot>" takes the item off again.
4. The item lists start empty. The "Add Items from..." buttons are where the planner is designed to fill them: "The Master Vault" searches the item database, "Via Manual Entry" lets you type in an item that the vault lacks, and "Spellcraft Calculator" designs crafted armour and weapons.
5. Watch the "Stats" box on the right. Every stat shows what the items give ("Now"), the cap and the difference, and its colour tells you whether you are over the cap, under it or exactly at it. Click a stat to see in the information panel which items give it.
6. Save the template with "Save Template" (Ctrl+S). Templates are stored as .kwt files; the five you used last are listed under "Recent Templates" in the File menu.
7. Open the "Report" tab for the finished write-up (see the topic "Report Formatting").

Several configurations of one template are the easy way to compare suits: copy a configuration with "Copy", change a few slots, and switch between the two in the list to see the difference in the totals.

The planner never changes a file on its own: nothing is written unless you save. When you close it with unsaved changes it asks whether to save first.

WEB LINKS

)";

constexpr std::string_view kUsingTheInterface = R"(USING THE INTERFACE

THE MAIN WINDOW

- Quick bar (top): New, Load, Import, Save and Save as for templates, the item editor, the salvage calculator and the planner's web site. "Toggle Quickbar" (Ctrl+K) in the Options menu hides it; it is shown again at every start.
- "Character Information": the server type and the class of the template.
- "Configurations Manager": the list of configurations with "Begin/New", "Copy" and "Delete". Its caption counts the configurations (at most 1000). Clicking a configuration makes it the current one; everything else in the window shows that configuration.
- "This Configuration": the name, level, champion level, realm rank, race and equipped weapons of the current configuration.
- The tabs: "Welcome" (these help topics), "Equipment", "Spec Editor", "Report" and "Character Notes". All but "Welcome" stay hidden until the template has a configuration.
- "Stats" (right): the totals of the current configuration against their caps, in groups for the main stats, the cap increases, the resists, the skills and everything else. "Show All ToA/PvE/Other Stats" also lists the ToA, PvE and other stats that no item gives yet.
- The information panel (bottom right): describes the item you last chose, or lists the items that give the stat you clicked.
- The status bar shows the hint of the control under the mouse.

THE FILE COMMANDS

"New Template" (Ctrl+N), "Load Template" (Ctrl+L), "Save Template" (Ctrl+S), "Save Template as" (Ctrl+A) and "Import Template" (Ctrl+T) are on the File menu and the quick bar. They follow the state of the template: Save works while there are unsaved changes; Save as and Import work once the template has been changed, saved or loaded. Import adds the items and configurations of another template of the same class to the open one, leaving out vault items the open template already lists. Starting the planner with the name of a template file opens that template.

THE EQUIPMENT TAB

The nineteen slot buttons (Jewel, Neck, Cloak, Belt, two rings, two wrists, Chest, Head, Arms, Hands, Legs, Feet, Right Hand, Left Hand, Two Hand, Ranged and Mythirian) choose the slot whose candidates the list shows. Choosing an entry in the list equips it in the current configuration. "Unequip All Slots" empties every slot of the current configuration after asking. With "Automatically Choose Weapon Slot" on (Options menu), clicking a weapon slot button also sets the configuration's equipped weapons: the hand slots choose right and left hands, Two Hand chooses two-handed, and Ranged chooses ranged or instrument.

The item windows opened from this tab (the vault loader, the manual item editor and the spellcraft calculator) are designed to take the place of the tabs while they are open; their "Done" command brings the tabs back, and the template's file commands wait until then.

THE SPEC EDITOR

The "Spec Editor" tab shares out the spec points of the current configuration over the eight spec lines of the class. It shows the points the class has at the configuration's level, the points spent and the points left, and it never lets a line go so high that the balance would drop below zero. "/Respec All" sets every line back to 1 after asking. Clicking the class name opens the game's page on classes and races in your browser.

TOOLS

- "Salvage Calculator" (Ctrl+M): type the amount of each metal grade, or use the arrows to change it in steps of 100; the window shows at once what the metal is worth sold raw and made into trinkets, in platinum, gold, silver and copper. "Clear All" (or Enter) sets every amount back to 0.
- "Item Editor" (Ctrl+E): the planner's design includes an editor for the master vault itself, with which items are corrected or added and then committed back to the vault files.

OPTIONS

The Options menu keeps your preferences between runs: the server type, realm and sort order that new templates and item lists start with, whether the planner starts maximised, the quick bar, the automatic weapon slot, and mouse hover switching. With hover switching on, a control takes the keyboard focus as soon as the mouse is over it, so you can point at a list and go on with the keyboard at once; "Disable Mouse Hover Switching" (Ctrl+W) turns this off.

GOOD TO KNOW

- Number fields correct themselves: they take digits only, an empty field becomes 0, and a number above the field's limit becomes the limit.
- Choosing an entry in any item list equips it straight away; there is no separate OK.
- Web addresses in these help texts are links: click one to open it in your browser.
)";

constexpr std::string_view kOmnicraftingTutorial = R"(OMNICRAFTING TUTORIAL

Spellcrafting puts up to four gems into a crafted piece of armour or a weapon; each gem raises one stat. Omnicrafting is planning the gems of a whole suit together instead of item by item. This tutorial explains the rules the planner works with, then the way its spellcraft calculator and omnicrafter are designed to be used.

1. WHAT A GEM COSTS

Every gem costs imbue points, depending on the stat and the gem's amount:

- Stats (Strength ... Charisma): the amount divided by 1.725, with the fraction dropped. A 29 Strength gem costs 16, a 2 Strength gem costs 1.
- Power and resists: 1 point for an amount of 1, otherwise (amount - 1) x 2. A 17 Crush Resist gem costs 32.
- Hit points: the amount divided by 4. A 76 Hit Points gem costs 19.
- Skills: 1 point for an amount of 1, otherwise (amount - 1) x 5. An 8 Slash gem costs 35.
- All Melee, All Casting and focus gems: always 1 point.

2. HOW FULL AN ITEM IS

The charge of an item is half of the sum of its four gem costs plus the highest of them once more. Two gems of 16 points give (16 + 16 + 16) / 2 = 24. The most expensive gem counts twice, so it pays to spread the cost evenly over the gems.

The capacity of an item depends on its level: 32 at level 51, 31 at levels 49 and 50, 30 at level 48, and less below. Cloth holds one point less than other armour, except at level 51.

3. OVERCHARGING

An item may be charged above its capacity by up to 5.5 points: a level 51 item takes at most 37.5. Between the capacity and that maximum the item is overcharged and may fail when it is made; the planner allows it. Above the maximum it cannot be made at all, and the planner refuses to store such an item: the charge shows in red and the item has to be brought back under the maximum first.

Example, a level 51 item with 26 Strength (15 points), 26 Constitution (15), 26 Dexterity (15) and 52 Hit Points (13): the charge is (15 + 15 + 15 + 13 + 15) / 2 = 36.5, which is 4.5 over the capacity of 32 but below the maximum of 37.5.

4. THE FIFTH SLOT

A level 51 item has a fifth slot with a bonus chosen from a fixed list that depends on the slot, the armour kind and the class. The bonus only counts once all four gem slots are filled; "Force Fifth Slot Calc" counts it anyway while you are still planning. Below level 51 there is no fifth slot.

5. ONE GEM PER STAT AND ITEM

An item cannot carry two gems of the same stat. When you pick a stat that another gem of the item already has, the calculator moves on to the next stat that is still free.

6. PLANNING A WHOLE SUIT

The spellcraft calculator is designed to be opened from the Equipment tab ("Spellcraft Calculator") for the ten craftable slots: Chest, Head, Arms, Hands, Legs, Feet, Right Hand, Left Hand, Two Hand and Ranged. Its second tab, the omnicrafter, holds a pool of planned gems that belong to no item yet:

1. Add the gems you want to the pool, one stat and amount at a time, for example Strength+29.
2. Tick the slots that the plan will cover. While the omnicrafter tab is shown, the totals in the "Stats" box count the planned gems instead of the items in those slots, so you see at once whether the plan reaches your caps.
3. Read the gem analysis: the number of gems, the highest, lowest and average imbue cost, the total cost, the gem slots the chosen items offer (four per item) and how many gems are left over. A positive "Gems over Slots Available" means the plan does not fit yet.
4. Back on the first tab, take the planned gems into real items one by one. A gem goes into the first empty gem slot of the item, and it cannot go into an item that already has that stat. A gem can also be given back from an item to the pool, for example to make room for another.

Spread the expensive gems (resists, skills, big stat gems) so that each item carries one of them and cheap gems beside it; an item with two expensive gems is quickly over its maximum.

The plan is kept while the planner runs, also after you close the calculator, but it is not saved with the template and a new template empties it. Closing the calculator always brings the "Stats" box back to the totals of the real items.

7. MATERIALS

The report can list the gems of the crafted items with the materials they need and the totals of gems and dusts for the whole suit (the "Materials Report" option, see "Report Formatting").
)";

constexpr std::string_view kReportFormatting = R"(REPORT FORMATTING

The "Report" tab shows a plain-text report of the current configuration: a header about the character, a table of the stat totals against their caps, every equipment slot with its item (bonuses, gems and procs), and a bill of spellcraft materials. It is built for forum posts, mail and print, and is shown in a fixed-pitch font so that its columns line up. Post it inside your forum's code tags to keep the alignment.

The report is made again whenever you open the tab and whenever a report option changes.

REPORT OPTIONS

The Report menu, enabled while the Report tab is shown, switches parts of the report on and off. The choices are kept between runs.

- Template Stats: the table of totals and caps.
- Item Extra Details: realm rank and champion level in the header; the detail, armour and weapon lines of vault items.
- Dropped Item Stats: the bonuses of items from the master vault.
- Inline Edit Item Stats: the bonuses of items entered by hand.
- Spellcrafted Item Stats: the gems and fifth-slot bonuses of crafted items.
- Item Procs: the procs of items.
- Materials Report: the materials of every gem and the material totals.
- Item Utility Values: the utility and bonus level of vault items.
- Item Notes: the notes of vault items.
- Extra Formatting: the framed layout (centred banners between rules of = and -, aligned columns, a line for every empty slot) when on; the plain layout (one-line markers and unpadded columns) when off, for forums that show the framing badly.
- Alternate Item Order: lists the equipment slots in another order.

PRESETS

"Default Options" in the Report menu sets several options at once: two presets suited to what common game forums display well (a standard form and a brief form, both plain and in the alternate order), and "Everything enabled", which switches every part on and leaves the item order as it is. The button below the report applies the standard preset.

COPYING AND SAVING

- "Copy Report to Clipboard" copies the whole report, ready to paste.
- "Save as Text" writes the report to a .txt file.
- "Save as HTML" writes a small web page: the report inside a PRE block, so that a browser keeps its spacing, with a title naming the configuration.

Name your configurations well: the name is what the report and the HTML page are titled with.
)";

QString GettingStartedText() {
  std::string text(kGettingStarted);
  text += "Home page of the planner: " + std::string(web::kHomePage) + "\n";
  text += "News of the game: " + std::string(web::kNewsSite) + "\n";
  text += "Game forum: " + std::string(web::kForum) + "\n";
  return platform::ToQString(text);
}

}  // namespace

QStringList HelpTopicNames() {
  QStringList names;
  for (std::string_view name : kTopicNames) names.append(platform::ToQString(name));
  return names;
}

QString HelpText(HelpTopic topic) {
  switch (topic) {
    case HelpTopic::GettingStarted:
      return GettingStartedText();
    case HelpTopic::UsingTheInterface:
      return platform::ToQString(kUsingTheInterface);
    case HelpTopic::OmnicraftingTutorial:
      return platform::ToQString(kOmnicraftingTutorial);
    case HelpTopic::ReportFormatting:
      return platform::ToQString(kReportFormatting);
  }
  return {};
}

}  // namespace davoruzivi::ui
