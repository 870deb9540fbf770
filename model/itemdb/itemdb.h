#pragma once
// The item database: the VaultItem record and its vocabularies, the stat
// catalogue, the master vault in memory, and its file's reader and writer.

#include "itemdb/inline_item.h"
#include "itemdb/item_vocabularies.h"
#include "itemdb/legacy_effects.h"
#include "itemdb/master_vault.h"
#include "itemdb/stat_catalogue.h"
#include "itemdb/vault_item.h"
#include "itemdb/vault_messages.h"
#include "itemdb/vault_reader.h"
#include "itemdb/vault_writer.h"
#include "itemdb/vocabulary.h"
