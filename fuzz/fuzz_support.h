#pragma once
// What the fuzz targets share: the shipped vault and example templates read
// once, inputs handed to readers that take only paths, the round trip of an
// item through vault lines, and everything the planner does with a template
// it has read.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "itemdb/master_vault.h"
#include "template/classes.h"
#include "template/template_model.h"

// The entry point every target defines, for libFuzzer or for the replay main.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace davoruzivi::fuzz {

std::string_view AsText(const std::uint8_t* data, std::size_t size);

// The vault made from data/vault.txt on first use. Template Load and Import
// only read it; the workflow merely takes it by non-const reference.
MasterVault& ShippedVault();

// A vault with the shipped vault's vocabularies and no records: a copy is
// what imports append to, and its records' fields name the shipped texts.
const MasterVault& EmptyShippedVault();

// A vault with the vocabularies given and no records.
MasterVault EmptyVaultWith(const ItemVocabularies& vocabularies);

// The example templates of data/examples, each loaded into its own template.
const std::vector<Template>& ExampleTemplates();

// Writes the input into a folder of this process's own under the given file
// name (whose extension chooses the reader) and returns the file's path.
std::filesystem::path WriteInputFile(std::string_view fileName, std::string_view bytes);

// Ends the run with a message, so that the fuzzer keeps the input.
[[noreturn]] void Fail(std::string_view what, std::string_view detail = {});

// Writes the record as vault lines, reads them back and fails unless the
// record read writes the very same lines. The record goes into a copy of
// `empty`, a vault without records whose vocabularies give the record's
// fields their meaning, as an item that enters the planner's vault does.
void CheckVaultRoundTrip(const VaultItem& item, const MasterVault& empty);

// Runs the stat engine, the stat panels, the contributor report of every row
// and both report layouts (text and HTML) on the first configurations, and
// fails unless the text Save writes loads again and, once loaded, saves the
// same text every time.
void ExerciseTemplate(const Template& model, const MasterVault& vault, const AppliedClass& applied);

// Loads an older template file holding the input through the template
// workflow, then imports the same file into what was loaded, exercising the
// template after each read that succeeds.
void LoadAndImportLegacyTemplate(std::string_view fileName, std::string_view bytes);

}  // namespace davoruzivi::fuzz
