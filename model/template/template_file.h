#pragma once
// Template files (".kwt"): the template as text lines, compressed as a whole.
// One reader serves Load (the file replaces the open template) and Import (its
// items and configurations are added to the open template).

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "template/template_model.h"

namespace davoruzivi {

class ItemVocabularies;

namespace platform {
class MessageBox;
}

enum class TemplateReadMode { Load, Import };

// What a read ends with. 0 is success; every other code was shown to the user.
namespace template_read {
inline constexpr int Ok = 0, BadExtension = 1, NotFound = 2, UnknownFormat = 3, NotATemplate = 4,
                     IncompatibleVault = 5, OtherClass = 6, UnknownServerType = 7, OtherServerType = 8,
                     Damaged = 9;
}  // namespace template_read

inline constexpr std::string_view kTemplateHeaderV2 = "~Kitwright Template v2";
inline constexpr std::string_view kTemplateHeaderV1 = "~Kitwright Template v1";

// Which kind of file a name names, decided by the lower-cased name.
enum class TemplateFileKind { Template, Legacy, Unknown };
TemplateFileKind TemplateFileKindOf(const std::filesystem::path& path);

// No candidate list of a template holds more entries than this; a file whose
// list would is damaged.
inline constexpr std::size_t kMaxListEntries = 1'000'000;

// The template's text as Save compresses it, lines ended by CR LF. Effect names
// come from the vault's effect list.
std::string WriteTemplateText(const Template& model, const ItemVocabularies& vocabularies);

// The name a template is saved under: ".kwt" is appended unless the name
// holds it (in lower case) already.
std::filesystem::path TemplateFileName(const std::filesystem::path& chosen);

// Writes the template file through a temporary file that replaces the old one
// only when complete; the error text (naming the file) on failure.
std::optional<std::string> WriteTemplateFile(const std::filesystem::path& path, const Template& model,
                                             const ItemVocabularies& vocabularies);

// Reads a template text in the given mode and returns its result code; every
// message of the read goes to `messages`. `name` is the file name the messages
// show. Load expects a cleared template; Import merges into the open one.
int ReadTemplateText(std::string_view text, std::string_view name, TemplateReadMode mode, Template& model,
                     const ItemVocabularies& vocabularies, platform::MessageBox& messages);

// Checks the name and the file, inflates it and reads it.
int ReadTemplateFile(const std::filesystem::path& path, TemplateReadMode mode, Template& model,
                     const ItemVocabularies& vocabularies, platform::MessageBox& messages);

}  // namespace davoruzivi
