#pragma once
// The item database: the VaultItem record and its vocabularies, the stat
// catalogue, the master vault in memory, its file's reader and writer, and
// the item exchange files.

#include "itemdb/exchange_files.h"
#include "itemdb/inline_item.h"
#include "itemdb/item_vocabularies.h"
#include "itemdb/item_xml.h"
#include "itemdb/legacy_effects.h"
#include "itemdb/master_vault.h"
#include "itemdb/stat_catalogue.h"
#include "itemdb/vault_item.h"
#include "itemdb/vault_messages.h"
#include "itemdb/vault_reader.h"
#include "itemdb/vault_writer.h"
#include "itemdb/vocabulary.h"
